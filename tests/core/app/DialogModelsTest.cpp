#include <gtest/gtest.h>

#include "app/AboutInfo.h"
#include "app/CustomZoom.h"
#include "app/LanguageChoice.h"
#include "app/OptionsModel.h"
#include "platform/MemoryProfile.h"

namespace mirn {
namespace {

TEST(OptionsModel, ReadsClampsAndWritesThePreferences) {
  MemoryProfile profile;
  profile.WriteInt(L"Preferences", L"Zoom Level", 9);
  profile.WriteString(L"Preferences", L"Default Font", L"Tahoma,12");
  GetDefaultFont(profile, true);
  OptionsModel options(profile);
  EXPECT_EQ(options.ZoomLevel(), 6);  // fit entire label
  EXPECT_EQ(options.Font().face, L"Tahoma");
  EXPECT_EQ(options.Font().size, 24);
  EXPECT_EQ(options.Justification(), 1);  // centred, the default
  EXPECT_FALSE(options.ShowTips());  // as start-up reads a fresh settings file
  EXPECT_EQ(options.Description(), L"Tahoma 12pt");

  profile.WriteInt(L"Preferences", L"Zoom Level", -3);
  EXPECT_EQ(OptionsModel(profile).ZoomLevel(), 0);  // 50 %

  TextFormat chosen;
  chosen.face = L"Verdana";
  chosen.size = 20;
  chosen.bold = 1;
  chosen.italic = 1;
  chosen.color = 0x0000FF;
  chosen.alignment = Alignment::Left;  // the font dialog does not choose alignment
  options.SetFont(chosen);
  options.SetJustification(3);
  options.SetShowTips(false);
  EXPECT_EQ(options.Description(), L"Verdana Bold Italic 10pt");
  ASSERT_TRUE(options.Save(profile));
  EXPECT_EQ(profile.GetString(L"Preferences", L"Default Font", L""), L"Verdana,10,255,1,1,0,0,F");
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Justification", -1), 3);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Zoom Level", -1), 6);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Show Tip of the Day", -1), 0);
  // Saving refreshes what new text gets.
  EXPECT_EQ(GetDefaultFont(profile).face, L"Verdana");
  profile.WriteString(L"Preferences", L"Default Font", L"");
  GetDefaultFont(profile, true);
}

// The language chosen in Options is kept for the next start; a stored code the program does
// not offer (a hand-edited file, a language dropped) means the locale's language.
TEST(OptionsModel, TheChosenLanguageIsStoredAndAnUnknownOneIsTheLocales) {
  MemoryProfile profile;
  EXPECT_EQ(ChosenLanguage(profile), L"");
  OptionsModel options(profile);
  EXPECT_EQ(options.Language(), L"");
  options.SetLanguage(L"fr");
  EXPECT_EQ(ChosenLanguage(profile), L"") << "nothing is written before Save";
  ASSERT_TRUE(options.Save(profile));
  EXPECT_EQ(profile.GetString(L"Preferences", L"Language", L"?"), L"fr");
  EXPECT_EQ(OptionsModel(profile).Language(), L"fr");
  options.Reset();
  EXPECT_EQ(options.Language(), L"");
  profile.WriteString(L"Preferences", L"Language", L"xx");
  EXPECT_EQ(ChosenLanguage(profile), L"");
  // The locale's language comes first, then each shipped language by its own name.
  const auto offered = LanguageOptions();
  ASSERT_EQ(offered.size(), 4u);
  EXPECT_EQ(offered[0].code, L"");
  EXPECT_EQ(offered[1].name, L"Deutsch");
}

TEST(OptionsModel, ResetChangesNothingUntilSaved) {
  MemoryProfile profile;
  profile.WriteString(L"Preferences", L"Default Font", L"Courier New,14,255,1,0,1,0,R");
  profile.WriteInt(L"Preferences", L"Show Tip of the Day", 0);
  GetDefaultFont(profile, true);
  OptionsModel options(profile);
  EXPECT_EQ(options.Justification(), 2);
  options.Reset();
  EXPECT_EQ(options.Description(), L"Arial 9pt");
  EXPECT_EQ(options.Font().color, 0u);
  EXPECT_EQ(options.Justification(), 1);
  EXPECT_EQ(options.ZoomLevel(), 2);
  EXPECT_TRUE(options.ShowTips());
  EXPECT_EQ(profile.GetString(L"Preferences", L"Default Font", L""), L"Courier New,14,255,1,0,1,0,R");
  profile.SetFailWrites(true);
  EXPECT_FALSE(options.Save(profile));
  profile.SetFailWrites(false);
  GetDefaultFont(profile, true);
  EXPECT_EQ(GetDefaultFont(profile).face, L"Courier New");
  profile.WriteString(L"Preferences", L"Default Font", L"");
  GetDefaultFont(profile, true);
}

TEST(CustomZoom, ChoicesAndLimits) {
  EXPECT_EQ(CustomZoom::ChoiceFor(150), 3);
  EXPECT_EQ(CustomZoom::ChoiceFor(120), CustomZoom::kOther);
  EXPECT_EQ(CustomZoom::Percent(0, L"999"), 50);
  EXPECT_EQ(CustomZoom::Percent(CustomZoom::kOther, L"15"), 15);
  EXPECT_EQ(CustomZoom::Percent(CustomZoom::kOther, L"1000"), 1000);
  EXPECT_EQ(CustomZoom::Percent(CustomZoom::kOther, L"5"), 15);
  EXPECT_EQ(CustomZoom::Percent(CustomZoom::kOther, L"5000"), 1000);
  EXPECT_EQ(CustomZoom::Percent(CustomZoom::kOther, L" 120%"), 120);
  EXPECT_EQ(CustomZoom::Percent(CustomZoom::kOther, L"-300"), 15);
  EXPECT_EQ(CustomZoom::Percent(CustomZoom::kOther, L""), 15);
  EXPECT_EQ(CustomZoom::Percent(CustomZoom::kOther, L"99999999999999999999999"), 1000);
}

TEST(AboutInfo, VersionLineAndBuildId) {
  EXPECT_EQ(ShortVersion(L"3.5.1.200"), L"3.5");
  EXPECT_EQ(ShortVersion(L"3.5"), L"3.5");
  EXPECT_EQ(ShortVersion(L"3"), L"3");
  EXPECT_EQ(VersionLine(L"3.5.1.200", L""), L"Print Engine 3.5 (64-bit)");
  EXPECT_EQ(VersionLine(L"0.1.0", L"ACME-7"), L"Print Engine 0.1 (64-bit), Build ID: ACME-7");

  MemoryProfile profile;
  EXPECT_EQ(ReadBuildId(profile), L"");
  profile.WriteString(L"", L"CustomBuildId", std::wstring(L"B-12") + L'\0');
  EXPECT_EQ(ReadBuildId(profile), L"B-12");
  profile.WriteString(L"", L"CustomBuildId", std::wstring(200, L'x'));
  EXPECT_EQ(ReadBuildId(profile), std::wstring(kMaxBuildIdLength, L'x'));
  profile.WriteString(L"", L"CustomBuildId", L"QA");
  const auto texts = MakeAboutTexts(profile, L"3.5.1.200", L"Copyright", L"Debian GNU/Linux 12 (bookworm)");
  EXPECT_EQ(texts.title, L"Mirn Labeling System");
  EXPECT_EQ(texts.versionLine, L"Print Engine 3.5 (64-bit), Build ID: QA");
  EXPECT_EQ(texts.systemType, L"64-bit");
}

}  // namespace
}  // namespace mirn
