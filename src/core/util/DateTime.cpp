#include "util/DateTime.h"

#include <cstdio>

namespace mirn {
namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return (m == 2 && IsLeap(y)) ? 29 : kDays[m - 1];
}

// Reads `count` decimal digits at `pos`; false on anything else.
bool Digits(std::wstring_view text, size_t pos, size_t count, int& out) {
  if (pos + count > text.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (text[i] < L'0' || text[i] > L'9') return false;
    v = v * 10 + (text[i] - L'0');
  }
  out = v;
  return true;
}

// Appends `value` as exactly `width` decimal digits; the caller has checked the range.
void AppendDigits(std::wstring& out, int value, int width) {
  wchar_t digits[4];
  for (int i = width - 1; i >= 0; --i, value /= 10) digits[i] = static_cast<wchar_t>(L'0' + value % 10);
  out.append(digits, static_cast<size_t>(width));
}

std::optional<LocalDateTime> Checked(const LocalDateTime& t) {
  if (!t.IsValid()) return std::nullopt;
  return t;
}

}  // namespace

bool LocalDateTime::IsValid() const {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 &&
         minute <= 59 && second >= 0 && second <= 60;
}

std::wstring FormatIsoBasic(const LocalDateTime& t) {
  // Every stored record gets a stamp, so the common case skips the formatted-output
  // machinery; values out of the fields' ranges keep printf's rendering.
  if (t.year >= 0 && t.year <= 9999 && t.month >= 0 && t.month <= 99 && t.day >= 0 &&
      t.day <= 99 && t.hour >= 0 && t.hour <= 99 && t.minute >= 0 && t.minute <= 99 &&
      t.second >= 0 && t.second <= 99) {
    std::wstring out;
    out.reserve(15);
    AppendDigits(out, t.year, 4);
    AppendDigits(out, t.month, 2);
    AppendDigits(out, t.day, 2);
    out += L'T';
    AppendDigits(out, t.hour, 2);
    AppendDigits(out, t.minute, 2);
    AppendDigits(out, t.second, 2);
    return out;
  }
  wchar_t buf[32];
  std::swprintf(buf, 32, L"%04d%02d%02dT%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return buf;
}

std::wstring FormatIsoExtended(const LocalDateTime& t) {
  wchar_t buf[32];
  std::swprintf(buf, 32, L"%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return buf;
}

std::optional<LocalDateTime> ParseIsoBasic(std::wstring_view text) {
  LocalDateTime t;
  if (text.size() != 15 || text[8] != L'T') return std::nullopt;
  if (!Digits(text, 0, 4, t.year) || !Digits(text, 4, 2, t.month) || !Digits(text, 6, 2, t.day) ||
      !Digits(text, 9, 2, t.hour) || !Digits(text, 11, 2, t.minute) ||
      !Digits(text, 13, 2, t.second)) {
    return std::nullopt;
  }
  return Checked(t);
}

std::optional<LocalDateTime> ParseIsoExtended(std::wstring_view text) {
  LocalDateTime t;
  if (text.size() != 19 || text[4] != L'-' || text[7] != L'-' || text[10] != L'T' ||
      text[13] != L':' || text[16] != L':') {
    return std::nullopt;
  }
  if (!Digits(text, 0, 4, t.year) || !Digits(text, 5, 2, t.month) || !Digits(text, 8, 2, t.day) ||
      !Digits(text, 11, 2, t.hour) || !Digits(text, 14, 2, t.minute) ||
      !Digits(text, 17, 2, t.second)) {
    return std::nullopt;
  }
  return Checked(t);
}

std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

LocalDateTime FromEpochSeconds(std::int64_t seconds) {
  std::int64_t days = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
  LocalDateTime time;
  time.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  time.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  time.year = static_cast<int>(yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0));
  time.hour = static_cast<int>(rest / 3600);
  time.minute = static_cast<int>(rest / 60 % 60);
  time.second = static_cast<int>(rest % 60);
  return time;
}

std::int64_t ToEpochSeconds(const LocalDateTime& t) {
  return DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) * 86400 +
         t.hour * 3600LL + t.minute * 60LL + t.second;
}

}  // namespace mirn
