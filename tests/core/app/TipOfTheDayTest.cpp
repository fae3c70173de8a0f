#include "app/TipOfTheDay.h"

#include <fstream>

#include <gtest/gtest.h>

#include "platform/MemoryProfile.h"
#include "support/PseudoCatalog.h"
#include "support/TestSupport.h"
#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::string TenTips() {
  std::string text;
  for (int i = 0; i < 10; ++i) text += "Tip " + std::to_string(i) + "\r\n";
  return text;
}

TEST(TipsFile, LinesBreaksAndLengths) {
  const auto tips = TipsFile::FromBytes("one<BR>two<br>three\nsecond<Br />\n" + std::string(600, 'x') + "\nlast");
  ASSERT_EQ(tips.Count(), 4u);
  EXPECT_EQ(tips.Tip(0), L"one\ntwo\nthree");
  EXPECT_EQ(tips.Tip(1), L"second<Br />");  // only the exact marker is a break
  EXPECT_EQ(tips.Tip(2), std::wstring(kMaxTipLength, L'x'));
  EXPECT_EQ(tips.Tip(3), L"last");
  EXPECT_EQ(tips.Tip(4), L"");
  // UTF-8 with a byte-order mark, and Windows-1252 from an older tips file.
  EXPECT_EQ(TipsFile::FromBytes("\xEF\xBB\xBF" "Caf\xC3\xA9\n").Tip(0), L"Caf\u00E9");
  EXPECT_EQ(TipsFile::FromBytes("Caf\xE9 \x80\n").Tip(0), L"Caf\u00E9 \u20AC");
}

TEST(TipsFile, MissingEmptyOrFolderGivesNoTips) {
  test::TempDir dir;
  EXPECT_FALSE(TipsFile::Load(dir / "tips.tip"));
  EXPECT_FALSE(TipsFile::Load(dir.Path()));
  EXPECT_FALSE(TipsFile::Load({}));
  { std::ofstream(dir / "empty.tip"); }
  EXPECT_FALSE(TipsFile::Load(dir / "empty.tip"));
  { std::ofstream(dir / "tips.tip") << TenTips(); }
  ASSERT_TRUE(TipsFile::Load(dir / "tips.tip"));
  EXPECT_EQ(TipsFile::Load(dir / "tips.tip")->Count(), 10u);
}

// A hostile tips file costs no more than a large real one: only its start is read and only
// so many tips are kept.
TEST(TipsFile, HugeFilesAreReadOnlyInPart) {
  test::TempDir dir;
  { std::ofstream(dir / "feeds.tip") << std::string(6u << 20, '\n'); }
  const auto feeds = TipsFile::Load(dir / "feeds.tip");
  ASSERT_TRUE(feeds);
  EXPECT_EQ(feeds->Count(), kMaxTips);
  std::string line;
  for (int i = 0; i < 3 << 20; ++i) line += "\xC3\xA9";  // one line of 6 MB, cut in a character
  { std::ofstream(dir / "line.tip") << "x" << line; }
  const auto one = TipsFile::Load(dir / "line.tip");
  ASSERT_TRUE(one);
  ASSERT_EQ(one->Count(), 1u);
  EXPECT_EQ(one->Tip(0), L"x" + std::wstring(kMaxTipLength - 1, L'\u00E9')) << "read as UTF-8 all the same";
}

TEST(TipOfTheDay, TipsPathMustNameAFile) {
  test::TempDir dir;
  MemoryProfile profile;
  EXPECT_EQ(TipsPath(profile, dir.Path()), std::filesystem::path());
  { std::ofstream(dir / "tips.tip") << "A tip\n"; }
  EXPECT_EQ(TipsPath(profile, dir.Path()), dir / "tips.tip");
  profile.WriteString(L"File Locations", L"Tips", dir.Path().wstring());
  EXPECT_EQ(TipsPath(profile, dir.Path()), std::filesystem::path());  // a folder
  profile.WriteString(L"File Locations", L"Tips", (dir / "other.tip").wstring());
  EXPECT_EQ(TipsPath(profile, dir.Path()), std::filesystem::path());
}

// The tips in the user's language are the file the translation of "tips.tip" names, where
// the program folder has it; a language without its own tips shows the English ones.
TEST(TipOfTheDay, TipsPathTakesTheLanguagesOwnTipsWhereThereAreSome) {
  test::TempDir dir;
  MemoryProfile profile;
  { std::ofstream(dir / "tips.tip") << "A tip\n"; }
  test::PseudoLanguage pseudo;  // "tips.tip" becomes a name no file has
  EXPECT_EQ(TipsPath(profile, dir.Path()), dir / "tips.tip");
  const std::wstring translated = Tr("TipOfTheDay", "tips.tip");
  { std::ofstream(dir / ToPath(translated)) << "Ein Tipp\n"; }
  EXPECT_EQ(TipsPath(profile, dir.Path()), dir / ToPath(translated));
}

TEST(TipOfTheDay, StartsAfterTheLastTipAndWraps) {
  MemoryProfile profile;
  EXPECT_EQ(TipOfTheDay(TipsFile::FromBytes(TenTips()), profile).Current(), 0u);  // no "Last Tip"
  profile.WriteInt(L"Preferences", L"Last Tip", 9);
  EXPECT_EQ(TipOfTheDay(TipsFile::FromBytes(TenTips()), profile).Current(), 0u);
  profile.WriteInt(L"Preferences", L"Last Tip", 4);
  EXPECT_EQ(TipOfTheDay(TipsFile::FromBytes(TenTips()), profile).Text(), L"Tip 5");
  profile.WriteInt(L"Preferences", L"Last Tip", -7);  // a value from outside the program
  EXPECT_EQ(TipOfTheDay(TipsFile::FromBytes(TenTips()), profile).Current(), 4u);

  profile.WriteInt(L"Preferences", L"Last Tip", -1);
  TipOfTheDay tip(TipsFile::FromBytes(TenTips()), profile);
  tip.Previous();
  EXPECT_EQ(tip.Current(), 9u);
  tip.Next();
  tip.Next();
  EXPECT_EQ(tip.Text(), L"Tip 1");
}

TEST(TipOfTheDay, CloseRemembersTheTipAndOkTheCheckBox) {
  MemoryProfile profile;
  profile.WriteInt(L"Preferences", L"Last Tip", 2);
  TipOfTheDay tip(TipsFile::FromBytes(TenTips()), profile);
  tip.Close(profile, std::nullopt);  // closed without OK
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Last Tip", -1), 3);
  EXPECT_FALSE(profile.Has(L"Preferences", L"Show Tip of the Day"));
  tip.Close(profile, false);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Show Tip of the Day", 1), 0);
  EXPECT_FALSE(TipOfTheDay::ShowAtStartup(profile));
}

}  // namespace
}  // namespace mirn
