// Save as the designer asks it: errors stop it with every message, warnings are asked about,
// a type code another file holds is saved as a new one or replaces it, or nothing is written.
#include <gtest/gtest.h>

#include "layouts/LayoutDefaultTexts.h"
#include "layouts/LayoutDocument.h"
#include "layouts/LayoutSaveQuestions.h"
#include "platform/KnownFolders.h"
#include "platform/ScriptedUserInterface.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

class LayoutSaveQuestionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders.Set(KnownFolder::Program, dir / "program");
    fs::create_directories(dir / "program" / "ddf");
  }
  static LayoutDocument OneField(const std::wstring& code) {
    LayoutDocument d;
    d.SetTypeCode(code);
    d.SetDescription(L"Desk phone");
    d.SetLabelSize(1440, 1440);
    d.GenerateSlots({2, 1, {720, 720}, 1800, 0});
    d.AddObject(LayoutObjectKind::TextField, 0, 0, 1440, 720);
    return d;
  }
  // A bundled layout with type code `code`, in the library.
  void InstallBundled(const std::wstring& code) {
    test::WriteFile(dir / "program" / "ddf" / "bundled.ddf", OneField(code).Bytes());
    library.ScanAll();
  }
  test::TempDir dir;
  FakeKnownFolders folders{dir.Path()};
  DDFLibrary library{folders};
  ScriptedUserInterface ui;
};

TEST_F(LayoutSaveQuestionsTest, ErrorsAreToldAllAtOnceAndNothingIsWritten) {
  library.ScanAll();
  LayoutDocument d = OneField(L"");
  const std::uint32_t first = d.Layout().GetObjects().front().id;
  CDDFObject twin = *d.FindObject(first);
  d.AddObject(LayoutObjectKind::Caption, 0, 0, 10, 10);
  twin.id = d.Layout().GetObjects().back().id;  // the caption's id, now on a text field too
  d.ReplaceObject(first, twin);

  const LayoutSaveResult result = SaveLayoutAsking(d, library, ui);
  EXPECT_FALSE(result.saved);
  ASSERT_EQ(ui.messages.size(), 1u);
  const std::wstring& text = ui.messages[0].text;
  EXPECT_NE(text.find(L"type code"), std::wstring::npos) << text;
  EXPECT_NE(text.find(std::to_wstring(twin.id)), std::wstring::npos) << text;
  EXPECT_TRUE(fs::is_empty(dir / "program" / "ddf"));
  EXPECT_FALSE(fs::exists(library.UserFolder()) && !fs::is_empty(library.UserFolder()));
}

TEST_F(LayoutSaveQuestionsTest, WarningsAreAskedAbout) {
  library.ScanAll();
  LayoutDocument d = OneField(L"WARN");
  d.AddObject(LayoutObjectKind::Frame, 2000, 2000, 3000, 3000);  // outside the 1 in label

  ui.messageAnswers = {mb::kIdNo};
  EXPECT_FALSE(SaveLayoutAsking(d, library, ui).saved);
  EXPECT_FALSE(library.Contains(L"WARN"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(L"Frame 2001"), std::wstring::npos) << ui.messages[0].text;

  ui.messageAnswers = {mb::kIdYes};
  EXPECT_TRUE(SaveLayoutAsking(d, library, ui).saved);
  EXPECT_TRUE(library.Contains(L"WARN"));
  EXPECT_FALSE(d.IsModified());
}

TEST_F(LayoutSaveQuestionsTest, TakenTypeCodeSavesAsNewReplacesOrCancels) {
  InstallBundled(L"DESK");
  const fs::path bundled = dir / "program" / "ddf" / "bundled.ddf";

  LayoutDocument cancelled = OneField(L"DESK");
  ui.messageAnswers = {mb::kIdCancel};
  EXPECT_FALSE(SaveLayoutAsking(cancelled, library, ui).saved);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].labels.at(mb::kIdYes), L"Save as &New Type Code");
  EXPECT_EQ(ui.messages[0].labels.at(mb::kIdNo), L"&Replace Mine");
  EXPECT_NE(ui.messages[0].text.find(L"DESK2"), std::wstring::npos) << ui.messages[0].text;
  EXPECT_EQ(fs::path(library.GetInfo(L"DESK").path), bundled);

  LayoutDocument asNew = OneField(L"DESK");
  ui.messageAnswers = {mb::kIdYes};
  const LayoutSaveResult saved = SaveLayoutAsking(asNew, library, ui);
  ASSERT_TRUE(saved.saved) << saved.message;
  EXPECT_EQ(asNew.Layout().GetTypeCode(), L"DESK2");
  EXPECT_EQ(saved.file, library.UserFolder() / "DESK2.ddf");
  EXPECT_EQ(fs::path(library.GetInfo(L"DESK").path), bundled);

  LayoutDocument mine = OneField(L"DESK");
  mine.SetDescription(L"Mine");
  ui.messageAnswers = {mb::kIdNo};
  ASSERT_TRUE(SaveLayoutAsking(mine, library, ui).saved);
  EXPECT_EQ(fs::path(library.GetInfo(L"DESK").path), library.UserFolder() / "DESK.ddf");
  EXPECT_EQ(library.GetInfo(L"DESK").description, L"Mine");
  // Saved again, the layout is its own file: no question.
  const std::size_t asked = ui.messages.size();
  mine.SetDescription(L"Mine again");
  EXPECT_TRUE(SaveLayoutAsking(mine, library, ui).saved);
  EXPECT_EQ(ui.messages.size(), asked);
}

TEST_F(LayoutSaveQuestionsTest, ClosingAsksAboutChangesOnly) {
  library.ScanAll();
  LayoutDocument d = OneField(L"SHUT");
  ui.messageAnswers = {mb::kIdCancel};
  EXPECT_FALSE(MayCloseLayout(d, library, ui));
  EXPECT_NE(ui.messages.back().text.find(L"SHUT"), std::wstring::npos);
  ui.messageAnswers = {mb::kIdNo};
  EXPECT_TRUE(MayCloseLayout(d, library, ui));
  EXPECT_FALSE(library.Contains(L"SHUT"));
  ui.messageAnswers = {mb::kIdYes};
  EXPECT_TRUE(MayCloseLayout(d, library, ui));
  EXPECT_TRUE(library.Contains(L"SHUT"));
  // Saved: no question. A save that fails keeps the designer open.
  const std::size_t asked = ui.messages.size();
  EXPECT_TRUE(MayCloseLayout(d, library, ui));
  EXPECT_EQ(ui.messages.size(), asked);
  d.SetTypeCode(L"");
  ui.messageAnswers = {mb::kIdYes};
  EXPECT_FALSE(MayCloseLayout(d, library, ui));
}

TEST(LayoutDefaultTextsTest, FieldsShowTheirDefaultTextElseTheirId) {
  LayoutDocument d;
  const std::uint32_t plain = d.AddObject(LayoutObjectKind::TextField, 0, 0, 100, 100);
  const std::uint32_t styled = d.AddObject(LayoutObjectKind::TextField, 0, 100, 100, 200);
  const std::uint32_t empty = d.AddObject(LayoutObjectKind::TextField, 0, 200, 100, 300);
  const std::uint32_t caption = d.AddObject(LayoutObjectKind::Caption, 0, 300, 100, 400);
  ASSERT_TRUE(d.SetFieldDefault(plain, {L"Line 1", std::nullopt}).empty());
  TextFormat bold;
  bold.face = L"Arial";
  bold.bold = 1;
  ASSERT_TRUE(d.SetFieldDefault(styled, {L"Bold", bold}).empty());
  ASSERT_TRUE(d.SetFieldDefault(empty, {L"  ", bold}).empty());
  d.SetCaption(caption, L"Fixed");

  const LayoutDefaultTexts texts(d);
  EXPECT_EQ(texts.GetFieldText(L"", static_cast<int>(plain)), L"Line 1");
  EXPECT_EQ(texts.GetFieldText(L"", static_cast<int>(styled)), d.FindObject(styled)->GetCaption());
  EXPECT_EQ(texts.GetFieldText(L"", static_cast<int>(empty)), std::to_wstring(empty));
  EXPECT_EQ(texts.GetFieldText(L"", static_cast<int>(caption)), L"");
  EXPECT_EQ(texts.GetFieldText(L"", 4242), L"");
  // The texts follow the document.
  d.Undo();
  EXPECT_EQ(texts.GetFieldText(L"", static_cast<int>(caption)), L"");
  d.Undo();
  EXPECT_EQ(texts.GetFieldText(L"", static_cast<int>(empty)), std::to_wstring(empty));
}

}  // namespace
}  // namespace mirn
