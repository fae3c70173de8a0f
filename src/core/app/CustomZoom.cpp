#include "app/CustomZoom.h"

#include <algorithm>

namespace mirn {

int CustomZoom::ChoiceFor(int percent) {
  for (std::size_t i = 0; i < kChoices.size(); ++i) {
    if (kChoices[i] == percent) return static_cast<int>(i);
  }
  return kOther;
}

int CustomZoom::Clamp(long long percent) {
  return static_cast<int>(std::clamp<long long>(percent, kMinPercent, kMaxPercent));
}

int CustomZoom::Percent(int choice, std::wstring_view typed) {
  if (choice >= 0 && choice < kOther) return kChoices[static_cast<std::size_t>(choice)];
  std::size_t i = 0;
  while (i < typed.size() && (typed[i] == L' ' || typed[i] == L'\t')) ++i;
  bool negative = false;
  if (i < typed.size() && (typed[i] == L'-' || typed[i] == L'+')) negative = typed[i++] == L'-';
  long long value = 0;
  // Digits beyond what any limit needs only saturate, they cannot overflow.
  for (; i < typed.size() && typed[i] >= L'0' && typed[i] <= L'9'; ++i) {
    value = std::min<long long>(value * 10 + (typed[i] - L'0'), 1'000'000'000LL);
  }
  return Clamp(negative ? -value : value);
}

}  // namespace mirn
