#pragma once
// Numbers of a sheet as the sheet shows them: whole numbers without ".0", and dates and
// times in the cell's date format.

#include <optional>
#include <string>
#include <string_view>

namespace mirn {

// "42" for 42.0, "1.5" for 1.5 (up to 15 significant digits).
std::wstring NumberText(double value);

// The date format of a number format: the code of a built-in format id (14 to 22, 45 to
// 47; 14 is written as ISO yyyy-mm-dd) or of a custom `code` that shows a date or a time.
// Nothing for a format that shows plain numbers.
std::optional<std::string> DateFormatOf(int numFmtId, std::string_view code);

// A date serial (days since 1899-12-30, the fraction the time of day) shown in `format`:
// yyyy yy mmmm mmm mm m dddd ddd dd d hh h mm ss AM/PM, quoted and backslash-escaped text,
// other characters as they stand; [..] parts are dropped.
std::wstring FormatDate(double serial, std::string_view format);

}  // namespace mirn
