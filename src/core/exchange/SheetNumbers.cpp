#include "exchange/SheetNumbers.h"

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "util/Text.h"

namespace mirn {
namespace {

constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Two(int v) {
  char b[8];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}

size_t Run(std::string_view f, size_t i) {
  size_t n = 0;
  const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(f[i])));
  while (i + n < f.size() && std::tolower(static_cast<unsigned char>(f[i + n])) == c) ++n;
  return n;
}

// Whether the "m" at `i` means minutes: after an hour or before seconds.
bool MeansMinutes(std::string_view f, size_t i, size_t n, char lastDatePart) {
  if (lastDatePart == 'h') return true;
  for (size_t k = i + n; k < f.size(); ++k) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(f[k])));
    if (c == 's') return true;
    if (std::isalpha(static_cast<unsigned char>(c))) return false;
  }
  return false;
}

}  // namespace

std::wstring NumberText(double value) {
  if (!std::isfinite(value)) return L"";
  if (std::fabs(value) < 1e15 && value == std::floor(value)) {
    return std::to_wstring(static_cast<long long>(value));
  }
  char b[40];
  std::snprintf(b, sizeof b, "%.15g", value);
  return FromUtf8(b);
}

std::optional<std::string> DateFormatOf(int numFmtId, std::string_view code) {
  switch (numFmtId) {
    case 14: return "yyyy-mm-dd";
    case 15: return "d-mmm-yy";
    case 16: return "d-mmm";
    case 17: return "mmm-yy";
    case 18: return "h:mm AM/PM";
    case 19: return "h:mm:ss AM/PM";
    case 20: return "h:mm";
    case 21: return "h:mm:ss";
    case 22: return "yyyy-mm-dd h:mm";
    case 45: return "mm:ss";
    case 46: return "h:mm:ss";
    case 47: return "mm:ss";
    default: break;
  }
  if (code.empty()) return std::nullopt;
  // A custom format shows a date when, outside quotes, brackets and escapes, it has a
  // day, month-or-minute, year, hour or second part. Only the first section counts.
  bool quoted = false;
  bool bracket = false;
  for (size_t i = 0; i < code.size(); ++i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(code[i])));
    if (quoted) {
      quoted = c != '"';
    } else if (bracket) {
      bracket = c != ']';
    } else if (c == '"') {
      quoted = true;
    } else if (c == '[') {
      bracket = true;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;
    } else if (c == ';') {
      break;
    } else if (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 's') {
      return std::string(code.substr(0, code.find(';')));
    } else if (c == '0' || c == '#' || c == '?') {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::wstring FormatDate(double serial, std::string_view f) {
  if (!std::isfinite(serial) || serial < 0 || serial > 2958466) return NumberText(serial);
  double whole = std::floor(serial);
  long long seconds = std::llround((serial - whole) * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    whole += 1;
  }
  using namespace std::chrono;
  const sys_days day = sys_days(year{1899} / December / 30) + days(static_cast<long long>(whole));
  const year_month_day ymd(day);
  const int y = static_cast<int>(ymd.year());
  const int mo = static_cast<int>(static_cast<unsigned>(ymd.month()));
  const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
  const int wd = static_cast<int>(std::chrono::weekday(day).c_encoding());
  const int h = static_cast<int>(seconds / 3600);
  const int mi = static_cast<int>(seconds / 60 % 60);
  const int s = static_cast<int>(seconds % 60);
  bool twelveHour = false;
  for (size_t i = 0; i + 1 < f.size(); ++i)
    if ((f[i] == 'A' || f[i] == 'a') && (f[i + 1] == 'M' || f[i + 1] == 'm' || f[i + 1] == '/')) twelveHour = true;

  std::string out;
  char last = 0;
  for (size_t i = 0; i < f.size();) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(f[i])));
    if (f[i] == '"') {
      const size_t end = f.find('"', i + 1);
      out += f.substr(i + 1, (end == std::string_view::npos ? f.size() : end) - i - 1);
      i = end == std::string_view::npos ? f.size() : end + 1;
    } else if (f[i] == '\\' && i + 1 < f.size()) {
      out += f[i + 1];
      i += 2;
    } else if (f[i] == '[') {
      const size_t end = f.find(']', i);
      i = end == std::string_view::npos ? f.size() : end + 1;
    } else if (c == 'a' && (f.substr(i, 5) == "AM/PM" || f.substr(i, 5) == "am/pm")) {
      out += h < 12 ? "AM" : "PM";
      i += 5;
    } else if (c == 'y') {
      const size_t n = Run(f, i);
      out += n <= 2 ? Two(y % 100) : std::to_string(y);
      i += n;
      last = 'y';
    } else if (c == 'd') {
      const size_t n = Run(f, i);
      if (n == 1) out += std::to_string(d);
      else if (n == 2) out += Two(d);
      else if (n == 3) out += std::string(kDays[wd]).substr(0, 3);
      else out += kDays[wd];
      i += n;
      last = 'd';
    } else if (c == 'm') {
      const size_t n = Run(f, i);
      if (n <= 2 && MeansMinutes(f, i, n, last)) {
        out += n == 1 ? std::to_string(mi) : Two(mi);
      } else if (n == 1) {
        out += std::to_string(mo);
      } else if (n == 2) {
        out += Two(mo);
      } else if (n == 3) {
        out += std::string(kMonths[mo - 1]).substr(0, 3);
      } else {
        out += kMonths[mo - 1];
      }
      i += n;
      last = 'm';
    } else if (c == 'h') {
      const size_t n = Run(f, i);
      const int shown = twelveHour ? (h % 12 == 0 ? 12 : h % 12) : h;
      out += n == 1 ? std::to_string(shown) : Two(shown);
      i += n;
      last = 'h';
    } else if (c == 's') {
      const size_t n = Run(f, i);
      out += n == 1 ? std::to_string(s) : Two(s);
      i += n;
      last = 's';
    } else if (c == ';') {
      break;
    } else if (c == '_' || c == '*') {
      i += 2;
    } else {
      out += f[i];
      ++i;
    }
  }
  return FromUtf8(out);
}

}  // namespace mirn
