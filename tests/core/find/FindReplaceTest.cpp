#include <gtest/gtest.h>

#include "find/FindReplace.h"
#include "core/find/AppDatabaseFixture.h"
#include "db/DbRanges.h"

namespace mirn::test {
namespace {

class FindReplaceTest : public AppDatabaseTest {
 protected:
  std::vector<std::wstring> AllIds() {
    std::vector<std::wstring> ids;
    for (const auto& id : db->Extensions()) ids.push_back(id);
    return ids;
  }
  void Start(const std::wstring& find, bool matchCase = false, bool fromBeginning = true,
             FindMode mode = FindMode::Find, const std::wstring& replace = L"") {
    controller.Start({find, replace, matchCase, mode, fromBeginning}, AllIds());
  }
  // The (id, field) of each field the walk stops at, the editor closed untouched after each.
  std::vector<std::pair<std::wstring, int>> Walk() {
    std::vector<std::pair<std::wstring, int>> hits;
    while (auto found = controller.FindNext(*db)) hits.emplace_back(found->id, found->fieldId);
    return hits;
  }
  FindReplaceEditor EditorOn(const FoundField& f) {
    const auto& s = controller.State();
    return FindReplaceEditor(f.text, f.start, f.length, s.findText, s.replaceText, s.matchCase, s.mode);
  }

  FindReplaceController controller{ui};
};

TEST_F(FindReplaceTest, SearchesTheCodesAsTypedWithTheCaseRule) {
  Add(L"100", L"C3");
  Set(L"100", 1101, Format(L"Arial", 20), L"Line {EXT}");
  Start(L"ext");
  const auto found = controller.FindNext(*db);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->text, L"Line {EXT}");
  EXPECT_EQ(found->start, 6u);
  EXPECT_EQ(found->length, 3u);

  ui = ScriptedUserInterface();
  Start(L"ext", true);
  EXPECT_FALSE(controller.FindNext(*db));
  EXPECT_EQ(ui.LastMessage(), L"No more occurrences of 'ext' were found.");
  EXPECT_EQ(ui.messages.back().style & mb::kIconMask, mb::kIconInformation);
  EXPECT_FALSE(controller.CanContinue());
}

TEST_F(FindReplaceTest, WalksFieldsInNumberOrderThenTheFollowingExtensionsWithoutWrapping) {
  Add(L"1", L"C3");
  Add(L"2", L"C3");
  Add(L"3", L"C3");
  for (const int field : {1103, 1101}) Set(L"1", field, Format(L"Arial", 20), L"key");
  Set(L"3", 1102, Format(L"Arial", 20), L"KEY");
  Set(L"2", 1102, Format(L"Arial", 20), L"nothing here");
  // A picture slot's description names a file called key.png: pictures are not text.
  ASSERT_EQ(db->SetField(L"2", 1, L"{\"fileName\" : \"key.png\"}"), 0);
  // The list's order, not the database's, decides.
  controller.Start({L"key", L"", false, FindMode::Find, true}, {L"3", L"1", L"2"});
  EXPECT_EQ(Walk(), (std::vector<std::pair<std::wstring, int>>{{L"3", 1102}, {L"1", 1101}, {L"1", 1103}}));
  EXPECT_EQ(ui.messages.size(), 1u);
  // After the message the next search starts at the beginning again.
  Start(L"key", false, false);
  ASSERT_TRUE(controller.FindNext(*db));
  EXPECT_EQ(controller.State().currentId, L"1");
}

TEST_F(FindReplaceTest, LineBreaksAreSearchedAsCrLfAndShownAsLineFeeds) {
  Add(L"1", L"C3");
  Set(L"1", 1101, Format(L"Arial", 20), L"first\nsecond");
  EXPECT_EQ(SearchableText(db->GetField(L"1", 1101)), L"first\r\nsecond");
  Start(L"first\r\nsec");
  const auto found = controller.FindNext(*db);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->text, L"first\nsecond");
  EXPECT_EQ(found->start, 0u);
  EXPECT_EQ(found->length, 9u);
}

TEST_F(FindReplaceTest, ASecondSearchWithoutStartFromBeginningContinuesAfterTheLastField) {
  Add(L"1", L"C3");
  Add(L"2", L"C3");
  Set(L"1", 1101, Format(L"Arial", 20), L"alpha");
  Set(L"1", 1102, Format(L"Arial", 20), L"alpha beta");
  Set(L"2", 1101, Format(L"Arial", 20), L"beta");
  Start(L"alpha");
  ASSERT_TRUE(controller.FindNext(*db));
  // Cancel in the editor stops the chain but keeps the position.
  auto editor = EditorOn(*controller.FindNext(*db));
  editor.Cancel();
  EXPECT_FALSE(controller.EditorClosed(*db, profile, FoundField{}, editor));
  EXPECT_TRUE(controller.CanContinue());

  Start(L"beta", false, false);
  auto found = controller.FindNext(*db);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->id, L"2");  // field 11 of extension 1 was the last one found
  Start(L"beta", false, true);
  found = controller.FindNext(*db);
  ASSERT_TRUE(found);
  EXPECT_EQ(std::make_pair(found->id, found->fieldId), std::make_pair(std::wstring(L"1"), 1102));
}

TEST(FindReplaceEditorTest, TwoOccurrencesInOneFieldAreVisitedInOneEditor) {
  FindReplaceEditor editor(L"ab AB ab", 0, 2, L"ab", L"", false, FindMode::Find);
  EXPECT_EQ(editor.Next(), FindReplaceEditor::Outcome::Moved);
  EXPECT_EQ(editor.SelectionStart(), 3u);
  EXPECT_EQ(editor.Next(), FindReplaceEditor::Outcome::Moved);
  EXPECT_EQ(editor.SelectionStart(), 6u);
  EXPECT_EQ(editor.Next(), FindReplaceEditor::Outcome::CloseAccept);

  FindReplaceEditor exact(L"ab AB ab", 0, 2, L"ab", L"", true, FindMode::Find);
  EXPECT_EQ(exact.Next(), FindReplaceEditor::Outcome::Moved);
  EXPECT_EQ(exact.SelectionStart(), 6u);
}

TEST(FindReplaceEditorTest, ReplaceChangesOnlyConfirmedOccurrencesAndSkipLeavesThem) {
  FindReplaceEditor editor(L"cat cat cat", 0, 3, L"CAT", L"dog cat", false, FindMode::Replace);
  EXPECT_EQ(editor.Replace(), FindReplaceEditor::Outcome::Moved);
  EXPECT_EQ(editor.Text(), L"dog cat cat cat");
  // The replacement's own "cat" is not searched again: the next one is the old second.
  EXPECT_EQ(editor.SelectionStart(), 8u);
  EXPECT_EQ(editor.Skip(), FindReplaceEditor::Outcome::Moved);
  EXPECT_EQ(editor.Replace(), FindReplaceEditor::Outcome::CloseAccept);
  EXPECT_EQ(editor.Text(), L"dog cat cat dog cat");
  EXPECT_EQ(editor.Replacements(), 2u);

  // A selection the person moved off an occurrence is not replaced.
  FindReplaceEditor moved(L"cat and cat", 0, 3, L"cat", L"dog", false, FindMode::Replace);
  moved.SetText(L"cat and cat", 4, 3);
  EXPECT_EQ(moved.Replace(), FindReplaceEditor::Outcome::Moved);
  EXPECT_EQ(moved.Text(), L"cat and cat");
  EXPECT_EQ(moved.SelectionStart(), 8u);
}

TEST_F(FindReplaceTest, ClosingStoresChangedTextInTheFieldsStyleAndCancelStoresNothing) {
  Add(L"1", L"C3");
  Add(L"2", L"C3");
  const TextFormat style = Format(L"Verdana", 30, true);
  Set(L"1", 1101, style, L"red and red");
  Set(L"2", 1101, style, L"red");
  Start(L"red", false, true, FindMode::Replace, L"blue");

  auto found = controller.FindNext(*db);
  ASSERT_TRUE(found);
  auto editor = EditorOn(*found);
  EXPECT_EQ(editor.Replace(), FindReplaceEditor::Outcome::Moved);
  EXPECT_EQ(editor.Skip(), FindReplaceEditor::Outcome::CloseAccept);
  bool stored = false;
  EXPECT_TRUE(controller.EditorClosed(*db, profile, *found, editor, &stored));
  EXPECT_TRUE(stored);
  EXPECT_EQ(db->GetField(L"1", 1101), WriteRtf(style, L"blue and red"));

  found = controller.FindNext(*db);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->id, L"2");
  editor = EditorOn(*found);
  editor.Replace();
  editor.Cancel();
  EXPECT_FALSE(controller.EditorClosed(*db, profile, *found, editor, &stored));
  EXPECT_FALSE(stored);
  EXPECT_EQ(db->GetField(L"2", 1101), WriteRtf(style, L"red"));
}

TEST(EditedFieldTextTest, AnEmptyResultClearsOnlyAFieldInTheDefaultStyle) {
  MemoryProfile profile;
  const TextFormat other = EmptyTextFormat();
  EXPECT_EQ(EditedFieldText(WriteRtf(other, L"x"), L"", profile), WriteRtf(other, L""));
  EXPECT_EQ(EditedFieldText(WriteRtf(GetDefaultFont(profile), L"x"), L"", profile), L"");
  EXPECT_EQ(EditedFieldText(L"", L"new", profile), WriteRtf(GetDefaultFont(profile), L"new"));
}

}  // namespace
}  // namespace mirn::test
