#pragma once
// Local calendar time and its ISO 8601 text forms.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirn {

// A local date and time to the second, as the clock and the stored "modified" stamps use it.
struct LocalDateTime {
  int year = 1970;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59 (60 for a leap second)

  auto operator<=>(const LocalDateTime&) const = default;
  bool IsValid() const;
};

// 20150314T092653
std::wstring FormatIsoBasic(const LocalDateTime& t);
// 2015-03-14T09:26:53
std::wstring FormatIsoExtended(const LocalDateTime& t);
// Each parser takes exactly its own form and answers nothing for anything else,
// including dates that do not exist (20150230T000000).
std::optional<LocalDateTime> ParseIsoBasic(std::wstring_view text);
std::optional<LocalDateTime> ParseIsoExtended(std::wstring_view text);

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar (negative before it).
// A day past the month's end counts on into the next month.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day);
// Seconds after 1970-01-01 00:00 as a calendar date and time and back, with no time zone
// applied.
LocalDateTime FromEpochSeconds(std::int64_t seconds);
std::int64_t ToEpochSeconds(const LocalDateTime& t);

}  // namespace mirn
