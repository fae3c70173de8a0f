#include "extensions/ExtensionCreator.h"

#include "AppFixture.h"
#include "db/DbRanges.h"
#include "support/TestSupport.h"
#include "text/CRTFText.h"
#include "text/MRBFieldTextSource.h"

namespace mirn::test {
namespace {

using Ids = std::vector<std::wstring>;

class ExtensionCreatorTest : public AppFixture {
 protected:
  AddExtensionsOutcome Create(Ids ids, const std::wstring& typeCode, const std::wstring& copyFrom = {},
                              Ids names = {}) {
    return CreateExtensions(*db, library(), ui, {std::move(ids), std::move(names), typeCode, copyFrom, std::nullopt});
  }
  Ids AllIds() {
    Ids ids;
    for (const auto& id : db->Extensions()) ids.push_back(id);
    return ids;
  }
};

TEST_F(ExtensionCreatorTest, FillsDefaultTextsOfTheLayout) {
  bool committed = false;
  const auto outcome = CreateExtensions(*db, library(), ui, {{L"100", L" 101 "}, {L"Reception"}, L"hx40", {}, std::nullopt},
                                        [&] { committed = true; });
  ASSERT_TRUE(outcome.ok);
  EXPECT_TRUE(committed);
  EXPECT_EQ(outcome.created, (Ids{L"100", L"101"}));
  EXPECT_EQ(db->GetName(L"100"), L"Reception");
  EXPECT_EQ(db->GetName(L"101"), L"");
  EXPECT_EQ(db->GetTypeCode(L"101"), L"HX40");
  // Trimmed default; a second-kind comment placeholder stays empty; no default, no field.
  EXPECT_EQ(db->GetField(L"100", 1210), L"Ext {Ext}");
  EXPECT_FALSE(db->FieldExists(L"100", 1211));
  EXPECT_FALSE(db->FieldExists(L"100", 1212));
  EXPECT_FALSE(db->FieldExists(L"100", 1205));
  EXPECT_EQ(ui.maxWaitDepth, 1);
  EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(ExtensionCreatorTest, PlainDefaultTextsKeepTheirCodesWhenAFormatIsGiven) {
  TextFormat format;
  format.face = L"Arial";
  format.size = 18;
  AddExtensionsRequest request{{L"205"}, {L"Desk"}, L"HX40", {}, format};
  ASSERT_TRUE(CreateExtensions(*db, library(), ui, request).ok);
  const std::wstring stored = db->GetField(L"205", 1210);
  EXPECT_EQ(stored, WriteRtf(format, L"Ext {Ext}"));
  const MRBFieldTextSource source(*db);
  EXPECT_EQ(CRTFText(stored, L"205", L"Desk", &source).GetDisplayText(), L"Ext 205");
  EXPECT_EQ(StoredDefaultText(L"{\\rtf1 x}", format), L"{\\rtf1 x}");
}

TEST_F(ExtensionCreatorTest, CommentPlaceholderRuleNeedsTheSecondKindAlone) {
  EXPECT_EQ(DefaultFieldText(DDF_TEXT2, L"{Comment}"), L"");
  EXPECT_EQ(DefaultFieldText(DDF_TEXT | DDF_TEXT2, L"{COMMENT}"), L"{COMMENT}");
  EXPECT_EQ(DefaultFieldText(DDF_TEXT2, L" {COMMENT} "), L"{COMMENT}");
  ASSERT_TRUE(Create({L"1"}, L"CV9").ok);
  EXPECT_FALSE(db->FieldExists(L"1", 1230));
  EXPECT_EQ(db->GetField(L"1", 1231), L"{COMMENT}");
}

TEST_F(ExtensionCreatorTest, UnknownTypeCodeIsRefusedWithNothingCreated) {
  const auto outcome = Create({L"1", L"2"}, L"NOPE");
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(AllIds(), Ids{});
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.LastMessage(), L"NOPE\nMirn could not open an Add-On file.\nThe current function cannot be completed.");
  EXPECT_EQ(ui.messages[0].style & mb::kIconMask, mb::kIconWarning);
}

TEST_F(ExtensionCreatorTest, ReplaceQuestionAnswers) {
  for (const auto* id : {L"1", L"2", L"3", L"4"}) Add(id, L"HX60", L"old");
  // Yes replaces, No skips, Yes to All replaces the rest without asking again.
  ui.messageAnswers = {mb::kIdYes, mb::kIdNo, mb::kIdYesToAll};
  const auto outcome = Create({L"1", L"2", L"3", L"4", L"5"}, L"HX40", {}, {L"a", L"b", L"c", L"d", L"e"});
  ASSERT_TRUE(outcome.ok);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0].caption, L"Replace Extension");
  EXPECT_EQ(ui.messages[0].text,
            L"There is already an extension with the name:\n\n1\n\nDo you want to overwrite it with the new "
            L"extension you are creating?");
  EXPECT_EQ(ui.messages[0].style, mb::kYesNoCancel | mb::kYesToAll | mb::kIconWarning);
  EXPECT_EQ(outcome.created, (Ids{L"1", L"3", L"4", L"5"}));
  EXPECT_EQ(outcome.skipped, Ids{L"2"});
  EXPECT_EQ(db->GetName(L"2"), L"old");
  EXPECT_EQ(db->GetName(L"4"), L"d");
  EXPECT_EQ(db->GetTypeCode(L"4"), L"HX40");
}

TEST_F(ExtensionCreatorTest, CancelKeepsWhatWasCreatedBefore) {
  Add(L"2", L"HX60", L"old");
  ui.messageAnswers = {mb::kIdCancel};
  const auto outcome = Create({L"1", L"2", L"3"}, L"HX40");
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(AllIds(), (Ids{L"1", L"2"}));
  EXPECT_EQ(db->GetName(L"2"), L"old");
}

TEST_F(ExtensionCreatorTest, CopiesTextFieldsAndPictureSlots) {
  Add(L"src", L"HX40", L"Source");
  ASSERT_EQ(db->SetField(L"src", 1210, L"{\\rtf1 copied}"), db::kOk);
  ASSERT_EQ(db->SetField(L"src", 2000, L"far field"), db::kOk);
  ASSERT_EQ(db->SetField(L"src", 7, L"not a picture description"), db::kOk);
  const auto picture = dir / "p.png";
  WriteFile(picture, std::string("\x89PNG\r\n\x1a\n", 8) + std::string(64, 'x'));
  MRBGraphic graphic;
  graphic.fileName = picture.wstring();
  graphic.width = 100;
  graphic.height = 50;
  graphic.embedded = true;
  ASSERT_EQ(db->SetGraphicField(L"src", 3, graphic), db::kOk);

  ASSERT_TRUE(Create({L"new"}, L"HX40", L"src").ok);
  EXPECT_EQ(db->GetField(L"new", 1210), L"{\\rtf1 copied}");
  EXPECT_EQ(db->GetField(L"new", 2000), L"far field");
  EXPECT_FALSE(db->FieldExists(L"new", 7));  // a slot that does not read is left out
  EXPECT_FALSE(db->FieldExists(L"new", 1212));
  // No default texts when copying.
  MRBGraphic copied;
  ASSERT_EQ(db->GetGraphicField(L"new", 3, copied), db::kOk);
  EXPECT_TRUE(copied.embedded);
  EXPECT_EQ(copied.width, 100);
  EXPECT_FALSE(copied.embeddedHash.empty());
  EXPECT_EQ(db->GetField(L"new", 3), db->GetField(L"src", 3));
}

TEST_F(ExtensionCreatorTest, CopySourceIsNeverReplacedAndAGoneSourceCreatesNothing) {
  Add(L"src", L"HX40", L"Source");
  ASSERT_EQ(db->SetField(L"src", 1210, L"keep"), db::kOk);
  const auto outcome = Create({L"src", L"1"}, L"HX40", L"src");
  ASSERT_TRUE(outcome.ok);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(outcome.skipped, Ids{L"src"});
  EXPECT_EQ(db->GetField(L"src", 1210), L"keep");
  EXPECT_EQ(db->GetField(L"1", 1210), L"keep");

  const auto gone = Create({L"9"}, L"HX40", L"missing");
  EXPECT_FALSE(gone.ok);
  EXPECT_FALSE(db->ExtensionExists(L"9"));
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace mirn::test
