#pragma once
// A read-only xBase table: the header checked, the columns described, any record read by
// number. Files are opened through a ByteSourceOpener, so the same code reads files on disk
// and buffers in memory.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "util/SourceOpener.h"
#include "xbase/BaseColumn.h"
#include "xbase/Value.h"

namespace mirn::xbase {

class BaseDbf {
 public:
  static constexpr std::size_t kPrefixSize = 32;      // fixed part of the header
  static constexpr std::size_t kDescriptorSize = 32;  // one column descriptor

  // Without an opener the table reads the file system.
  explicit BaseDbf(std::shared_ptr<const ByteSourceOpener> opener = nullptr);
  virtual ~BaseDbf() = default;
  BaseDbf(const BaseDbf&) = delete;
  BaseDbf& operator=(const BaseDbf&) = delete;

  // The table's code page mark; 0 when the form has none.
  virtual std::uint8_t GetCodePage() const { return 0; }
  // Checks the header lengths against the file size. Throws Exception.
  virtual void Validate();
  // Opens the memo file that the table's form and signature call for; the plain form has none.
  virtual void OpenMemo() {}
  // The column for one descriptor. Throws Exception for a type the form does not know.
  virtual std::shared_ptr<BaseColumn> CreateColumn(const std::string& name, char type,
                                                   std::uint8_t length, std::uint8_t decimals);

  // Opens the table file, validates it, opens its memo file and reads the columns.
  // Throws Exception.
  void Open(const std::filesystem::path& path);

  // The record count of the header; 0 when no table is open.
  std::uint32_t GetRecordCount() const;
  // Record `row` (from 1): every column's value by name, and "deleted". Throws Exception.
  Record ReadRecord(std::int64_t row);

  const std::filesystem::path& GetPath() const { return path_; }
  std::uint8_t GetSignature() const { return prefix_[0]; }
  std::uint16_t GetHeaderLength() const;
  std::uint16_t GetRecordLength() const;
  const std::vector<std::shared_ptr<BaseColumn>>& GetColumns() const { return columns_; }

 protected:
  const ByteSourceOpener& Opener() const { return *opener_; }
  // Byte `offset` of the fixed header part (below 32).
  std::uint8_t PrefixByte(std::size_t offset) const { return prefix_[offset]; }
  // Opens the file beside the table with the given extension (".fpt"); nothing when it
  // does not open.
  std::unique_ptr<ByteSource> OpenBeside(const char* extension) const;
  std::filesystem::path PathBeside(const char* extension) const;

  // Opens the memo file beside the table; throws Exception when it does not open.
  void OpenMemoFile(const char* extension);
  // The columns of the forms with a memo file: 16-bit character lengths and memo columns of
  // the form's own kind; the other letters as the plain form has them.
  template <typename MemoColumnType>
  std::shared_ptr<BaseColumn> CreateMemoFormColumn(const std::string& name, char type,
                                                   std::uint8_t length, std::uint8_t decimals) {
    if (type == 'C') {
      return std::make_shared<ExtendedCharacterColumn>(name, type, length, decimals);
    }
    if (type == 'M') return std::make_shared<MemoColumnType>(name, type, length, decimals, memo_);
    return BaseDbf::CreateColumn(name, type, length, decimals);
  }

  // The memo file of FoxPro and Clipper tables; empty when none was opened.
  std::shared_ptr<ByteSource> memo_;

 private:
  void ReadColumns();

  std::shared_ptr<const ByteSourceOpener> opener_;
  std::filesystem::path path_;
  std::unique_ptr<ByteSource> table_;
  unsigned char prefix_[kPrefixSize] = {};
  std::vector<std::shared_ptr<BaseColumn>> columns_;
};

// Reads the first byte of the file to choose FoxProDbf or ClipperDbf, then opens it.
// Throws Exception.
std::unique_ptr<BaseDbf> OpenTable(const std::filesystem::path& path,
                                   std::shared_ptr<const ByteSourceOpener> opener = nullptr);

}  // namespace mirn::xbase
