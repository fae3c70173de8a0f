// What printing remembers and chooses on its own: where half-used sheets continue, and the
// paper a PDF is written on.
#include <gtest/gtest.h>

#include "platform/PrinterSystem.h"
#include "print/PaperChoice.h"
#include "print/PartialSheets.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

TEST(PartialSheets, SlotAfterARunWrapsOnTheSheet) {
  EXPECT_EQ(SlotAfterRun(4, 30, 0), 4);
  EXPECT_EQ(SlotAfterRun(3, 30, 27), 0);   // filled to its end: a fresh sheet next
  EXPECT_EQ(SlotAfterRun(35, 30, 0), 5);   // onto a second sheet
  EXPECT_EQ(SlotAfterRun(2, 4, 9), 2);     // a start off the sheet printed from 0
  EXPECT_EQ(SlotAfterRun(7, 1, 0), 0);
}

TEST(PartialSheets, RememberedPerLayoutAndPrinterAndForgottenWhenUsedUp) {
  test::TempDir dir;
  const auto file = dir / "Mirn" / "Partial Sheets.xml";
  PartialSheetStore store(file);
  EXPECT_EQ(store.NextSlot(L"HD40", L"Office", 30), 0);  // no file yet
  ASSERT_TRUE(store.Record(L"HD40", L"Office", 7));
  ASSERT_TRUE(store.Record(L"HD40", L"Büro \"2\"", 12));
  ASSERT_TRUE(store.Record(L"KX", L"Office", 2));
  PartialSheetStore again(file);
  EXPECT_EQ(again.NextSlot(L"HD40", L"Office", 30), 7);
  EXPECT_EQ(again.NextSlot(L"HD40", L"Büro \"2\"", 30), 12);
  EXPECT_EQ(again.NextSlot(L"KX", L"Office", 4), 2);
  EXPECT_EQ(again.NextSlot(L"KX", L"Other", 4), 0);
  // The layout now has fewer slots than remembered: start at the first.
  EXPECT_EQ(again.NextSlot(L"HD40", L"Office", 6), 0);

  ASSERT_TRUE(again.Record(L"HD40", L"Office", 0));
  EXPECT_EQ(again.NextSlot(L"HD40", L"Office", 30), 0);
  EXPECT_EQ(again.NextSlot(L"KX", L"Office", 4), 2);
  EXPECT_EQ(test::ReadFile(file).find("layout=\"HD40\" printer=\"Office\""), std::string::npos);
}

TEST(PartialSheets, ForeignOrBrokenFilesAreNotLostOrTrusted) {
  test::TempDir dir;
  const auto file = dir / "sheets.xml";
  test::WriteFile(file, "<settings><keep/></settings>");
  PartialSheetStore store(file);
  EXPECT_FALSE(store.Record(L"A", L"P", 3));  // not ours: left as it was
  EXPECT_EQ(test::ReadFile(file), "<settings><keep/></settings>");

  test::WriteFile(file, "<sheets><!-- kept --><sheet layout=\"A\" printer=\"P\" next=\"x\"/>"
                        "<sheet layout=\"B\" printer=\"P\" next=\"-3\"/></sheets>");
  EXPECT_EQ(store.NextSlot(L"A", L"P", 10), 0);
  EXPECT_EQ(store.NextSlot(L"B", L"P", 10), 0);
  ASSERT_TRUE(store.Record(L"A", L"P", 4));
  EXPECT_EQ(store.NextSlot(L"A", L"P", 10), 4);
  EXPECT_NE(test::ReadFile(file).find("<!-- kept -->"), std::string::npos);

  test::WriteFile(file, "<sheets><sheet");
  EXPECT_EQ(store.NextSlot(L"A", L"P", 10), 0);
  EXPECT_TRUE(store.Record(L"A", L"P", 1));  // unreadable: written afresh
  EXPECT_EQ(store.NextSlot(L"A", L"P", 10), 1);
}

TEST(PaperChoice, NamesFilesAndLocales) {
  EXPECT_EQ(PaperFromName(" A4\n"), kPaperA4);
  EXPECT_EQ(PaperFromName("Letter"), kPaperLetter);
  EXPECT_FALSE(PaperFromName("legal"));
  EXPECT_EQ(PaperFromPapersizeFile("# chosen at install\n\nletter\n"), kPaperLetter);
  EXPECT_FALSE(PaperFromPapersizeFile("# only a comment\n"));
  EXPECT_EQ(PaperFromLocale("en_US.UTF-8"), kPaperLetter);
  EXPECT_EQ(PaperFromLocale("fr_CA"), kPaperLetter);
  EXPECT_EQ(PaperFromLocale("en_GB.UTF-8"), kPaperA4);
  EXPECT_EQ(PaperFromLocale("de_DE@euro"), kPaperA4);
  EXPECT_FALSE(PaperFromLocale("C.UTF-8"));
  EXPECT_FALSE(PaperFromLocale("POSIX"));
  EXPECT_FALSE(PaperFromLocale(""));
}

TEST(PaperChoice, VariableThenSystemFileThenLocaleThenLetter) {
  PaperSources s;
  EXPECT_EQ(PreferredPaper(s), kPaperLetter);
  s.lang = "de_DE.UTF-8";
  EXPECT_EQ(PreferredPaper(s), kPaperA4);
  s.localePaper = "en_US.UTF-8";  // LC_PAPER overrides LANG
  EXPECT_EQ(PreferredPaper(s), kPaperLetter);
  s.localeAll = "en_IE.UTF-8";    // LC_ALL overrides both
  EXPECT_EQ(PreferredPaper(s), kPaperA4);
  s.papersizeFile = "letter\n";
  EXPECT_EQ(PreferredPaper(s), kPaperLetter);
  s.papersizeVariable = "a4";
  EXPECT_EQ(PreferredPaper(s), kPaperA4);
  s.papersizeVariable = "b5";     // a paper we do not print on: the next source decides
  EXPECT_EQ(PreferredPaper(s), kPaperLetter);
}

}  // namespace
}  // namespace mirn
