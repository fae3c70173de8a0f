// The quick test before a field is parsed for Find: it may let fields through that do not
// hold the text, but must never stop one that does.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/CRTFText.h"
#include "text/SearchPrefilter.h"
#include "text/TextFormat.h"
#include "util/Text.h"

namespace mirn {
namespace {

// What Find searches in: the parsed plain text, codes as typed, line breaks as CR LF.
std::wstring Searchable(const std::wstring& stored) {
  return LineFeedsToCrLf(CRTFText(stored).GetUnexpandedText());
}

// Every piece of the field's searchable text, in both case rules, must pass the test.
void ExpectNoPieceMissed(const std::wstring& stored) {
  const std::wstring text = Searchable(stored);
  const std::wstring upper = ToUpper(text);
  const std::size_t longest = std::min<std::size_t>(text.size(), 24);
  for (std::size_t start = 0; start < text.size(); ++start) {
    for (std::size_t length = 1; length <= longest && start + length <= text.size(); ++length) {
      ASSERT_TRUE(CouldContain(stored, text.substr(start, length), true))
          << "case kept, piece '" << ToUtf8(text.substr(start, length)) << "' of " << ToUtf8(stored);
      ASSERT_TRUE(CouldContain(stored, upper.substr(start, length), false))
          << "any case, piece '" << ToUtf8(upper.substr(start, length)) << "' of " << ToUtf8(stored);
    }
  }
  // The whole text, however long.
  if (!text.empty()) {
    EXPECT_TRUE(CouldContain(stored, text, true)) << ToUtf8(stored);
    EXPECT_TRUE(CouldContain(stored, upper, false)) << ToUtf8(stored);
  }
}

TEST(SearchPrefilter, NoPieceOfEscapedOrUnicodeTextsIsMissed) {
  TextFormat format;
  format.face = L"Arial";
  const std::vector<std::wstring> stored = {
      // As the program writes them, with codes, line breaks, tabs and escapes.
      WriteRtf(format, L"Extension {EXT} line 1\nDesk 1000"),
      WriteRtf(format, L"back\\slash {braces} and\ttab"),
      WriteRtf(format, L"Gr\u00FC\u00DFe \u20AC 5 \u2013 caf\u00E9"),
      WriteRtf(format, L"\u0131stanbul \u017Fs \u212A \u03C3\u03C2\u03A3 \u0436\u0416"),
      WriteRtf(format, L"\u4E2D\u6587 \U0001F600 emoji"),
      WriteRtf(format, L"\n\nblank lines\n"),
      WriteRtf(format, L"{INP:1101} and {NAME}"),
      // Escapes written by hand or pasted from other programs.
      L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 \\'80\\'e9\\'fc\\'0a\\'41\\'4 B\\'zz}",
      L"{\\rtf1 a\\par b\\line c\\tab d\\~e\\-f\\_g}",
      L"{\\rtf1 {\\b bo}{\\i ld}\\b0 x\\ul1 y\\ulnone z\\fs-20 w}",
      L"{\\rtf1 a{\\*\\unknown skipped}b}",
      L"{\\rtf1 a{\\*\\unknown skip\\}ped}b\\}c}",
      L"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 red\\cf0  black}",
      L"{\\rtf1{\\fonttbl{\\f0 A\\}B;}}x y}",
      L"{\\rtf1 trailing backslash\\",
      L"{\\rtf1 \\'",
      L"{\\rtf1 \\'0d\\'00gone\r\nCR LF kept\rlone CR}",
      L"plain text without RTF\r\nsecond line",
      L"plain \\par with a word",
      L"plain text ending in a backslash\\",
      L"}}unbalanced{{ braces}",
      L"\u00C4\u00D6\u00DC straight Unicode in the stored text \u00DF",
      L"{\\rtf1 \\tab\\tab\\par\\par}",
      L"{\\rtf1 \\uc1\\u8364?  \\u-3?}",
  };
  for (const auto& s : stored) ExpectNoPieceMissed(s);
}

// Texts made of the pieces that trip parsers, at random: every piece of what the parser
// reads from them passes.
TEST(SearchPrefilter, NoPieceOfRandomRtfIsMissed) {
  const std::vector<std::wstring> tokens = {
      L"\\", L"{", L"}", L"\\\\", L"\\{", L"\\}", L"\\'", L"\\'4", L"\\'41", L"\\'e9", L"\\'0a",
      L"\\'0d", L"\\par", L"\\par ", L"\\line", L"\\tab", L"\\b", L"\\b0", L"\\fs-2", L"\\f1 ",
      L"\\*", L"{\\fonttbl{\\f0 Face;}}", L"{\\colortbl;\\red1;}", L"\\~", L"\\-", L"a", L"B",
      L"z", L" ", L"0", L"9", L"-", L";", L"\r", L"\n", L"\r\n", L"\u00E9", L"\u0131",
      L"\u017F", L"\u03C3", L"\u20AC", L"\t"};
  std::mt19937 random(26);
  for (int round = 0; round < 1500; ++round) {
    std::wstring stored;
    const int count = 1 + static_cast<int>(random() % 14);
    for (int i = 0; i < count; ++i) stored += tokens[random() % tokens.size()];
    ExpectNoPieceMissed(stored);
    if (HasFailure()) return;
  }
}

TEST(SearchPrefilter, PassesOverFieldsThatCannotHoldTheText) {
  TextFormat format;
  format.face = L"Arial";
  const std::wstring field = WriteRtf(format, L"Extension {EXT} line 0\nDesk 1000000");
  EXPECT_FALSE(CouldContain(field, L"NO SUCH TEXT", false));
  EXPECT_FALSE(CouldContain(field, L"desk", true));  // the case differs
  EXPECT_TRUE(CouldContain(field, L"DESK", false));
  // Control words are not text: "fs" of \fs20 and "par" of \par do not count.
  EXPECT_FALSE(CouldContain(L"{\\rtf1\\fs20 x\\par}", L"fs", true));
  EXPECT_FALSE(CouldContain(L"{\\rtf1 x\\par}", L"par", true));
  // An empty search text is everywhere; an empty field holds nothing else.
  EXPECT_TRUE(CouldContain(L"", L"", true));
  EXPECT_FALSE(CouldContain(L"", L"A", false));
}

}  // namespace
}  // namespace mirn
