// Arbitrary bytes as pasted clipboard text: the program's own rich text (UTF-8), RTF from
// another program and plain text, as Paste chooses among them. Whatever is pasted becomes a
// stored text that parses, and copying it out again and pasting that gives the same field.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/CRTFText.h"
#include "text/FieldClipboard.h"
#include "util/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  mirn::ClipboardOffer offer;
  switch (data[0] % 3) {
    case 0: offer.mirnRtf = mirn::FromUtf8(bytes); break;
    case 1: offer.rtf = bytes; break;
    default: offer.plainText = mirn::FromUtf8(bytes); break;
  }
  mirn::TextFormat current;
  current.face = L"Arial";
  current.size = 24;
  const std::optional<std::wstring> stored = mirn::PastedStoredText(offer, current);
  if (!stored) return 0;
  const mirn::CRTFText field(*stored);
  const mirn::FieldClipboardData copied = mirn::CopyField(field);
  mirn::ClipboardOffer again;
  again.mirnRtf = copied.mirnRtf;
  const std::optional<std::wstring> restored = mirn::PastedStoredText(again, current);
  if (!restored || mirn::CRTFText(*restored).GetDisplayText() != field.GetDisplayText()) __builtin_trap();
  return 0;
}
