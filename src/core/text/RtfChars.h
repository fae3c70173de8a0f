#pragma once
// The character classes of stored RTF texts, shared by the parser and the quick search test
// so that both read control words and escapes alike.

namespace mirn::rtf {

inline bool IsAsciiLetter(wchar_t ch) { return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z'); }
inline bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }
// The value of a hexadecimal digit, -1 for any other character.
inline int HexValue(wchar_t ch) {
  if (ch >= L'0' && ch <= L'9') return ch - L'0';
  if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
  if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
  return -1;
}

}  // namespace mirn::rtf
