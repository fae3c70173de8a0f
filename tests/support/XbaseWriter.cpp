#include "support/XbaseWriter.h"

#include <algorithm>

namespace mirn::test {

namespace {

void PutLittle(std::string& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

std::string BigEndian32(std::uint32_t value) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(value >> (8 * (3 - i)) & 0xFF);
  return out;
}

std::size_t ColumnLength(const DbfColumn& column, bool extended) {
  if (column.type == 'C' && extended) return column.length + 256u * column.decimals;
  return column.length;
}

bool IsExtendedForm(const DbfTable& table) {
  return table.signature == 0x03 || table.signature == 0xF5 || table.signature == 0x83;
}

std::string Pad(const std::string& value, std::size_t length, bool right) {
  std::string cell = value.substr(0, length);
  const std::string blanks(length - cell.size(), ' ');
  return right ? blanks + cell : cell + blanks;
}

}  // namespace

std::string DbfCell(const DbfColumn& column, const std::string& value) {
  const bool right = column.type == 'N' || column.type == 'M';
  return Pad(value, ColumnLength(column, true), right);
}

std::size_t DbfRecordLength(const DbfTable& table) {
  std::size_t length = 1;
  for (const auto& column : table.columns) length += ColumnLength(column, IsExtendedForm(table));
  return length;
}

std::string WriteDbf(const DbfTable& table) {
  const bool extended = IsExtendedForm(table);
  const std::size_t headerLength = 33 + 32 * table.columns.size();
  const std::size_t recordLength = DbfRecordLength(table);
  std::string out(32, '\0');
  out[0] = static_cast<char>(table.signature);
  out[1] = 115;  // last update: 2015-03-14
  out[2] = 3;
  out[3] = 14;
  PutLittle(out, 4, static_cast<std::uint32_t>(table.rows.size()), 4);
  PutLittle(out, 8, static_cast<std::uint32_t>(headerLength), 2);
  PutLittle(out, 10, static_cast<std::uint32_t>(recordLength), 2);
  out[28] = static_cast<char>(table.tableFlags);
  out[29] = static_cast<char>(table.codePage);
  std::uint32_t position = 1;
  for (const auto& column : table.columns) {
    std::string descriptor(32, '\0');
    std::copy_n(column.name.begin(), std::min<std::size_t>(column.name.size(), 11),
                descriptor.begin());
    descriptor[11] = column.type;
    PutLittle(descriptor, 12, position, 4);
    descriptor[16] = static_cast<char>(column.length);
    descriptor[17] = static_cast<char>(column.decimals);
    position += static_cast<std::uint32_t>(ColumnLength(column, extended));
    out += descriptor;
  }
  out += '\x0D';
  for (const auto& row : table.rows) {
    std::string record(1, row.deleted ? '*' : ' ');
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
      const auto& column = table.columns[i];
      const std::string value = i < row.cells.size() ? row.cells[i] : std::string();
      const bool right = column.type == 'N' || column.type == 'M';
      record += Pad(value, ColumnLength(column, extended), right);
    }
    out += record;
  }
  out += '\x1A';
  return out;
}

FptWriter::FptWriter(std::uint16_t blockSize) : blockSize_(blockSize), bytes_(512, '\0') {
  bytes_[6] = static_cast<char>(blockSize >> 8);
  bytes_[7] = static_cast<char>(blockSize & 0xFF);
  if (blockSize_ > 0) bytes_.resize((bytes_.size() + blockSize_ - 1) / blockSize_ * blockSize_);
}

std::uint32_t FptWriter::Add(const std::string& text, std::uint32_t blockType) {
  const std::uint16_t size = std::max<std::uint16_t>(blockSize_, 1);
  const auto block = static_cast<std::uint32_t>(bytes_.size() / size);
  bytes_ += BigEndian32(blockType) + BigEndian32(static_cast<std::uint32_t>(text.size())) + text;
  bytes_.resize((bytes_.size() + size - 1) / size * size, '\0');
  const std::string next = BigEndian32(static_cast<std::uint32_t>(bytes_.size() / size));
  std::copy(next.begin(), next.end(), bytes_.begin());
  return block;
}

DbtWriter::DbtWriter(std::uint8_t version) : bytes_(512, '\0') {
  bytes_[16] = static_cast<char>(version);
}

std::uint32_t DbtWriter::Add(const std::string& text) {
  const auto block = static_cast<std::uint32_t>(bytes_.size() / 512);
  bytes_ += text + "\x1A\x1A";
  bytes_.resize((bytes_.size() + 511) / 512 * 512, '\0');
  return block;
}

std::string RlePack(const std::string& bytes, std::uint8_t escape) {
  std::string out;
  const char e = static_cast<char>(escape);
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t run = 1;
    while (i + run < bytes.size() && bytes[i + run] == bytes[i] && run < 255) ++run;
    if (run >= 3) {
      out += e;
      out += static_cast<char>(run);
      out += bytes[i];
    } else if (bytes[i] == e) {
      out += e;
      out += static_cast<char>(run);
    } else {
      out.append(run, bytes[i]);
    }
    i += run;
  }
  return out;
}

std::string LittleEndian32(std::uint32_t value) {
  std::string out(4, '\0');
  PutLittle(out, 0, value, 4);
  return out;
}

std::string RlePart(const std::string& bytes, std::uint8_t escape) {
  const std::string packed = RlePack(bytes, escape);
  return LittleEndian32(static_cast<std::uint32_t>(packed.size())) + packed;
}

std::string WriteLegacyFile(const std::vector<std::string>& parts, const std::string& header,
                            std::uint8_t escape) {
  std::string out = header + "\x1AMRB" + std::string(1, static_cast<char>(escape));
  for (const auto& part : parts) out += RlePart(part, escape);
  if (out.size() < 264) out.resize(264, '\0');
  return out;
}

std::vector<std::string> LegacyDatabaseParts(const std::vector<LegacyExtensionRow>& extensions,
                                             const std::vector<LegacyFieldRow>& fields) {
  DbfTable extensionTable;
  extensionTable.tableFlags = 1;
  extensionTable.columns = {
      {"EXTENSION", 'C', 20}, {"TYPE", 'C', 8}, {"NAME", 'C', 40}, {"MODIFIED", 'N', 12}};
  for (const auto& row : extensions) {
    extensionTable.rows.push_back({row.deleted, {row.id, row.type, row.name, row.modified}});
  }
  DbfTable fieldTable;
  fieldTable.signature = 0xF5;
  fieldTable.tableFlags = 1;
  fieldTable.columns = {{"EXTENSION", 'C', 20}, {"FIELD", 'N', 5}, {"CONTENT", 'M', 10}};
  FptWriter memo(64);
  for (const auto& row : fields) {
    const std::string block = row.content.empty() ? "0" : std::to_string(memo.Add(row.content));
    fieldTable.rows.push_back({row.deleted, {row.extension, row.field, block}});
  }
  const std::string index = "index pages are never read" + std::string(40, '\0');
  return {WriteDbf(extensionTable), index, WriteDbf(fieldTable), memo.Bytes(), index};
}

std::string WriteLegacyDatabase(const std::vector<LegacyExtensionRow>& extensions,
                                const std::vector<LegacyFieldRow>& fields,
                                const std::string& header) {
  return WriteLegacyFile(LegacyDatabaseParts(extensions, fields), header);
}

}  // namespace mirn::test
