#pragma once
// Counts a person reads ("12,345 extensions", "Reading extensions: 1,200 of 12,345") with
// their digits grouped as the program's locale groups them: 12,345 in English, 12.345 in
// German, 12 345 in French. The programs install the locale's separator at start-up beside
// the catalog (qt/Translations.h); TrN() writes its "%n" with it. Without one the digits stay
// plain, and numbers that are data (IDs, file names, CSV cells, JSON, listings that scripts
// read) are never written with CountText().

#include <string>
#include <string_view>

namespace mirn {

class DigitGrouping {
 public:
  virtual ~DigitGrouping() = default;
  // The text between groups of three digits ("," "." U+202F), or empty for none.
  virtual std::wstring GroupSeparator() const = 0;
};

// Makes `grouping` answer every later CountText() of the process (not owned; it must outlive
// its installation). Null goes back to plain digits.
void InstallDigitGrouping(const DigitGrouping* grouping);
const DigitGrouping* InstalledDigitGrouping();

// `count` as the person reads it, grouped by the installed locale.
std::wstring CountText(long long count);
std::string CountTextUtf8(long long count);

// `value`'s digits in groups of three from the right with `separator` between them:
// "-1,234,567". An empty separator, or a number below 1,000, gives the plain digits.
std::wstring GroupedDigits(long long value, std::wstring_view separator);

}  // namespace mirn
