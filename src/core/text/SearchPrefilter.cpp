#include "text/SearchPrefilter.h"

#include "text/RtfChars.h"
#include "util/Text.h"

namespace mirn {
namespace {

using rtf::HexValue;
using rtf::IsAsciiLetter;
using rtf::IsDigit;

// Follows the search text through the characters offered: true once all of it was seen in
// order. Anything the parser shows is offered, so a text it holds is always seen.
class InOrderMatch {
 public:
  InOrderMatch(std::wstring_view find, bool matchCase) : find_(find), matchCase_(matchCase) {}
  bool Offer(wchar_t ch) {
    if (!matchCase_) ch = ToUpperChar(ch);
    if (ch == find_[next_]) ++next_;
    return next_ == find_.size();
  }
  // A line break of the plain text is CR LF in the searchable text.
  bool OfferLineBreak() { return Offer(L'\r') || Offer(L'\n'); }

 private:
  std::wstring_view find_;
  bool matchCase_ = false;
  std::size_t next_ = 0;
};

}  // namespace

bool CouldContain(std::wstring_view text, std::wstring_view find, bool matchCase) {
  if (find.empty()) return true;
  // The parser reads a text that is no RTF group inside braces, so a trailing backslash
  // there escapes the closing one.
  std::wstring wrapped;
  if (!text.empty() && text.front() != L'{') {
    wrapped.reserve(text.size() + 2);
    wrapped.append(1, L'{').append(text).append(1, L'}');
    text = wrapped;
  }
  InOrderMatch match(find, matchCase);
  std::size_t pos = 0;
  const auto atEnd = [&] { return pos >= text.size(); };
  while (!atEnd()) {
    const wchar_t ch = text[pos++];
    if (ch == L'\r') continue;  // dropped: line breaks are line feeds
    if (ch == L'\n') {
      if (match.OfferLineBreak()) return true;
      continue;
    }
    if (ch != L'\\') {
      // Braces only group; every other character may show. Text inside tables and skipped
      // groups is offered too, which can only let more through.
      if (ch != L'{' && ch != L'}' && match.Offer(ch)) return true;
      continue;
    }
    if (atEnd()) break;
    const wchar_t first = text[pos];
    if (!IsAsciiLetter(first)) {
      ++pos;
      if (first == L'\\' || first == L'{' || first == L'}') {
        if (match.Offer(first)) return true;
      } else if (first == L'\'') {
        int code = 0;
        for (int n = 0; n < 2 && !atEnd(); ++n) {
          const int v = HexValue(text[pos]);
          if (v < 0) break;
          code = code * 16 + v;
          ++pos;
        }
        if (code == L'\n') {
          if (match.OfferLineBreak()) return true;
        } else if (code != 0 && code != 0x0D && match.Offer(Cp1252ToWide(static_cast<unsigned char>(code)))) {
          return true;
        }
      }
      // Any other symbol shows nothing; \* only starts a group the parser skips.
      continue;
    }
    // A control word: its letters, an optional minus before a digit, its digits and one
    // space are the word, exactly as the parser reads them.
    const std::size_t nameStart = pos;
    while (!atEnd() && IsAsciiLetter(text[pos])) ++pos;
    const std::wstring_view name = text.substr(nameStart, pos - nameStart);
    if (!atEnd() && text[pos] == L'-' && pos + 1 < text.size() && IsDigit(text[pos + 1])) ++pos;
    while (!atEnd() && IsDigit(text[pos])) ++pos;
    if (!atEnd() && text[pos] == L' ') ++pos;
    if (name == L"tab") {
      if (match.Offer(L'\t')) return true;
    } else if (name == L"par" || name == L"line") {
      if (match.OfferLineBreak()) return true;
    }
  }
  return false;
}

}  // namespace mirn
