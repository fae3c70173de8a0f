#include "extensions/ExtensionIdList.h"

#include <algorithm>
#include <climits>
#include <cwchar>

#include "util/Text.h"

namespace mirn {
namespace {

bool AllDigits(std::wstring_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// Decimal digits as a 32-bit signed value; false when the value does not fit (a range of such
// numbers is taken as one ID).
bool ReadInt32(std::wstring_view digits, long long& value) {
  value = 0;
  for (const wchar_t c : digits) {
    value = value * 10 + (c - L'0');
    if (value > INT_MAX) return false;
  }
  return true;
}

void PushId(std::vector<std::wstring>& ids, std::wstring_view id) {
  std::wstring cut = CutExtensionId(id);
  if (!Trim(cut).empty()) ids.push_back(std::move(cut));
}

}  // namespace

std::wstring CutExtensionId(std::wstring_view id) {
  return std::wstring(id.substr(0, std::min(id.size(), kMaxExtensionIdLength)));
}

std::vector<std::wstring> SplitExtensionIdText(std::wstring_view text) {
  std::vector<std::wstring> items(1);
  bool inQuotes = false;
  for (const wchar_t c : text) {
    if (c == L'"') {
      inQuotes = !inQuotes;
      items.back() += c;
    } else if ((c == L',' || c == L';') && !inQuotes) {
      items.back() = Trim(items.back());
      if (!items.back().empty()) items.emplace_back();
    } else {
      items.back() += c;
    }
  }
  if (inQuotes) items.back() += L'"';
  items.back() = Trim(items.back());
  if (items.size() == 1 && items.front().empty()) items.clear();
  return items;
}

std::optional<std::vector<std::wstring>> ExpandExtensionIds(const std::vector<std::wstring>& items,
                                                            const RangeQuestion& ask) {
  std::vector<std::wstring> ids;
  for (const std::wstring& item : items) {
    if (item.size() > 1 && item.front() == L'"' && item.back() == L'"') {
      PushId(ids, std::wstring_view(item).substr(1, item.size() - 2));
      continue;
    }
    const std::size_t dash = item.find(L'-');
    if (dash == std::wstring::npos) {
      PushId(ids, item);
      continue;
    }
    const std::wstring startText = Trim(std::wstring_view(item).substr(0, dash));
    const std::wstring endText = Trim(std::wstring_view(item).substr(dash + 1));
    long long start = 0;
    long long end = 0;
    if (!AllDigits(startText) || !AllDigits(endText) || startText.size() >= kMaxExtensionIdLength ||
        endText.size() >= kMaxExtensionIdLength || !ReadInt32(startText, start) ||
        !ReadInt32(endText, end)) {
      PushId(ids, item);
      continue;
    }
    if (start > end) std::swap(start, end);
    const long long count = end - start + 1;
    if (count > kMaxRangeCount) {
      PushId(ids, item);
      continue;
    }
    if (count > kConfirmRangeCount) {
      const RangeChoice choice = ask ? ask(item, count) : RangeChoice::kCancel;
      if (choice == RangeChoice::kCancel) return std::nullopt;
      if (choice == RangeChoice::kSkip) continue;
      if (choice == RangeChoice::kCreateOne) {
        PushId(ids, item);
        continue;
      }
    }
    // The width of the end text as typed decides the zero padding: 1-010 gives 001 … 010.
    const std::size_t width = endText.size();
    for (long long n = start; n <= end; ++n) {
      std::wstring number = std::to_wstring(n);
      if (number.size() < width) number.insert(0, width - number.size(), L'0');
      ids.push_back(CutExtensionId(number));
    }
  }
  return ids;
}

std::optional<std::vector<std::wstring>> ParseExtensionIds(std::wstring_view text,
                                                           const RangeQuestion& ask) {
  return ExpandExtensionIds(SplitExtensionIdText(text), ask);
}

}  // namespace mirn
