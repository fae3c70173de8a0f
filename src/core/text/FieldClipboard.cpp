#include "text/FieldClipboard.h"

#include "util/Text.h"

namespace mirn {

FieldClipboardData CopyField(const CRTFText& field) {
  return {field.GetDisplayTextCrLf(), field.ToRtf()};
}

std::optional<std::wstring> PastedStoredText(const ClipboardOffer& offer,
                                             const TextFormat& currentFormat) {
  if (offer.mirnRtf) return *offer.mirnRtf;
  if (offer.rtf) return FromCp1252(*offer.rtf);
  if (offer.plainText) return WriteRtf(currentFormat, *offer.plainText);
  return std::nullopt;
}

}  // namespace mirn
