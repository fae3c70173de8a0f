#pragma once
// What a field's text puts on the clipboard and what it takes from it. The platform's
// clipboard carries the formats; these functions decide their contents.

#include <optional>
#include <string>
#include <string_view>

#include "text/CRTFText.h"

namespace mirn {

// The private format that carries a field's stored text with its style.
inline constexpr std::wstring_view kMirnRtfFormat = L"Mirn Rich Text Format";
// The common RTF format, accepted on paste.
inline constexpr std::wstring_view kRtfFormat = L"Rich Text Format";

struct FieldClipboardData {
  std::wstring plainText;  // the display text, codes expanded
  std::wstring mirnRtf;    // the stored text as ToRtf writes it, codes unexpanded
};

FieldClipboardData CopyField(const CRTFText& field);

// The formats on offer when pasting; absent ones are empty optionals.
struct ClipboardOffer {
  std::optional<std::wstring> mirnRtf;
  std::optional<std::string> rtf;  // 8-bit RTF text
  std::optional<std::wstring> plainText;
};

// The field's new stored text: the Mirn format when offered, else the RTF (widened from
// the Windows code page), else the plain text written in the field's current first format;
// nothing when no usable format is offered.
std::optional<std::wstring> PastedStoredText(const ClipboardOffer& offer,
                                             const TextFormat& currentFormat);

}  // namespace mirn
