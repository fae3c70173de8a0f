#pragma once
// The Custom Zoom dialog's choices: 50, 75, 100, 150, 200 % and Other with a number typed
// by the user, limited to 15..1000 %.

#include <array>
#include <string_view>

#include "app/ZoomState.h"

namespace mirn {

struct CustomZoom {
  static constexpr std::array<int, 5> kChoices = {50, 75, 100, 150, 200};
  static constexpr int kOther = static_cast<int>(kChoices.size());  // index of "Other"
  static constexpr int kMinPercent = zoom::kMinPercent;
  static constexpr int kMaxPercent = zoom::kMaxPercent;

  // The choice that shows `percent` when the dialog opens: its index, else kOther.
  static int ChoiceFor(int percent);
  // The percentage of a choice; for Other the typed text read as an integer (leading
  // blanks, an optional sign, digits; anything else reads as 0). Always within the limits.
  static int Percent(int choice, std::wstring_view typed);
  static int Clamp(long long percent);
};

}  // namespace mirn
