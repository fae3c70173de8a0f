#pragma once
// Small writers of xBase tables, memo files and run-length packed legacy databases, so that
// every fixture of the legacy reader is made by the test itself.

#include <cstdint>
#include <string>
#include <vector>

namespace mirn::test {

struct DbfColumn {
  std::string name;
  char type = 'C';
  std::uint8_t length = 10;
  std::uint8_t decimals = 0;
};

struct DbfRow {
  bool deleted = false;
  // One cell per column, padded with blanks to the column's length ('N' and 'M' on the
  // left, as xBase writes numbers); longer cells are cut.
  std::vector<std::string> cells;
};

struct DbfTable {
  std::uint8_t signature = 0x03;  // 0xF5: with a .fpt memo file, 0x83: Clipper
  std::uint8_t tableFlags = 0;  // byte 28: non-zero announces a structural index file
  std::uint8_t codePage = 0x03;
  std::vector<DbfColumn> columns;
  std::vector<DbfRow> rows;
};

// Bytes of one column's cell as the table stores it.
std::string DbfCell(const DbfColumn& column, const std::string& value);
// The table file: header, descriptors, terminator, records and the end-of-file byte.
std::string WriteDbf(const DbfTable& table);
// The record length a table gets: the deletion flag plus every column (16-bit lengths for
// 'C' over the length and decimal bytes, as FoxPro and Clipper tables have them).
std::size_t DbfRecordLength(const DbfTable& table);

// A FoxPro memo file: 512-byte header (next free block, block size), then the memos.
class FptWriter {
 public:
  explicit FptWriter(std::uint16_t blockSize = 64);
  // Appends a memo and answers its block number.
  std::uint32_t Add(const std::string& text, std::uint32_t blockType = 1);
  const std::string& Bytes() const { return bytes_; }

 private:
  std::uint16_t blockSize_ = 64;
  std::string bytes_;
};

// A Clipper memo file: 512-byte header with the version byte, memos ended by 0x1A 0x1A.
class DbtWriter {
 public:
  explicit DbtWriter(std::uint8_t version = 3);
  std::uint32_t Add(const std::string& text);
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Run-length code of `bytes` with escape byte `escape` (runs of 3 to 255 bytes packed).
std::string RlePack(const std::string& bytes, std::uint8_t escape = 0xB7);
// A 32-bit little-endian count followed by the packed bytes.
std::string RlePart(const std::string& bytes, std::uint8_t escape = 0xB7);
std::string LittleEndian32(std::uint32_t value);

// A legacy database: `header` bytes, the marker with escape byte, then five packed parts
// (extension table, its index, field table, its memo file, its index). The header is
// padded so that the file is at least 264 bytes long.
std::string WriteLegacyFile(const std::vector<std::string>& parts, const std::string& header = "",
                            std::uint8_t escape = 0xB7);

// The rows of a legacy database as its two tables hold them.
struct LegacyExtensionRow {
  std::string id;
  std::string type;
  std::string name;
  std::string modified;  // seconds since 1970 as decimal text
  bool deleted = false;
};
struct LegacyFieldRow {
  std::string extension;
  std::string field;  // the field number as decimal text
  std::string content;
  bool deleted = false;
};
// The five parts of a legacy database: the extension table (FoxPro, with index), its index,
// the field table (FoxPro with memo file and index), its memo file and its index.
std::vector<std::string> LegacyDatabaseParts(const std::vector<LegacyExtensionRow>& extensions,
                                             const std::vector<LegacyFieldRow>& fields);
std::string WriteLegacyDatabase(const std::vector<LegacyExtensionRow>& extensions,
                                const std::vector<LegacyFieldRow>& fields,
                                const std::string& header = "");

}  // namespace mirn::test
