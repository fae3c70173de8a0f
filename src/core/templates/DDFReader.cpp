#include "templates/DDFReader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "util/ByteSource.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFException.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::int32_t Int32At(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                   static_cast<std::uint32_t>(b[2]) << 16 |
                                   static_cast<std::uint32_t>(b[3]) << 24);
}
std::uint32_t UInt32At(const char* p) { return static_cast<std::uint32_t>(Int32At(p)); }

std::wstring TextAt(const char* p, std::size_t width) {
  const char* end = std::find(p, p + width, '\0');
  return FromCp1252(std::string_view(p, static_cast<std::size_t>(end - p)));
}

// The header and where it starts; what Load and ReadInfo share.
struct ParsedHeader {
  CDDFHeader header;
  std::uint64_t offset = 0;  // H: the byte after the 0x1A
  std::size_t recordSize = 0;
  bool valid = false;
};

ParsedHeader ReadHeader(const ByteSource& bytes, const std::wstring& path, bool upCase = true) {
  std::array<char, kDDFHeaderReadSize> buffer{};
  if (bytes.ReadAt(0, buffer.data(), buffer.size()) != buffer.size())
    throw DDFException(FormatString(Tr("DDFReader", "Could not read DDF header: %1"), {path}));
  const auto end = buffer.begin() + kDDFPreambleLimit;
  const auto mark = std::find(buffer.begin(), end, kDDFPreambleEnd);
  if (mark == end) throw DDFException(FormatString(Tr("DDFReader", "Could not read DDF header: %1"), {path}));

  ParsedHeader parsed;
  parsed.offset = static_cast<std::uint64_t>(mark - buffer.begin()) + 1;
  const char* h = buffer.data() + parsed.offset;  // H + 220 <= 261 + 219 = 480
  CDDFHeader& header = parsed.header;
  header.version = TextAt(h + 0, 3);
  header.reservedText = TextAt(h + 3, 64);
  header.groupName = TextAt(h + 67, 64);
  header.typeCode = TextAt(h + 131, 8);
  if (upCase) header.typeCode = ToUpper(header.typeCode);
  header.description = TextAt(h + 139, 64);
  header.landscape = h[203] != 0;
  header.labelWidth = Int32At(h + 204);
  header.labelHeight = Int32At(h + 208);
  header.slotCount = UInt32At(h + 212);
  header.objectCount = UInt32At(h + 216);

  parsed.recordSize = DDFRecordSize(header.version);
  if (parsed.recordSize == 0) return parsed;
  // At most 2^32 * 672 + 2^35 + 481: no overflow in 64 bits.
  const std::uint64_t expected = parsed.offset + kDDFHeaderSize +
                                 std::uint64_t{kDDFSlotSize} * header.slotCount +
                                 std::uint64_t{parsed.recordSize} * header.objectCount;
  parsed.valid = bytes.Size() == expected;
  return parsed;
}

void ReadObjects(const ByteSource& bytes, const ParsedHeader& parsed, CDDFTemplate& out) {
  std::uint64_t at = parsed.offset + kDDFHeaderSize;
  const std::wstring truncated = FormatString(Tr("DDFReader", "Could not read DDF header: %1"), {out.path});
  // The sizes were validated against the header, so short reads mean the file changed
  // underneath: refuse rather than keep a partial template.
  out.slots.reserve(parsed.header.slotCount);
  for (std::uint32_t i = 0; i < parsed.header.slotCount; ++i, at += kDDFSlotSize) {
    char raw[kDDFSlotSize];
    if (bytes.ReadAt(at, raw, sizeof raw) != sizeof raw) throw DDFException(truncated);
    out.slots.push_back({Int32At(raw), Int32At(raw + 4)});
  }
  COldDDFObject oldShape;
  CDDFObject newShape;
  const CDDFObject& shape = parsed.recordSize == kDDFObjectFixedSize + kOldDDFTextSize
                                ? static_cast<const CDDFObject&>(oldShape)
                                : newShape;
  const std::size_t textSize = shape.GetTextSize();
  out.objects.reserve(parsed.header.objectCount);
  std::array<char, kDDFObjectFixedSize + kDDFTextSize> raw{};
  for (std::uint32_t i = 0; i < parsed.header.objectCount; ++i) {
    const std::size_t size = kDDFObjectFixedSize + textSize;
    if (bytes.ReadAt(at, raw.data(), size) != size) throw DDFException(truncated);
    at += size;
    CDDFObject& object = out.objects.emplace_back();
    object.id = UInt32At(&raw[0]);
    object.reserved = UInt32At(&raw[4]);
    object.flags = UInt32At(&raw[8]);
    object.color = UInt32At(&raw[12]);
    object.left = Int32At(&raw[16]);
    object.top = Int32At(&raw[20]);
    object.right = Int32At(&raw[24]);
    object.bottom = Int32At(&raw[28]);
    std::memcpy(object.text.data(), &raw[kDDFObjectFixedSize], textSize);  // rest stays zero
  }
}

}  // namespace

std::size_t DDFRecordSize(std::wstring_view version) {
  if (version == L"270") return kDDFObjectFixedSize + kDDFTextSize;
  if (version == L"DDF") return kDDFObjectFixedSize + kOldDDFTextSize;
  return 0;
}

CDDFTemplate CDDFTemplate::Load(const ByteSource& bytes, const std::wstring& path) {
  CDDFTemplate result = LoadInFileOrder(bytes, path, true);
  result.SortObjects();
  return result;
}

CDDFTemplate LoadInFileOrder(const ByteSource& bytes, const std::wstring& path, bool upCaseTypeCode) {
  const ParsedHeader parsed = ReadHeader(bytes, path, upCaseTypeCode);
  if (!parsed.valid) throw DDFException(FormatString(Tr("DDFReader", "DDF did not pass validation tests: %1"), {path}));
  CDDFTemplate result;
  result.path = path;
  result.header = parsed.header;
  ReadObjects(bytes, parsed, result);
  return result;
}

std::string ReadPreamble(const ByteSource& bytes) {
  std::string head(kDDFPreambleLimit, '\0');
  head.resize(bytes.ReadAt(0, head.data(), head.size()));
  const std::size_t mark = head.find(kDDFPreambleEnd);
  return mark == std::string::npos ? std::string() : head.substr(0, mark);
}

CDDFTemplate CDDFTemplate::Load(const std::filesystem::path& path) {
  const std::wstring name = FromPath(path);
  const FileByteSource file(path);
  if (!file.IsOpen()) throw DDFException(FormatString(Tr("DDFReader", "Could not open DDF file: %1"), {name}));
  return Load(file, name);
}

bool CDDFTemplate::ReadInfo(const ByteSource& bytes, const std::wstring& path, DDFHeaderInfo& info) {
  const ParsedHeader parsed = ReadHeader(bytes, path);
  if (!parsed.valid) return false;
  info.typeCode = parsed.header.typeCode;
  info.groupName = parsed.header.groupName;
  info.description = parsed.header.description;
  return true;
}

bool CDDFTemplate::ReadInfo(const std::filesystem::path& path, DDFHeaderInfo& info) {
  const std::wstring name = FromPath(path);
  const FileByteSource file(path);
  if (!file.IsOpen()) throw DDFException(FormatString(Tr("DDFReader", "Could not open DDF file: %1"), {name}));
  return ReadInfo(file, name, info);
}

}  // namespace mirn
