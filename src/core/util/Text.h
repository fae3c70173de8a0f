#pragma once
// Text conversions and comparisons. Text in memory is std::wstring (one wchar_t is one
// Unicode character here); bytes on disk are UTF-8 or Windows-1252. Every conversion
// between the two lives in this module.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mirn {

// UTF-8 ⇄ wide. Malformed UTF-8 sequences decode to U+FFFD; wide characters that are not
// Unicode scalar values (surrogates, > U+10FFFF) encode as U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);
// True when `bytes` is well-formed UTF-8 (FromUtf8 would replace nothing).
bool IsValidUtf8(std::string_view bytes);

// UTF-16 (native byte order, as SQLite's UTF-16 interfaces take it) ⇄ wide. Characters above
// U+FFFF become surrogate pairs; unpaired surrogates decode to U+FFFD, and wide characters
// that are not Unicode scalar values encode as U+FFFD.
std::u16string ToUtf16(std::wstring_view text);
// The same into `out`, replacing its content and reusing its storage.
void AssignUtf16(std::wstring_view text, std::u16string& out);

// Appends the decimal digits of `value` (with "-" when negative): std::to_wstring without
// the locale-aware formatted output behind it, for texts built per stored record.
void AppendDecimal(std::wstring& out, long long value);
std::wstring FromUtf16(std::u16string_view text);

// Windows code page 1252 ⇄ wide, with the exact Windows table: 0x80–0x9F hold the
// typographic characters, and the five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the control characters of the same value, as Windows maps them.
// Characters without a byte become "?".
std::string ToCp1252(std::wstring_view text);
std::wstring FromCp1252(std::string_view bytes);
wchar_t Cp1252ToWide(unsigned char byte);
// The byte of one character, or -1 when the code page has none.
int WideToCp1252(wchar_t ch);

// The bytes of a plain text file as text, as the CSV reader takes them: UTF-8 after a
// byte-order mark (which is dropped) or when the bytes are well-formed UTF-8, else
// Windows-1252. Nothing when they are neither: a byte the code page leaves undefined, or a
// control character other than tab, line feed, form feed and carriage return.
std::optional<std::wstring> DecodeTextFile(std::string_view bytes);

// Paths from and to wide text, through UTF-8 (the file-name encoding here).
std::filesystem::path ToPath(std::wstring_view text);
std::wstring FromPath(const std::filesystem::path& path);

// White space: blank, tab, line feed, vertical tab, form feed, carriage return.
bool IsBlank(wchar_t ch);
std::wstring Trim(std::wstring_view text);
std::wstring TrimLeft(std::wstring_view text);
std::wstring TrimRight(std::wstring_view text);

// Each line feed written as carriage return plus line feed (what edit controls and the
// search of field texts use).
std::wstring LineFeedsToCrLf(std::wstring_view text);

// Case mapping by the Unicode tables (é ⇄ É), independent of the process locale.
wchar_t ToUpperChar(wchar_t ch);
wchar_t ToLowerChar(wchar_t ch);
std::wstring ToUpper(std::wstring_view text);
std::wstring ToLower(std::wstring_view text);

// Comparisons answer < 0, 0 or > 0.
// Case-insensitive: characters compare by their upper-case forms.
int CompareNoCase(std::wstring_view a, std::wstring_view b);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);
// Natural order as a file manager sorts names: runs of decimal digits compare as numbers
// ("2" < "10"), other characters without regard to case ("Ext 9" < "ext 10"). Numbers equal
// in value but written with more leading zeros sort after, so the order stays total.
int CompareLogical(std::wstring_view a, std::wstring_view b);

// Case-insensitive ordering for associative containers.
struct LessNoCase {
  using is_transparent = void;
  bool operator()(std::wstring_view a, std::wstring_view b) const { return CompareNoCase(a, b) < 0; }
};

// Decimal integer text (optional sign, digits, nothing else after trimming); false when the
// text is not one or is out of range.
bool ParseInt(std::wstring_view text, long long& value);

}  // namespace mirn
