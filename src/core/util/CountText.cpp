#include "util/CountText.h"

#include <atomic>

#include "util/Text.h"

namespace mirn {
namespace {

std::atomic<const DigitGrouping*> g_grouping{nullptr};

}  // namespace

void InstallDigitGrouping(const DigitGrouping* grouping) { g_grouping.store(grouping, std::memory_order_release); }

const DigitGrouping* InstalledDigitGrouping() { return g_grouping.load(std::memory_order_acquire); }

std::wstring GroupedDigits(long long value, std::wstring_view separator) {
  std::wstring digits;
  AppendDecimal(digits, value);
  if (separator.empty()) return digits;
  const std::size_t first = value < 0 ? 1 : 0;  // after the minus sign
  std::wstring grouped = digits.substr(0, first);
  for (std::size_t i = first; i < digits.size(); ++i) {
    if (i > first && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped;
}

std::wstring CountText(long long count) {
  const DigitGrouping* grouping = InstalledDigitGrouping();
  return GroupedDigits(count, grouping ? grouping->GroupSeparator() : std::wstring());
}

std::string CountTextUtf8(long long count) { return ToUtf8(CountText(count)); }

}  // namespace mirn
