#include "util/Text.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cwctype>
#include <locale.h>

namespace mirn {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// Bytes 0x80–0x9F of code page 1252; every other byte maps to the code point of its value.
constexpr std::array<wchar_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The character itself when it is a Unicode scalar value (no surrogate, at most U+10FFFF),
// else the replacement character: what every encoder writes for a character it cannot encode.
char32_t ScalarOrReplacement(wchar_t wc) {
  const auto cp = static_cast<char32_t>(wc);
  return (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) ? kReplacement : cp;
}

// The C.UTF-8 locale carries the full Unicode case tables; using it explicitly keeps case
// mapping independent of whatever locale the process runs in.
locale_t Utf8Locale() {
  static const locale_t locale = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (l == static_cast<locale_t>(nullptr)) {
      l = newlocale(LC_CTYPE_MASK, "C.utf8", static_cast<locale_t>(nullptr));
    }
    return l;
  }();
  return locale;
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t wc : text) AppendUtf8(out, ScalarOrReplacement(wc));
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  // Well-formed text comes back byte for byte; anything replaced does not.
  return ToUtf8(FromUtf8(bytes)) == bytes;
}

std::optional<std::wstring> DecodeTextFile(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const bool marked = bytes.starts_with(kByteOrderMark);
  if (marked) bytes.remove_prefix(kByteOrderMark.size());
  std::wstring text;
  if (marked || IsValidUtf8(bytes)) {
    if (!IsValidUtf8(bytes)) return std::nullopt;
    text = FromUtf8(bytes);
  } else {
    text = FromCp1252(bytes);
  }
  for (const wchar_t ch : text) {
    const bool control = ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
    if (control && ch != L'\t' && ch != L'\n' && ch != L'\f' && ch != L'\r') return std::nullopt;
  }
  return text;
}

std::wstring FromUtf8(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
      out += static_cast<wchar_t>(b0);
      ++i;
      continue;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
      extra = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
      extra = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
      extra = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
      out += kReplacement;
      ++i;
      continue;
    }
    size_t j = i + 1;
    int got = 0;
    while (got < extra && j < n && (static_cast<unsigned char>(bytes[j]) & 0xC0) == 0x80) {
      cp = (cp << 6) | (static_cast<unsigned char>(bytes[j]) & 0x3F);
      ++j, ++got;
    }
    if (got < extra || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += kReplacement;
      i = (got < extra) ? j : i + 1 + extra;
      continue;
    }
    out += static_cast<wchar_t>(cp);
    i = j;
  }
  return out;
}

wchar_t Cp1252ToWide(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
  return static_cast<wchar_t>(byte);
}

int WideToCp1252(wchar_t ch) {
  if ((ch >= 0 && ch < 0x80) || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<int>(ch);
  for (size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] == ch) return static_cast<int>(0x80 + i);
  }
  return -1;
}

std::string ToCp1252(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t wc : text) {
    const int b = WideToCp1252(wc);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

std::wstring FromCp1252(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (char c : bytes) out += Cp1252ToWide(static_cast<unsigned char>(c));
  return out;
}

void AssignUtf16(std::wstring_view text, std::u16string& out) {
  // Text without characters above U+FFFF maps one to one; only then is each unit checked.
  out.resize(text.size());
  size_t i = 0;
  for (; i < text.size(); ++i) {
    const auto cp = static_cast<char32_t>(text[i]);
    if (cp >= 0xD800) break;
    out[i] = static_cast<char16_t>(cp);
  }
  if (i == text.size()) return;
  out.resize(i);
  for (wchar_t wc : text.substr(i)) {
    char32_t cp = ScalarOrReplacement(wc);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
}

void AppendDecimal(std::wstring& out, long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

std::u16string ToUtf16(std::wstring_view text) {
  std::u16string out;
  AssignUtf16(text, out);
  return out;
}

std::wstring FromUtf16(std::u16string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      out += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      out += kReplacement;
    } else {
      out += static_cast<wchar_t>(unit);
    }
  }
  return out;
}

std::filesystem::path ToPath(std::wstring_view text) { return std::filesystem::path(ToUtf8(text)); }

std::wstring FromPath(const std::filesystem::path& path) { return FromUtf8(path.native()); }

bool IsBlank(wchar_t ch) {
  return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\v' || ch == L'\f' || ch == L'\r';
}

std::wstring TrimLeft(std::wstring_view text) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  return std::wstring(text.substr(b));
}

std::wstring TrimRight(std::wstring_view text) {
  size_t e = text.size();
  while (e > 0 && IsBlank(text[e - 1])) --e;
  return std::wstring(text.substr(0, e));
}

std::wstring Trim(std::wstring_view text) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return std::wstring(text.substr(b, e - b));
}

std::wstring LineFeedsToCrLf(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + 8);
  for (const wchar_t ch : text) {
    if (ch == L'\n') out += L'\r';
    out += ch;
  }
  return out;
}

wchar_t ToUpperChar(wchar_t ch) {
  if (ch < 0x80) return (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - 32) : ch;
  const locale_t l = Utf8Locale();
  return l == static_cast<locale_t>(nullptr) ? ch : static_cast<wchar_t>(towupper_l(ch, l));
}

wchar_t ToLowerChar(wchar_t ch) {
  if (ch < 0x80) return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch + 32) : ch;
  const locale_t l = Utf8Locale();
  return l == static_cast<locale_t>(nullptr) ? ch : static_cast<wchar_t>(towlower_l(ch, l));
}

std::wstring ToUpper(std::wstring_view text) {
  std::wstring out(text);
  for (auto& ch : out) ch = ToUpperChar(ch);
  return out;
}

std::wstring ToLower(std::wstring_view text) {
  std::wstring out(text);
  for (auto& ch : out) ch = ToLowerChar(ch);
  return out;
}

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const wchar_t x = ToUpperChar(a[i]);
    const wchar_t y = ToUpperChar(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

int CompareLogical(std::wstring_view a, std::wstring_view b) {
  auto isDigit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
  size_t i = 0;
  size_t j = 0;
  int zeroTieBreak = 0;  // decides between equal numbers written with different leading zeros
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      const size_t si = i;
      const size_t sj = j;
      while (i < a.size() && a[i] == L'0') ++i;
      while (j < b.size() && b[j] == L'0') ++j;
      const size_t ni = i;
      const size_t nj = j;
      while (i < a.size() && isDigit(a[i])) ++i;
      while (j < b.size() && isDigit(b[j])) ++j;
      const size_t li = i - ni;
      const size_t lj = j - nj;
      if (li != lj) return li < lj ? -1 : 1;
      const int c = a.substr(ni, li).compare(b.substr(nj, lj));
      if (c != 0) return c < 0 ? -1 : 1;
      if (zeroTieBreak == 0 && (ni - si) != (nj - sj)) zeroTieBreak = (ni - si) < (nj - sj) ? -1 : 1;
      continue;
    }
    const wchar_t x = ToUpperChar(a[i]);
    const wchar_t y = ToUpperChar(b[j]);
    if (x != y) return x < y ? -1 : 1;
    ++i, ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return zeroTieBreak;
}

bool ParseInt(std::wstring_view text, long long& value) {
  const std::string narrow = ToUtf8(Trim(text));
  if (narrow.empty()) return false;
  const char* first = narrow.data();
  const char* last = first + narrow.size();
  if (*first == '+') {
    ++first;
    if (first == last || *first < '0' || *first > '9') return false;
  }
  long long v = 0;
  auto [ptr, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || ptr != last) return false;
  value = v;
  return true;
}

}  // namespace mirn
