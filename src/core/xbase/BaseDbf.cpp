#include "xbase/BaseDbf.h"

#include <algorithm>
#include <cstdio>

#include "xbase/ClipperDbf.h"
#include "xbase/Exception.h"
#include "xbase/FoxProDbf.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn::xbase {

namespace {

std::uint32_t LittleEndian(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

std::string CouldNotOpen(const std::filesystem::path& path) {
  return FormatString(TrUtf8("TableReader", "DBF file could not be opened: %1"), {path.string()});
}

}  // namespace

BaseDbf::BaseDbf(std::shared_ptr<const ByteSourceOpener> opener)
    : opener_(opener ? std::move(opener) : std::make_shared<FileSourceOpener>()) {}

std::uint16_t BaseDbf::GetHeaderLength() const {
  return static_cast<std::uint16_t>(LittleEndian(prefix_ + 8, 2));
}

std::uint16_t BaseDbf::GetRecordLength() const {
  return static_cast<std::uint16_t>(LittleEndian(prefix_ + 10, 2));
}

std::uint32_t BaseDbf::GetRecordCount() const {
  return table_ ? LittleEndian(prefix_ + 4, 4) : 0;
}

std::filesystem::path BaseDbf::PathBeside(const char* extension) const {
  return std::filesystem::path(path_).replace_extension(extension);
}

std::unique_ptr<ByteSource> BaseDbf::OpenBeside(const char* extension) const {
  return opener_->Open(PathBeside(extension));
}

void BaseDbf::OpenMemoFile(const char* extension) {
  memo_ = OpenBeside(extension);
  if (!memo_) throw Exception(FormatString(TrUtf8("TableReader", "could not read memo file: %1"), {QuotePath(PathBeside(extension))}));
}

void BaseDbf::Open(const std::filesystem::path& path) {
  columns_.clear();
  memo_.reset();
  std::fill(std::begin(prefix_), std::end(prefix_), 0);
  path_ = path;
  table_ = opener_->Open(path);
  if (!table_) throw Exception(CouldNotOpen(path));
  // A file shorter than the fixed header reads as zeros there and fails validation.
  table_->ReadAt(0, prefix_, sizeof prefix_);
  Validate();
  OpenMemo();
  ReadColumns();
}

void BaseDbf::Validate() {
  if (!table_) throw Exception("DBF file is not open");
  const std::uint32_t headerLength = GetHeaderLength();
  if (headerLength <= kPrefixSize || (headerLength - 33) % kDescriptorSize != 0) {
    throw Exception(FormatString(TrUtf8("TableReader", "invalid DBF header length (%1)"), {std::to_string(headerLength)}));
  }
  const std::uint64_t expected =
      headerLength + std::uint64_t{GetRecordCount()} * GetRecordLength() + 1;
  if (table_->Size() != expected) {
    throw Exception(FormatString(TrUtf8("TableReader", "DBF file size mismatch (expected: %1, got %2)"),
                                 {std::to_string(expected), std::to_string(table_->Size())}));
  }
}

void BaseDbf::ReadColumns() {
  const std::size_t count = (GetHeaderLength() - 33) / kDescriptorSize;
  std::vector<std::shared_ptr<BaseColumn>> columns;
  columns.reserve(count);
  std::size_t recordBytes = 1;  // the deletion flag
  for (std::size_t i = 0; i < count; ++i) {
    unsigned char descriptor[kDescriptorSize] = {};
    if (!ReadExact(*table_, kPrefixSize + i * kDescriptorSize, descriptor, sizeof descriptor)) {
      throw Exception(CouldNotOpen(path_));
    }
    const std::string name(UpToZero(reinterpret_cast<const char*>(descriptor), 11));
    columns.push_back(CreateColumn(name, static_cast<char>(descriptor[11]), descriptor[16],
                                   descriptor[17]));
    recordBytes += columns.back()->GetLength();
  }
  // Columns that do not fit in a record would be read from beyond it.
  if (recordBytes > GetRecordLength()) {
    throw Exception(FormatString(TrUtf8("TableReader", "DBF record length (%1) is too short for its fields (%2)"),
                                 {std::to_string(GetRecordLength()), std::to_string(recordBytes)}));
  }
  columns_ = std::move(columns);
}

std::shared_ptr<BaseColumn> BaseDbf::CreateColumn(const std::string& name, char type,
                                                  std::uint8_t length, std::uint8_t decimals) {
  switch (type) {
    case 'C': return std::make_shared<CharacterColumn>(name, type, length, decimals);
    case 'D': return std::make_shared<DateColumn>(name, type, length, decimals);
    case 'L': return std::make_shared<LogicalColumn>(name, type, length, decimals);
    case 'N': return std::make_shared<NumberColumn>(name, type, length, decimals);
    default: throw Exception(FormatString(TrUtf8("TableReader", "field %1 has unrecognized type: %2"), {name, std::string(1, type)}));
  }
}

Record BaseDbf::ReadRecord(std::int64_t row) {
  if (row < 1 || row > GetRecordCount()) {
    throw Exception("row number " + std::to_string(row) + " is out of range.");
  }
  const std::uint64_t start =
      GetHeaderLength() + static_cast<std::uint64_t>(row - 1) * GetRecordLength();
  std::string bytes(GetRecordLength(), '\0');
  if (!ReadExact(*table_, start, bytes.data(), bytes.size())) {
    throw Exception(FormatString(TrUtf8("TableReader", "DBF file could not be read: %1"), {path_.string()}));
  }
  Record record;
  record[kDeletedKey] = bytes[0] == '*';
  std::size_t offset = 1;
  for (const auto& column : columns_) {
    const std::size_t length = column->GetLength();
    record[column->GetName()] = column->Read(bytes.data() + offset, length);
    offset += length;
  }
  return record;
}

std::unique_ptr<BaseDbf> OpenTable(const std::filesystem::path& path,
                                   std::shared_ptr<const ByteSourceOpener> opener) {
  if (!opener) opener = std::make_shared<FileSourceOpener>();
  unsigned char signature = 0;
  {
    const auto file = opener->Open(path);
    if (!file || !ReadExact(*file, 0, &signature, 1)) throw Exception(CouldNotOpen(path));
  }
  std::unique_ptr<BaseDbf> table;
  if (signature == 0x03 || signature == 0xF5) {
    table = std::make_unique<FoxProDbf>(opener);
  } else if (signature == 0x83) {
    table = std::make_unique<ClipperDbf>(opener);
  } else {
    char hex[3] = {};
    std::snprintf(hex, sizeof hex, "%02x", signature);
    throw Exception(FormatString(TrUtf8("TableReader", "DBF file signature 0x%1 not recognized: %2"),
                                 {std::string(hex), path.string()}));
  }
  table->Open(path);
  return table;
}

}  // namespace mirn::xbase
