#include <gtest/gtest.h>

#include "find/CopyStyles.h"
#include "find/CopyStylesWizard.h"
#include "core/find/AppDatabaseFixture.h"
#include "db/MRBGraphic.h"
#include "util/Text.h"

namespace mirn::test {
namespace {

class CopyStylesTest : public AppDatabaseTest {
 protected:
  CopyStylesOutcome Run(const std::wstring& source, std::vector<std::wstring> destinations, StyleSet styles) {
    return RunCopyStyles(*db, *library, ui, {source, std::move(destinations), styles});
  }
  std::wstring Graphic(const std::wstring& file) {
    MRBGraphic g;
    g.fileName = file;
    g.relativeName = file;
    g.width = 100;
    g.height = 50;
    return FromUtf8(g.ToJson());
  }
};

TEST_F(CopyStylesTest, FontSizeAloneKeepsTheDestinationsFaceBoldnessAndText) {
  Add(L"100", L"C3");
  Add(L"101", L"C3");
  Set(L"100", 1101, Format(L"Times New Roman", 28), L"Source");
  Set(L"101", 1101, Format(L"Arial", 20, true), L"Dest");
  const auto outcome = Run(L"100", {L"101"}, StyleSet().Add(StyleKind::FontSize));
  EXPECT_EQ(outcome.copied, 1u);
  const CRTFText result = Read(L"101", 1101);
  EXPECT_EQ(result.GetFirstFormat(), Format(L"Arial", 28, true));
  EXPECT_EQ(result.GetUnexpandedText(), L"Dest");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, L"Copying complete.");
  EXPECT_EQ(ui.messages[0].style & mb::kIconMask, mb::kIconInformation);
  EXPECT_EQ(ui.progressTitles, std::vector<std::wstring>{L"Copying Styles"});
}

TEST_F(CopyStylesTest, EachKindTakesOnlyItsPartOfTheFormat) {
  Add(L"100", L"C3");
  Add(L"101", L"C3");
  TextFormat source = Format(L"Courier New", 30, true);
  source.italic = source.underline = source.strikeout = 1;
  source.color = 0x0000FF;
  source.alignment = Alignment::Right;
  Set(L"100", 1101, source, L"S");
  TextFormat dest = Format(L"Arial", 20);
  dest.alignment = Alignment::Justify;
  dest.color = 0x00FF00;
  Set(L"101", 1101, dest, L"D");

  Run(L"100", {L"101"}, StyleSet().Add(StyleKind::FontStyle).Add(StyleKind::Color));
  TextFormat expected = source;
  expected.size = 20;
  expected.alignment = Alignment::Justify;
  EXPECT_EQ(Read(L"101", 1101).GetFirstFormat(), expected);

  Run(L"100", {L"101"}, StyleSet().Add(StyleKind::Alignment));
  expected.alignment = Alignment::Right;
  EXPECT_EQ(Read(L"101", 1101).GetFirstFormat(), expected);
  EXPECT_EQ(Read(L"101", 1101).GetUnexpandedText(), L"D");
}

TEST_F(CopyStylesTest, TextIntoAnEmptyFieldGetsTheDefaultStyleAndCrLfLineBreaks) {
  Add(L"100", L"C3");
  Add(L"101", L"C3");
  Set(L"100", 1102, Format(L"Courier New", 30, true), L"Two\nlines {EXT}");
  Run(L"100", {L"101"}, StyleSet().Add(StyleKind::Text));
  EXPECT_EQ(db->GetField(L"101", 1102), WriteRtf(DefaultStyleFormat(), L"Two\r\nlines {EXT}"));
  // A field empty in the source gives its empty text, in the destination's own style.
  Set(L"101", 1103, Format(L"Arial", 20), L"gone");
  Run(L"100", {L"101"}, StyleSet().Add(StyleKind::Text));
  EXPECT_EQ(db->GetField(L"101", 1103), WriteRtf(Format(L"Arial", 20), L""));
}

TEST_F(CopyStylesTest, EverythingWritesTheSourcesStoredTextsAndReplacesGraphics) {
  Add(L"100", L"C3", L"Ann");
  Add(L"101", L"C3");
  // A foreign RTF source is written back the way the program writes its fields; its codes
  // stay unexpanded, and the first format is the one the source's label shows.
  ASSERT_EQ(db->SetField(L"100", 1101, L"{\\rtf1{\\fonttbl{\\f0 Verdana;}}\\f0\\fs30\\b \\{NAME\\} x}"), 0);
  Set(L"101", 1101, Format(L"Arial", 20), L"old");
  Set(L"101", 1103, Format(L"Arial", 20), L"cleared");
  Set(L"101", 1999, Format(L"Arial", 20), L"not on the layout");
  ASSERT_EQ(db->SetField(L"100", 2, Graphic(L"/pics/source.png")), 0);
  ASSERT_EQ(db->SetField(L"101", 1, Graphic(L"/pics/one.png")), 0);
  ASSERT_EQ(db->SetField(L"101", 3, Graphic(L"/pics/three.png")), 0);

  Run(L"100", {L"101"}, StyleSet::Everything());

  TextFormat verdana = Format(L"Verdana", 30, true);
  EXPECT_EQ(db->GetField(L"101", 1101), WriteRtf(verdana, L"{NAME} x"));
  EXPECT_FALSE(db->FieldExists(L"101", 1103));
  EXPECT_TRUE(db->FieldExists(L"101", 1999));
  EXPECT_FALSE(db->FieldExists(L"101", 1));
  EXPECT_FALSE(db->FieldExists(L"101", 3));
  EXPECT_EQ(db->GetField(L"101", 2), db->GetField(L"100", 2));
  // The destination shows the picture as the source does.
  MRBGraphic copied;
  ASSERT_EQ(db->GetGraphicField(L"101", 2, copied), 0);
  EXPECT_EQ(copied.fileName, L"/pics/source.png");
}

TEST_F(CopyStylesTest, GraphicsAloneLeaveTheTextsAlone) {
  Add(L"100", L"C3");
  Add(L"101", L"C3");
  Set(L"100", 1101, Format(L"Courier New", 30), L"S");
  Set(L"101", 1101, Format(L"Arial", 20), L"D");
  ASSERT_EQ(db->SetField(L"101", 1, Graphic(L"/pics/one.png")), 0);
  Run(L"100", {L"101"}, StyleSet().Add(StyleKind::Graphics));
  EXPECT_FALSE(db->FieldExists(L"101", 1));
  EXPECT_EQ(db->GetField(L"101", 1101), WriteRtf(Format(L"Arial", 20), L"D"));
}

TEST_F(CopyStylesTest, DestinationsGoInAscendingTextOrderAndStopKeepsWhatWasDone) {
  Add(L"9", L"C3");
  for (const auto* id : {L"30", L"110", L"20"}) Add(id, L"C3");
  Set(L"9", 1101, Format(L"Courier New", 30), L"S");
  auto outcome = Run(L"9", {L"30", L"110", L"20"}, StyleSet::Everything());
  EXPECT_EQ(ui.progressLines, (std::vector<std::wstring>{L"Copying to extension 110...",
                                                         L"Copying to extension 20...",
                                                         L"Copying to extension 30..."}));
  EXPECT_EQ(ui.progressSteps, 3);
  EXPECT_EQ(outcome.copied, 3u);

  for (const auto* id : {L"30", L"110", L"20"}) ASSERT_EQ(db->SetField(id, 1101, L""), 0);
  ui = ScriptedUserInterface();
  ui.stopAfterSteps = 1;
  outcome = Run(L"9", {L"30", L"110", L"20"}, StyleSet::Everything());
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(outcome.copied, 1u);
  EXPECT_TRUE(db->FieldExists(L"110", 1101));
  EXPECT_FALSE(db->FieldExists(L"20", 1101));
  EXPECT_EQ(ui.LastMessage(), L"Copying stopped after 1 extension was copied.");
  EXPECT_EQ(ui.messages.back().style & mb::kIconMask, mb::kIconInformation);
}

TEST_F(CopyStylesTest, AFailedDestinationIsReportedNotCountedAsComplete) {
  Add(L"100", L"C3");
  Add(L"101", L"C3");
  Set(L"100", 1101, Format(L"Arial", 20), L"S");
  const auto outcome = Run(L"100", {L"101", L"gone"}, StyleSet::Everything());
  EXPECT_EQ(outcome.copied, 1u);
  EXPECT_EQ(outcome.failedId, L"gone");
  EXPECT_NE(ui.LastMessage().find(L"\"gone\""), std::wstring::npos);
  EXPECT_NE(ui.LastMessage().find(L"Copying stopped after 1 extension was copied."), std::wstring::npos);
  EXPECT_EQ(ui.messages.back().style & mb::kIconMask, mb::kIconWarning);
}

TEST_F(CopyStylesTest, ASourceWithoutAnInstalledLayoutCopiesNothing) {
  Add(L"100", L"ZZ");
  Add(L"101", L"ZZ");
  const auto outcome = Run(L"100", {L"101"}, StyleSet::Everything());
  EXPECT_TRUE(outcome.notStarted);
  EXPECT_TRUE(ui.progressTitles.empty());
  EXPECT_EQ(ui.messages.back().style & mb::kIconMask, mb::kIconError);
}

TEST(StyleSetTest, DescribesTheChoiceInKindOrder) {
  EXPECT_EQ(StyleSet::Everything().Describe(), L"Everything");
  EXPECT_EQ(StyleSet().Add(StyleKind::Text).Add(StyleKind::FontStyle).Describe(), L"Font Style, Text");
  StyleSet all;
  for (int k = 0; k < kStyleKindCount; ++k) all.Add(static_cast<StyleKind>(k));
  EXPECT_TRUE(all.IsEverything());
}

// ---- the wizard ---------------------------------------------------------------------------

class CopyStylesWizardTest : public AppDatabaseTest {
 protected:
  CopyStylesWizardTest() : wizard(*db, *library, ui) {}
  unsigned LastIcon() const { return ui.messages.back().style & mb::kIconMask; }
  CopyStylesWizard wizard;
};

TEST_F(CopyStylesWizardTest, EachPageRefusesNextWithoutAChoice) {
  Add(L"100", L"C3", L"Ann");
  Add(L"101", L"C3");
  Add(L"102", L"C3");
  Add(L"200", L"C4");
  EXPECT_EQ(CopyStylesWizard::StepHeading(CopyStylesWizard::kSourcePage), L"Step 2 of 5");
  ASSERT_TRUE(wizard.Next());
  EXPECT_FALSE(wizard.Next());
  EXPECT_EQ(ui.LastMessage(), L"You must select an extension to copy from.");
  EXPECT_EQ(LastIcon(), 0u);
  EXPECT_EQ(wizard.CurrentPage(), CopyStylesWizard::kSourcePage);

  wizard.SelectSource(L"100");
  ASSERT_TRUE(wizard.Next());
  EXPECT_EQ(wizard.DestinationChoices(), (std::vector<std::wstring>{L"101", L"102"}));
  EXPECT_FALSE(wizard.Next());
  EXPECT_EQ(ui.LastMessage(), L"You must select one or more extensions to copy to.");
  wizard.SelectDestinations({L"200"});  // not of the source's layout
  EXPECT_FALSE(wizard.Next());
  wizard.SelectDestinations({L"102", L"101"});
  ASSERT_TRUE(wizard.Next());

  EXPECT_FALSE(wizard.Next());
  EXPECT_EQ(ui.LastMessage(), L"You must select one or more styles to be copied.");
  EXPECT_EQ(LastIcon(), 0u);
  wizard.SelectStyles(StyleSet().Add(StyleKind::Text).Add(StyleKind::FontSize));
  ASSERT_TRUE(wizard.Next());
  EXPECT_EQ(wizard.CurrentPage(), CopyStylesWizard::kReadyPage);

  const auto summary = wizard.Summary();
  EXPECT_EQ(summary.sourceId, L"100");
  EXPECT_EQ(summary.sourceLayout, L"Copy Three");
  EXPECT_EQ(summary.sourceName, L"Ann");
  EXPECT_EQ(summary.destination, L"2 selected extensions");
  EXPECT_EQ(summary.styles, L"Font Size, Text");

  const auto outcome = wizard.Finish();
  EXPECT_EQ(outcome.copied, 2u);
  EXPECT_EQ(ui.LastMessage(), L"Copying complete.");
}

TEST_F(CopyStylesWizardTest, ASourceAloneOnItsLayoutCannotGetPastTheDestinationPage) {
  Add(L"100", L"C3");
  Add(L"101", L"C3");
  Add(L"200", L"C4");
  wizard.Next();
  wizard.SelectSource(L"200");
  ASSERT_TRUE(wizard.Next());
  EXPECT_EQ(ui.LastMessage(), L"There are no other extensions that are of the same type as extension \"200\".");
  EXPECT_EQ(LastIcon(), 0u);
  EXPECT_EQ(wizard.Instructions(CopyStylesWizard::kDestinationPage), L"Press 'Back' to choose a different extension.");
  EXPECT_FALSE(wizard.Next());
  EXPECT_EQ(wizard.CurrentPage(), CopyStylesWizard::kDestinationPage);

  wizard.Back();
  wizard.SelectSource(L"100");
  ASSERT_TRUE(wizard.Next());
  EXPECT_EQ(wizard.DestinationChoices(), std::vector<std::wstring>{L"101"});
  wizard.SelectDestinations({L"101"});
  ASSERT_TRUE(wizard.Next());
  wizard.SelectStyles(StyleSet::Everything());
  ASSERT_TRUE(wizard.Next());
  EXPECT_EQ(wizard.Summary().destination, L"101");
  EXPECT_EQ(wizard.Summary().styles, L"Everything");
}

}  // namespace
}  // namespace mirn::test
