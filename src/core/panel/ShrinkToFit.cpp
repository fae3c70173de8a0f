#include "panel/ShrinkToFit.h"

#include <algorithm>
#include <cwctype>

#include "panel/FieldOverflow.h"
#include "text/CRTFText.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

bool IsStoredRtf(const std::wstring& text) { return text.rfind(L"{\\rtf", 0) == 0; }

// Calls `onSize` with the position and length of every \fsN parameter of an RTF text,
// stepping over escaped characters.
template <typename F>
void ForEachFontSize(const std::wstring& rtf, F onSize) {
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] != L'\\' || i + 1 >= rtf.size()) continue;
    std::size_t j = i + 1;
    if (!std::iswalpha(rtf[j])) {
      i = j;  // a control symbol such as \\, \{ or \'
      continue;
    }
    while (j < rtf.size() && std::iswalpha(rtf[j])) ++j;
    const bool isSize = j - i - 1 == 2 && rtf.compare(i + 1, 2, L"fs") == 0;
    std::size_t k = j;
    while (k < rtf.size() && std::iswdigit(rtf[k])) ++k;
    if (isSize && k > j) onSize(j, k - j);
    i = k - 1;
  }
}

int LargestSize(const std::wstring& rtf) {
  int largest = 0;
  ForEachFontSize(rtf, [&](std::size_t at, std::size_t length) {
    largest = std::max(largest, std::stoi(rtf.substr(at, length)));
  });
  return largest;
}

}  // namespace

std::wstring LowerFontSizes(const std::wstring& stored, int halfPoints, int minimum) {
  const std::wstring rtf = IsStoredRtf(stored) ? stored : WriteRtf(CRTFText(stored).GetFirstFormat(), stored);
  std::wstring out;
  out.reserve(rtf.size());
  std::size_t copied = 0;
  ForEachFontSize(rtf, [&](std::size_t at, std::size_t length) {
    const int size = std::stoi(rtf.substr(at, length));
    const int lowered = size <= minimum ? size : std::max(minimum, size - halfPoints);
    out.append(rtf, copied, at - copied);
    out += std::to_wstring(lowered);
    copied = at + length;
  });
  out.append(rtf, copied, std::wstring::npos);
  return out;
}

std::optional<ShrunkText> ShrinkToFit(const std::wstring& stored, const CDDFObject& field, Canvas& canvas,
                                      const std::wstring& extensionId, const std::wstring& extensionName,
                                      const FieldTextSource* codes) {
  if (stored.empty()) return std::nullopt;
  const auto fits = [&](const std::wstring& text) {
    return !FieldOverflows(CRTFText(text, extensionId, extensionName, codes), field, canvas);
  };
  if (fits(stored)) return std::nullopt;
  const std::wstring rtf = IsStoredRtf(stored) ? stored : LowerFontSizes(stored, 0);
  // Fitting only gets easier as the sizes go down: the fewest steps that fit are found by
  // halving the range.
  int low = 1;
  int high = std::max(1, LargestSize(rtf) - kShrinkMinimumHalfPoints);
  if (!fits(LowerFontSizes(rtf, high))) return ShrunkText{LowerFontSizes(rtf, high), high, false};
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (fits(LowerFontSizes(rtf, middle)))
      high = middle;
    else
      low = middle + 1;
  }
  return ShrunkText{LowerFontSizes(rtf, low), low, true};
}

}  // namespace mirn
