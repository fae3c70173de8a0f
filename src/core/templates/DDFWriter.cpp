#include "templates/DDFWriter.h"

#include <cstdint>

#include "templates/DDFReader.h"
#include "util/Text.h"

namespace mirn {
namespace {

void PutInt32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutText(std::string& out, const std::wstring& text, std::size_t width, const char* field) {
  const std::string bytes = ToCp1252(text);
  if (bytes.size() > width)
    throw DDFWriteError(std::string(field) + " is " + std::to_string(bytes.size()) +
                        " bytes long; its field holds " + std::to_string(width));
  out += bytes;
  out.append(width - bytes.size(), '\0');
}

}  // namespace

std::string WriteDDF(const CDDFTemplate& t, std::string_view preamble, bool padToMinimum) {
  const std::size_t recordSize = DDFRecordSize(t.header.version);
  if (recordSize == 0) throw DDFWriteError("version must be \"270\" or \"DDF\"");
  if (preamble.find(kDDFPreambleEnd) != std::string_view::npos)
    throw DDFWriteError("the preamble must not contain the byte 0x1A");
  std::string pre(preamble);
  const std::size_t body = kDDFHeaderSize + kDDFSlotSize * t.slots.size() + recordSize * t.objects.size();
  if (padToMinimum && pre.size() + 1 + body < kDDFHeaderReadSize)
    pre.append(kDDFHeaderReadSize - body - 1 - pre.size(), ' ');
  if (pre.size() >= kDDFPreambleLimit)
    throw DDFWriteError("the preamble is " + std::to_string(pre.size()) + " bytes long; at most " +
                        std::to_string(kDDFPreambleLimit - 1) + " fit before the end mark");

  std::string out = pre;
  out.reserve(pre.size() + 1 + body);
  out.push_back(kDDFPreambleEnd);
  PutText(out, t.header.version, 3, "version");
  PutText(out, t.header.reservedText, 64, "the reserved text");
  PutText(out, t.header.groupName, 64, "groupName");
  PutText(out, t.header.typeCode, 8, "typeCode");
  PutText(out, t.header.description, 64, "description");
  out.push_back(t.header.landscape ? 1 : 0);
  PutInt32(out, static_cast<std::uint32_t>(t.header.labelWidth));
  PutInt32(out, static_cast<std::uint32_t>(t.header.labelHeight));
  PutInt32(out, static_cast<std::uint32_t>(t.slots.size()));
  PutInt32(out, static_cast<std::uint32_t>(t.objects.size()));
  for (const auto& slot : t.slots) {
    PutInt32(out, static_cast<std::uint32_t>(slot.x));
    PutInt32(out, static_cast<std::uint32_t>(slot.y));
  }
  const std::size_t textSize = recordSize - kDDFObjectFixedSize;
  for (const auto& o : t.objects) {
    for (std::uint32_t v : {o.id, o.reserved, o.flags, o.color}) PutInt32(out, v);
    for (std::int32_t v : {o.left, o.top, o.right, o.bottom}) PutInt32(out, static_cast<std::uint32_t>(v));
    for (std::size_t i = textSize; i < o.text.size(); ++i)
      if (o.text[i] != '\0')
        throw DDFWriteError("the caption of object " + std::to_string(o.id) + " is longer than the " +
                            std::to_string(textSize) + " bytes of its field");
    out.append(o.text.data(), textSize);
  }
  return out;
}

}  // namespace mirn
