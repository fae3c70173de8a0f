#include "extensions/ExtensionListModel.h"

#include <algorithm>

#include "AppFixture.h"
#include "extensions/ExtensionProperties.h"
#include "support/PseudoCatalog.h"
#include "util/Text.h"

namespace mirn::test {
namespace {

using Ids = std::vector<std::wstring>;

// Records what the list told its view.
struct Recorder : ExtensionListObserver {
  int resets = 0, inserts = 0, removes = 0, changes = 0, selections = 0, redrawOff = 0, redrawOn = 0;
  int open = 0;  // begin calls without their end
  int scrolledTo = -1;
  void BeginReset() override { ++open; }
  void EndReset() override { --open; ++resets; }
  void BeginInsertRow(int) override { ++open; }
  void EndInsertRow() override { --open; ++inserts; }
  void BeginRemoveRow(int) override { ++open; }
  void EndRemoveRow() override { --open; ++removes; }
  void RowChanged(int) override { ++changes; }
  void SelectionChanged() override { ++selections; }
  void SetRedraw(bool on) override { ++(on ? redrawOn : redrawOff); }
  void ScrollTo(int row) override { scrolledTo = row; }
};

class ExtensionListModelTest : public AppFixture {
 protected:
  ExtensionListModelTest() : list(library()) {
    list.SetDatabase(db.get());
    list.SetObserver(&recorder);
  }
  Ids Column(int column) {
    Ids texts;
    for (int row = 0; row < list.RowCount(); ++row) texts.push_back(list.Text(row, column));
    return texts;
  }
  ExtensionListModel list;
  Recorder recorder;
};

TEST_F(ExtensionListModelTest, RebuildFillsSortedRowsWithModelTexts) {
  Add(L"2", L"HX40", L"ext 10");
  Add(L"10", L"hx60", L"Ext 9");
  Add(L"1", L"ZZ1", L"alpha");
  list.Rebuild();
  EXPECT_EQ(recorder.open, 0);
  EXPECT_EQ(recorder.redrawOff, recorder.redrawOn);
  EXPECT_EQ(Column(ExtensionListModel::kExtension), (Ids{L"1", L"2", L"10"}));
  // A type code the library lacks shows as itself.
  EXPECT_EQ(Column(ExtensionListModel::kModel), (Ids{L"ZZ1", L"Halden 40 card", L"Halden 60 set"}));
  EXPECT_EQ(list.TypeCode(2), L"HX60");

  list.SortByHeader(ExtensionListModel::kName);
  EXPECT_EQ(Column(ExtensionListModel::kName), (Ids{L"alpha", L"Ext 9", L"ext 10"}));
  list.SortByHeader(ExtensionListModel::kName);
  EXPECT_FALSE(list.SortAscending());
  EXPECT_EQ(Column(ExtensionListModel::kName), (Ids{L"ext 10", L"Ext 9", L"alpha"}));
  list.SortByHeader(ExtensionListModel::kModel);
  EXPECT_TRUE(list.SortAscending());
  EXPECT_EQ(Column(ExtensionListModel::kExtension), (Ids{L"2", L"10", L"1"}));
  list.SortByHeader(ExtensionListModel::kExtension);
  EXPECT_EQ(list.FindRow(L"10"), 2);
  EXPECT_EQ(list.FindRow(L"nope"), -1);
  EXPECT_EQ(list.AllIds(), (Ids{L"1", L"2", L"10"}));
}

TEST_F(ExtensionListModelTest, RefreshRowUpdatesAppendsAndRemoves) {
  Add(L"1", L"HX40", L"one");
  list.Rebuild();
  ASSERT_EQ(db->UpdateExtension(L"1", std::nullopt, L"uno"), db::kOk);
  list.RefreshRow(L"1");
  EXPECT_EQ(list.Text(0, ExtensionListModel::kName), L"uno");
  EXPECT_EQ(recorder.changes, 1);
  Add(L"0", L"HX60");
  list.RefreshRow(L"0");
  EXPECT_EQ(list.AllIds(), (Ids{L"1", L"0"}));  // appended until the next sort
  EXPECT_EQ(recorder.inserts, 1);
  list.Resort();
  EXPECT_EQ(list.AllIds(), (Ids{L"0", L"1"}));
  ASSERT_EQ(db->DeleteExtension(L"0"), db::kOk);
  list.RefreshRow(L"0");
  EXPECT_EQ(list.AllIds(), Ids{L"1"});
  EXPECT_EQ(list.FindRow(L"1"), 0);
  EXPECT_EQ(recorder.removes, 1);
  EXPECT_EQ(recorder.open, 0);
  list.RefreshRow(L"never there");
  EXPECT_EQ(list.RowCount(), 1);
}

TEST_F(ExtensionListModelTest, SelectionAndItsStatusText) {
  for (const auto* id : {L"3", L"1", L"2"}) Add(id, L"HX40");
  list.Rebuild();
  EXPECT_EQ(list.SelectionStatusText(), L"0 extensions selected (3 total)");
  ASSERT_TRUE(list.Select(L"2", false, true, false));
  EXPECT_EQ(list.SelectionStatusText(), L"1 extension selected (3 total)");
  EXPECT_EQ(list.FocusedRow(), 1);
  EXPECT_EQ(recorder.scrolledTo, 1);
  list.Select(L"3", true, false, false);
  list.Select(L"1", true, false, false);
  EXPECT_EQ(list.SelectedIds(), (Ids{L"1", L"2", L"3"}));
  list.Sort(ExtensionListModel::kExtension, false);
  EXPECT_EQ(list.SelectedIds(), (Ids{L"3", L"2", L"1"}));
  list.SetSelectedRows({0});
  EXPECT_EQ(list.SelectedIds(), Ids{L"3"});
  list.SelectAll();
  EXPECT_EQ(list.SelectionStatusText(), L"3 extensions selected (3 total)");
  {
    PseudoLanguage pseudo;  // the status bar speaks the user's language
    const std::wstring text = list.SelectionStatusText();
    EXPECT_EQ(text.front(), L'\u00AB') << ToUtf8(text);
    EXPECT_NE(text.find(L"3 extensions selected (3 total)"), std::wstring::npos) << ToUtf8(text);
  }
  list.ClearSelection();
  EXPECT_EQ(list.SelectedCount(), 0);
  // A missing row is added on request, and only then.
  Add(L"4", L"HX40");
  EXPECT_FALSE(list.Select(L"4", false, false, false));
  EXPECT_TRUE(list.Select(L"4", false, false, true));
  EXPECT_EQ(list.SelectedIds(), Ids{L"4"});
  EXPECT_EQ(list.Id(0), L"4");  // re-sorted in descending order
}

TEST_F(ExtensionListModelTest, DeleteAsksFirst) {
  for (const auto* id : {L"1", L"2", L"3"}) Add(id, L"HX40");
  list.Rebuild();
  list.Select(L"1", false, false, false);
  list.Select(L"3", true, false, false);
  ui.messageAnswers = {mb::kIdNo};
  EXPECT_FALSE(list.DeleteSelected(ui));
  EXPECT_EQ(list.RowCount(), 3);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, L"Delete the selected extensions?");
  EXPECT_EQ(ui.messages[0].style, mb::kYesNo | mb::kIconWarning);
  ui.messageAnswers = {mb::kIdYes};
  EXPECT_TRUE(list.DeleteSelected(ui));
  EXPECT_EQ(list.AllIds(), Ids{L"2"});
  EXPECT_FALSE(db->ExtensionExists(L"1"));
  EXPECT_EQ(list.SelectionStatusText(), L"0 extensions selected (1 total)");
  list.SelectAll();
  ui.messageAnswers = {mb::kIdYes};
  list.DeleteSelected(ui);
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(db->GetExtensionCount(), 0);
  EXPECT_EQ(recorder.open, 0);
}

TEST_F(ExtensionListModelTest, SelectAddedSelectsOnlyTheNewRows) {
  for (const auto* id : {L"5", L"1"}) Add(id, L"HX40");
  list.Rebuild();
  list.Select(L"5", false, false, false);
  Add(L"3", L"HX40");
  Add(L"4", L"HX40");
  list.SelectAdded({L"3", L"4", L"gone"});
  EXPECT_EQ(list.AllIds(), (Ids{L"1", L"3", L"4", L"5"}));
  EXPECT_EQ(list.SelectedIds(), (Ids{L"3", L"4"}));
  EXPECT_EQ(list.FocusedRow(), 2);
  EXPECT_EQ(recorder.scrolledTo, 2);
  EXPECT_EQ(recorder.redrawOff, recorder.redrawOn);
}

TEST_F(ExtensionListModelTest, TheLabelShowsTheFocusedSelectedRowElseTheTopSelectedOne) {
  for (const auto* id : {L"1", L"2", L"3"}) Add(id, L"HX40");
  list.Rebuild();
  EXPECT_EQ(list.ShownId(), L"");
  list.Select(L"1", false, false, false);
  list.Select(L"3", true, false, false);
  EXPECT_EQ(list.ShownId(), L"3");
  list.SetRowSelected(list.FindRow(L"3"), false);  // focus stays on a row no longer selected
  EXPECT_EQ(list.ShownId(), L"1");
  list.SelectAll();
  list.SetFocusedRow(1);
  EXPECT_EQ(list.ShownId(), L"2");
  list.Sort(ExtensionListModel::kExtension, false);  // the focus follows its row
  EXPECT_EQ(list.ShownId(), L"2");
  list.SetFocusedRow(-1);
  EXPECT_EQ(list.ShownId(), L"3");
  list.ClearSelection();
  EXPECT_EQ(list.ShownId(), L"");
}

TEST_F(ExtensionListModelTest, AfterOpenTheSavedSelectionOrElseTheFirstRow) {
  EXPECT_TRUE(list.SelectionAfterOpen({L"1"}).empty());  // an empty list selects nothing
  for (const auto* id : {L"30", L"4", L"100"}) Add(id, L"HX40");
  list.Rebuild();
  Add(L"7", L"HX40");  // in the database, not yet in the list
  EXPECT_EQ(list.SelectionAfterOpen({L"100", L"gone", L"7"}), (Ids{L"100", L"7"}));
  // Nothing saved, or nothing saved that still exists: the first row in display order.
  EXPECT_EQ(list.SelectionAfterOpen({}), Ids{L"4"});
  EXPECT_EQ(list.SelectionAfterOpen({L"gone"}), Ids{L"4"});
  list.Sort(ExtensionListModel::kExtension, false);
  EXPECT_EQ(list.SelectionAfterOpen({}), Ids{L"100"});
}

// A big file is read in steps: each step puts its rows where a sort of all would, the view
// hears one reset a step, and whatever needs every row reads the rest first.
TEST_F(ExtensionListModelTest, ReadingInStepsEndsAsOneRebuild) {
  const Ids ids{L"9", L"100", L"10", L"1", L"25", L"3", L"200", L"11"};
  for (size_t i = 0; i < ids.size(); ++i) Add(ids[i], i % 2 ? L"HX40" : L"HX60", L"n" + std::to_wstring(8 - i));
  list.Rebuild();
  const Ids whole = Column(ExtensionListModel::kExtension);

  list.StartRebuild(2);
  EXPECT_TRUE(list.Reading());
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.ReadingStatusText(), L"Reading extensions: 2 of 8");
  const int resets = recorder.resets;
  EXPECT_FALSE(list.ReadMore(3));
  EXPECT_EQ(recorder.resets, resets + 1);
  EXPECT_EQ(recorder.open, 0);
  // What is there is always in display order.
  Ids shown = Column(ExtensionListModel::kExtension);
  EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end(),
                             [](const auto& a, const auto& b) { return CompareLogical(a, b) < 0; }));
  while (!list.ReadMore(3)) {
  }
  EXPECT_FALSE(list.Reading());
  EXPECT_TRUE(list.ReadingStatusText().empty());
  EXPECT_EQ(Column(ExtensionListModel::kExtension), whole);

  // A sort chosen while reading holds for the rows that come after it.
  list.StartRebuild(3);
  list.SortByHeader(ExtensionListModel::kName);
  while (!list.ReadMore(2)) {
  }
  list.Rebuild();
  list.SortByHeader(ExtensionListModel::kName);
  const Ids byName = Column(ExtensionListModel::kName);
  list.StartRebuild(3);
  list.SortByHeader(ExtensionListModel::kName);
  list.FinishReading();
  EXPECT_EQ(Column(ExtensionListModel::kName), byName);
}

// A first look at a file being opened: its first rows in display order, kept after the file
// it came from is gone, with nothing left to read until the real database is set.
TEST_F(ExtensionListModelTest, AFirstLookKeepsItsRowsWithoutTheFile) {
  for (const auto* id : {L"30", L"4", L"200", L"1", L"15"}) Add(id, L"HX40", std::wstring(L"n") + id);
  {
    int code = 0;
    std::unique_ptr<MRBBase> file = OpenDatabase({}, code, {nullptr, dir.Path()});
    for (const auto* id : {L"7", L"100", L"8", L"12"}) ASSERT_EQ(file->AddExtension(id, L"HX60", L"f"), db::kOk);
    list.ShowFirstRows(*file, 3);
  }
  EXPECT_EQ(list.Database(), nullptr);
  EXPECT_FALSE(list.Reading());
  EXPECT_TRUE(list.ReadingStatusText().empty());
  ASSERT_EQ(list.RowCount(), 3);
  const Ids shown = Column(ExtensionListModel::kExtension);
  EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end(),
                             [](const auto& a, const auto& b) { return CompareLogical(a, b) < 0; }));
  EXPECT_EQ(list.TypeCode(0), L"HX60");
  // Asking for a row reads nothing more: there is no file behind the rows any longer.
  EXPECT_EQ(list.FindRow(shown[1]), 1);
  EXPECT_EQ(list.AllIds(), shown);

  // The opened database replaces the look entirely.
  list.SetDatabase(db.get());
  list.StartRebuild(2);
  list.FinishReading();
  EXPECT_EQ(Column(ExtensionListModel::kExtension), (Ids{L"1", L"4", L"15", L"30", L"200"}));
}

TEST_F(ExtensionListModelTest, WhatNeedsEveryRowReadsTheRestFirst) {
  for (const auto* id : {L"1", L"2", L"3", L"4", L"5"}) Add(id, L"HX40");
  list.StartRebuild(1);
  EXPECT_EQ(list.FindRow(L"5"), 4);
  EXPECT_FALSE(list.Reading());

  list.StartRebuild(1);
  list.SelectAll();
  EXPECT_EQ(list.SelectedCount(), 5);

  // A row added meanwhile is not shown twice.
  list.StartRebuild(1);
  Add(L"6", L"HX40");
  list.SelectAdded({L"6"});
  EXPECT_EQ(list.AllIds(), (Ids{L"1", L"2", L"3", L"4", L"5", L"6"}));

  // A row a person selects while the rest is read stays selected after the open.
  list.StartRebuild(2);
  list.SetSelectedRows({1});
  list.ReadMore(100);
  EXPECT_EQ(list.SelectionAfterOpen({L"5"}), Ids{L"2"});
}

TEST_F(ExtensionListModelTest, PropertiesRenameAndTakenIds) {
  Add(L"100", L"HX40", L"Desk");
  Add(L"200", L"QQ", L"Other");
  list.Rebuild();
  ExtensionProperties props;
  ASSERT_TRUE(LoadExtensionProperties(*db, library(), L"100", props));
  EXPECT_EQ(props.family, L"Halden");
  EXPECT_EQ(props.model, L"Halden 40 card");
  EXPECT_EQ(props.modified.size(), 19u);
  ExtensionProperties unknown;
  ASSERT_TRUE(LoadExtensionProperties(*db, library(), L"200", unknown));
  EXPECT_EQ(unknown.typeCode, L"QQ");
  EXPECT_EQ(unknown.family, L"");

  EXPECT_EQ(ApplyExtensionProperties(*db, ui, props, L" 200 ", L"Desk"), PropertiesOutcome::kIdTaken);
  EXPECT_EQ(ui.LastMessage(),
            L"Cannot change '100' to '200' because there is already an extension with that ID. Specify a "
            L"different extension ID.");
  EXPECT_EQ(db->GetName(L"200"), L"Other");
  EXPECT_EQ(db->GetName(L"100"), L"Desk");

  // Only the name changes: the ID stays.
  EXPECT_EQ(ApplyExtensionProperties(*db, ui, props, L"100", L"  Front desk "), PropertiesOutcome::kSaved);
  EXPECT_EQ(db->GetName(L"100"), L"Front desk");
  list.AfterPropertiesChanged(L"100", props.id);
  EXPECT_EQ(list.SelectedIds(), Ids{L"100"});
  EXPECT_EQ(list.Text(0, ExtensionListModel::kName), L"Front desk");

  EXPECT_EQ(ApplyExtensionProperties(*db, ui, props, L"150", L"Front desk"), PropertiesOutcome::kSaved);
  EXPECT_TRUE(db->ExtensionExists(L"150"));
  list.AfterPropertiesChanged(L"100", props.id);
  EXPECT_EQ(list.AllIds(), (Ids{L"150", L"200"}));
  EXPECT_EQ(list.SelectedIds(), Ids{L"150"});

  // An empty ID is refused with the database's reason instead of silently.
  const auto before = ui.messages.size();
  EXPECT_EQ(ApplyExtensionProperties(*db, ui, props, L"  ", L"x"), PropertiesOutcome::kFailed);
  EXPECT_EQ(ui.messages.size(), before + 1);
  EXPECT_TRUE(db->ExtensionExists(L"150"));
}

}  // namespace
}  // namespace mirn::test
