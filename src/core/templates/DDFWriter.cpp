#include "templates/DDFWriter.h"

#include <cstdint>

#include "templates/DDFReader.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

void PutInt32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// `field` names the header field: its key in the layout's source, or words for the reserved text.
void PutText(std::string& out, const std::wstring& text, std::size_t width, const std::string& field) {
  const std::string bytes = ToCp1252(text);
  if (bytes.size() > width)
    throw DDFWriteError(FormatString(TrUtf8("DDFWriter", "%1 is %2 bytes long; its field holds %3"),
                                     {field, std::to_string(bytes.size()), std::to_string(width)}));
  out += bytes;
  out.append(width - bytes.size(), '\0');
}

}  // namespace

std::string WriteDDF(const CDDFTemplate& t, std::string_view preamble, bool padToMinimum) {
  const std::size_t recordSize = DDFRecordSize(t.header.version);
  if (recordSize == 0) throw DDFWriteError(TrUtf8("DDFWriter", "version must be \"270\" or \"DDF\""));
  if (preamble.find(kDDFPreambleEnd) != std::string_view::npos)
    throw DDFWriteError(TrUtf8("DDFWriter", "the preamble must not contain the byte 0x1A"));
  std::string pre(preamble);
  const std::size_t body = kDDFHeaderSize + kDDFSlotSize * t.slots.size() + recordSize * t.objects.size();
  if (padToMinimum && pre.size() + 1 + body < kDDFHeaderReadSize)
    pre.append(kDDFHeaderReadSize - body - 1 - pre.size(), ' ');
  if (pre.size() >= kDDFPreambleLimit)
    throw DDFWriteError(FormatString(TrUtf8("DDFWriter", "the preamble is %1 bytes long; at most %2 fit before the end mark"),
                                     {std::to_string(pre.size()), std::to_string(kDDFPreambleLimit - 1)}));

  std::string out = pre;
  out.reserve(pre.size() + 1 + body);
  out.push_back(kDDFPreambleEnd);
  PutText(out, t.header.version, 3, "version");
  PutText(out, t.header.reservedText, 64, TrUtf8("DDFWriter", "the reserved text"));
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
        throw DDFWriteError(FormatString(TrUtf8("DDFWriter", "the caption of object %1 is longer than the %2 bytes of its field"),
                                         {std::to_string(o.id), std::to_string(textSize)}));
    out.append(o.text.data(), textSize);
  }
  return out;
}

}  // namespace mirn
