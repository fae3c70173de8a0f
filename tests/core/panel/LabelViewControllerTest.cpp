// The label view's controller against a recorded host, a scripted user interface, a memory
// clipboard and a real (untitled) database.
#include <gtest/gtest.h>

#include "support/LayoutObject.h"

#include "util/StringTable.h"
#include "panel/CodeInsertion.h"
#include "panel/FieldOverflow.h"
#include "panel/LabelViewController.h"
#include "platform/Clipboard.h"
#include "platform/MemoryProfile.h"
#include "platform/RecordingCanvas.h"
#include "platform/ScriptedUserInterface.h"
#include "support/TestDatabase.h"
#include "templates/CDDFTemplate.h"
#include "text/CRTFText.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

struct FakeHost final : LabelViewHost {
  std::vector<DeviceRect> invalidated;
  std::wstring caption;
  int geometryChanges = 0;
  std::vector<DeviceRect> scrolledTo;
  std::vector<ScrollCommand> scrolls;
  struct Opening {
    EditorText text;
    DeviceRect rect;
    bool selectAll = false;
  };
  std::vector<Opening> editors;
  std::vector<std::wstring> inserted;
  int beeps = 0;
  LabelViewController* view = nullptr;
  std::wstring editorText;  // what the open editor holds when it is closed by the view

  void InvalidateLabel(const DeviceRect& r) override { invalidated.push_back(r); }
  void LabelGeometryChanged() override { ++geometryChanges; }
  void SetCaption(const std::wstring& text) override { caption = text; }
  void ScrollIntoView(const DeviceRect& r) override { scrolledTo.push_back(r); }
  void Scroll(ScrollCommand c) override { scrolls.push_back(c); }
  void OpenEditor(const EditorText& text, const DeviceRect& rect, bool selectAll) override {
    editors.push_back({text, rect, selectAll});
    editorText = text.editText;
  }
  void CloseEditor() override { view->EditorClosed(editorText, EditorDirection::Stop); }
  void InsertIntoEditor(const std::wstring& text) override {
    inserted.push_back(text);
    editorText += text;
  }
  void Beep() override { ++beeps; }
};

using test::LayoutObject;

constexpr std::uint32_t kField = DDF_SELECT | DDF_TEXT | DDF_PRINT;

std::wstring Rtf(std::wstring_view text, bool bold = false) {
  TextFormat f = EmptyTextFormat();
  f.bold = bold;
  return WriteRtf(f, text);
}

class LabelViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = test::NewTestDatabase(dir);
    ASSERT_TRUE(db);
    ASSERT_EQ(db->AddExtension(L"100", L"PHONE", L"Reception"), 0);
    ASSERT_EQ(db->AddExtension(L"200", L"PHONE", L"Sales"), 0);
    ASSERT_EQ(db->AddExtension(L"300", L"NOFIELDS", L"Lobby"), 0);
    ASSERT_EQ(db->AddExtension(L"400", L"MISSING", L"Attic"), 0);
    // 2 x 1 inch: three fields of one inch by a third of an inch, a caption, and a hidden
    // selectable field 9 at the far right.
    phone = std::make_shared<CDDFTemplate>();
    phone->header.typeCode = L"PHONE";
    phone->header.description = L"Desk phone";
    phone->header.groupName = L"Maker";
    phone->header.labelWidth = 2880;
    phone->header.labelHeight = 1440;
    phone->objects = {LayoutObject(1, kField, 0, 0, 1440, 480), LayoutObject(2, kField, 0, 480, 1440, 960),
                      LayoutObject(3, kField | DDF_REFRESH, 0, 960, 1440, 1440), LayoutObject(4, DDF_CAPTION, 1440, 0, 2880, 200),
                      LayoutObject(9, kField | DDF_HIDDEN, 2400, 400, 2880, 800)};
    noFields = std::make_shared<CDDFTemplate>();
    noFields->header.labelWidth = 1440;
    noFields->header.labelHeight = 720;
    noFields->objects = {LayoutObject(1, DDF_RECT, 0, 0, 100, 100)};
    host.view = &view;
    view.SetDatabase(db.get());
    view.SetHostSize(800, 600, 17);
  }

  std::shared_ptr<const CDDFTemplate> Find(const std::wstring& code) {
    if (code == L"PHONE") return phone;
    if (code == L"NOFIELDS") return noFields;
    return nullptr;
  }

  std::wstring Display(const std::wstring& id, int field) {
    return CRTFText(db->GetField(id, field)).GetDisplayText();
  }

  test::TempDir dir;
  std::unique_ptr<MRBBase> db;
  std::shared_ptr<CDDFTemplate> phone;
  std::shared_ptr<CDDFTemplate> noFields;
  FakeHost host;
  ScriptedUserInterface ui;
  MemoryProfile profile;
  MemoryClipboard clipboard;
  LabelViewController view{host, ui, profile, clipboard, [this](const std::wstring& c) { return Find(c); }};
};

TEST_F(LabelViewTest, ShowingAnExtensionSelectsItsFirstFieldAndNamesIt) {
  view.SetExtension(L"100");
  ASSERT_TRUE(view.HasLabel());
  EXPECT_EQ(view.Selection(), (FieldIds{1}));
  EXPECT_EQ(host.caption, L"Extension \u2018100\u2019 \u2014 Desk phone (Maker)");
  EXPECT_EQ(view.LabelSize().width, 192);
  EXPECT_EQ(view.LabelSize().height, 96);
  EXPECT_FALSE(host.scrolledTo.empty());

  // A type code the library does not hold: the stop message with the code, and no label.
  view.SetExtension(L"400");
  EXPECT_FALSE(view.HasLabel());
  EXPECT_TRUE(host.caption.empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, FormatString(LoadString(kStrMissingAddOn), {L"MISSING"}));
  EXPECT_EQ(ui.messages[0].style & mb::kIconMask, mb::kIconError);
}

TEST_F(LabelViewTest, ZoomIsClampedAndFitFollowsTheHost) {
  view.SetExtension(L"100");
  view.SetZoom(10);
  EXPECT_EQ(view.Zoom(), 15);
  view.SetZoom(2000);
  EXPECT_EQ(view.Zoom(), 1000);
  view.SetZoom(kZoomFitWidth);
  EXPECT_EQ(view.Fit(), FitMode::Width);
  EXPECT_EQ(view.Zoom(), 800 * 100 / 192);  // 96 high × 4.16 = 400 ≤ 600
  view.SetHostSize(400, 600, 17);
  EXPECT_EQ(view.Zoom(), 400 * 100 / 192);
  EXPECT_EQ(view.LabelSize().width, TwipsMapping::ForZoom(208, 96, 96).ToDeviceWidth(2880));
}

TEST_F(LabelViewTest, KeysMoveThroughFieldsInTabOrderAndScrollOtherwise) {
  view.SetExtension(L"100");
  view.KeyDown(LabelKey::Down, 0);
  EXPECT_EQ(view.Selection(), (FieldIds{2}));
  view.KeyDown(LabelKey::Tab, 0);
  view.KeyDown(LabelKey::Tab, 0);
  EXPECT_EQ(view.Selection(), (FieldIds{9}));  // hidden, still reached
  view.KeyDown(LabelKey::Right, kModShift);
  EXPECT_EQ(view.Selection(), (FieldIds{1}));  // wrapped
  view.KeyDown(LabelKey::Tab, kModShift);
  EXPECT_EQ(view.Selection(), (FieldIds{9}));
  view.KeyDown(LabelKey::Down, kModCtrl);
  view.KeyDown(LabelKey::Right, kModCtrl);
  view.KeyDown(LabelKey::PageDown, kModCtrl);
  view.KeyDown(LabelKey::Home, kModCtrl);
  view.KeyDown(LabelKey::End, 0);
  EXPECT_EQ(host.scrolls, (std::vector<ScrollCommand>{ScrollCommand::LineDown, ScrollCommand::LineRight,
                                                      ScrollCommand::PageRight, ScrollCommand::ToTopLeft,
                                                      ScrollCommand::ToRight}));
  EXPECT_EQ(view.Selection(), (FieldIds{9}));

  // A label without selectable fields: nothing is selected and arrows only scroll.
  view.SetExtension(L"300");
  EXPECT_TRUE(view.Selection().empty());
  host.scrolls.clear();
  view.KeyDown(LabelKey::Down, 0);
  view.KeyDown(LabelKey::Left, 0);
  EXPECT_EQ(host.scrolls, (std::vector<ScrollCommand>{ScrollCommand::LineDown, ScrollCommand::LineLeft}));
  EXPECT_TRUE(host.editors.empty());
}

TEST_F(LabelViewTest, SelectionChangesRedrawOnlyTheFramesThatChanged) {
  view.SetExtension(L"100");
  host.invalidated.clear();
  view.MouseDown(10, 40, 0);  // field 2 at 96 dpi: y 32..64
  EXPECT_EQ(view.Selection(), (FieldIds{2}));
  // Field 1 lost its frame, field 2 gained one; nothing else was redrawn.
  EXPECT_EQ(host.invalidated, (std::vector<DeviceRect>{view.FieldRect(1).Inflated(2), view.FieldRect(2).Inflated(2)}));
  view.MouseUp(10, 40, 0);
  // Ctrl+click on the only selected field empties the selection.
  view.MouseDown(10, 40, kModCtrl);
  view.MouseUp(10, 40, kModCtrl);
  EXPECT_TRUE(view.Selection().empty());
  // A rubber band from field 1 down into field 3.
  view.MouseDown(5, 5, 0);
  view.MouseMove(20, 70);
  EXPECT_EQ(view.RubberBand(), (DeviceRect{5, 5, 20, 70}));
  view.MouseUp(20, 70, 0);
  EXPECT_EQ(view.Selection(), (FieldIds{1, 2, 3}));
  EXPECT_FALSE(view.RubberBand().has_value());
}

TEST_F(LabelViewTest, TypingOverAFieldReplacesItsTextInItsOwnStyle) {
  db->SetField(L"100", 1, Rtf(L"Old", true));
  view.SetExtension(L"100");
  view.Character(L'N');
  // Characters typed before the editor window takes the keyboard go to it, in order.
  view.Character(L'e');
  view.Character(L'w');
  ASSERT_EQ(host.editors.size(), 1u);
  EXPECT_EQ(host.editors[0].text.editText, L"N");
  EXPECT_EQ(host.inserted, (std::vector<std::wstring>{L"e", L"w"}));
  EXPECT_EQ(host.editors[0].text.storedText, L"Old");
  EXPECT_FALSE(host.editors[0].selectAll);
  EXPECT_EQ(host.editors[0].rect, view.FieldRect(1));
  view.EditorClosed(std::wstring(L"New"), EditorDirection::Stop);
  const CRTFText stored(db->GetField(L"100", 1));
  EXPECT_EQ(stored.GetDisplayText(), L"New");
  EXPECT_EQ(stored.GetFirstFormat().bold, 1);
  EXPECT_TRUE(db->IsModified());
}

// The toolbar shows a style where every selected field has it, and neither state where they
// differ.
TEST_F(LabelViewTest, SelectionFormatIsWhatEverySelectedFieldShares) {
  db->SetField(L"100", 1, Rtf(L"Bold", true));
  db->SetField(L"100", 2, Rtf(L"Plain"));
  view.SetExtension(L"100");
  view.Select({1});
  auto shared = view.SelectionFormat();
  EXPECT_EQ(shared.bold, std::optional<bool>(true));
  EXPECT_EQ(shared.italic, std::optional<bool>(false));
  view.Select({1, 2});
  shared = view.SelectionFormat();
  EXPECT_FALSE(shared.bold.has_value());
  EXPECT_EQ(shared.italic, std::optional<bool>(false));
  EXPECT_EQ(shared.face, CRTFText(db->GetField(L"100", 1)).GetFirstFormat().face);
  EXPECT_EQ(shared.size, CRTFText(db->GetField(L"100", 2)).GetFirstFormat().size);
  view.Select({});
  EXPECT_FALSE(view.SelectionFormat().bold.has_value());
}

TEST_F(LabelViewTest, TabThroughFieldsStoresChangesAndWrapsToTheFirst) {
  db->SetField(L"100", 2, Rtf(L"Same"));
  view.SetExtension(L"100");
  view.KeyDown(LabelKey::F2, 0);
  ASSERT_EQ(host.editors.size(), 1u);
  EXPECT_TRUE(host.editors[0].selectAll);
  view.EditorClosed(std::wstring(L"One\r\nTwo"), EditorDirection::Next);
  EXPECT_EQ(Display(L"100", 1), L"One\nTwo");
  // The new field's text uses the default font of the preferences.
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetFirstFormat(), view.DefaultFont());
  ASSERT_EQ(host.editors.size(), 2u);
  EXPECT_EQ(host.editors[1].text.fieldId, 2u);
  const std::wstring before = db->GetField(L"100", 2);
  view.EditorClosed(std::wstring(L"Same"), EditorDirection::Next);  // unchanged: not written
  EXPECT_EQ(db->GetField(L"100", 2), before);
  EXPECT_EQ(host.editors.back().text.fieldId, 3u);
  view.EditorClosed(std::nullopt, EditorDirection::Next);  // cancelled, still moves on
  EXPECT_EQ(host.editors.back().text.fieldId, 9u);
  view.EditorClosed(std::wstring(L"x"), EditorDirection::Next);
  EXPECT_EQ(host.editors.back().text.fieldId, 1u);  // past the last field: the first
  view.EditorClosed(std::wstring(L"x"), EditorDirection::Previous);
  EXPECT_EQ(host.editors.back().text.fieldId, 9u);
  EXPECT_EQ(view.Selection(), (FieldIds{9}));
  view.EditorClosed(std::nullopt, EditorDirection::Stop);
  EXPECT_FALSE(view.EditorOpen());
}

TEST_F(LabelViewTest, EmptyResultsAndTheRefreshOfNameCodes) {
  db->SetField(L"100", 1, Rtf(L"Gone"));
  db->SetField(L"100", 2, Rtf(L"{NAME}"));
  view.SetExtension(L"100");
  view.OpenEditor(1);
  view.EditorClosed(std::wstring(), EditorDirection::Stop);
  // Arial 12 pt is not the default font (Arial 9 pt centred): the style stays with no text.
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetDisplayText(), L"");
  EXPECT_FALSE(db->GetField(L"100", 1).empty());
  profile.WriteString(L"Preferences", L"Default Font", FormatStyleString(EmptyTextFormat()));
  GetDefaultFont(profile, true);
  db->SetField(L"100", 1, Rtf(L"Again"));
  view.OpenEditor(1);
  view.EditorClosed(std::wstring(), EditorDirection::Stop);
  EXPECT_TRUE(db->GetField(L"100", 1).empty());
  GetDefaultFont(MemoryProfile(), true);

  // Field 3 refreshes name codes: the shown name is read again from the database.
  const auto fields = view.Fields();
  EXPECT_EQ(fields[1].displayText, L"Reception");
  db->UpdateExtension(L"100", std::nullopt, std::wstring(L"Front desk"));
  view.OpenEditor(3);
  view.EditorClosed(std::wstring(L"changed"), EditorDirection::Stop);
  EXPECT_EQ(view.Fields()[1].displayText, L"Front desk");
}

TEST_F(LabelViewTest, ClipboardNeedsExactlyOneFieldAndLosesNothingWhenLocked) {
  db->SetField(L"100", 1, Rtf(L"{EXT} desk", true));
  view.SetExtension(L"100");
  view.Copy();
  EXPECT_EQ(clipboard.contents.plainText, L"100 desk");
  EXPECT_NE(clipboard.contents.formats[L"Mirn Rich Text Format"].find("\\{EXT\\} desk"), std::string::npos);
  view.Select({2});
  view.Paste();
  EXPECT_EQ(db->GetField(L"100", 2), db->GetField(L"100", 1));

  // Plain text takes the field's current format; the Mirn format wins over plain text.
  clipboard.contents = {};
  clipboard.contents.plainText = L"plain";
  view.Select({1});
  view.Paste();
  EXPECT_EQ(db->GetField(L"100", 1), Rtf(L"plain", true));

  view.Select({1, 2});
  view.Copy();
  view.Paste();
  view.Cut();
  EXPECT_EQ(host.beeps, 3);
  EXPECT_FALSE(db->GetField(L"100", 2).empty());

  clipboard.locked = true;
  view.Select({1});
  view.Cut();
  EXPECT_EQ(db->GetField(L"100", 1), Rtf(L"plain", true));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(L"locked the clipboard"), std::wstring::npos);
  clipboard.locked = false;
  view.Cut();
  EXPECT_TRUE(db->GetField(L"100", 1).empty());
  EXPECT_EQ(clipboard.contents.plainText, L"plain");
}

TEST_F(LabelViewTest, FormatCommandsFollowTheFirstSelectedField) {
  db->SetField(L"100", 1, Rtf(L"A", true));
  db->SetField(L"100", 2, Rtf(L"B"));
  view.SetExtension(L"100");
  view.Select({2, 1});
  view.ToggleBold();  // field 2 is not bold: both become bold
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetFirstFormat().bold, 1);
  EXPECT_EQ(CRTFText(db->GetField(L"100", 2)).GetFirstFormat().bold, 1);
  view.ToggleBold();
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetFirstFormat().bold, 0);

  view.Select({1});
  view.SetSize(143);
  view.ChangeSize(2);
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetFirstFormat().size, 144);
  view.SetSize(6);
  view.ChangeSize(-2);
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetFirstFormat().size, 4);
  view.ChangeSize(-2);
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetFirstFormat().size, 4);
  view.SetAlignment(Alignment::Justify);
  view.SetColor(MakeColor(255, 0, 0));
  view.SetFace(L"Courier New");
  const TextFormat f = CRTFText(db->GetField(L"100", 1)).GetFirstFormat();
  EXPECT_EQ(f.alignment, Alignment::Justify);
  EXPECT_EQ(f.color, MakeColor(255, 0, 0));
  EXPECT_EQ(f.face, L"Courier New");
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetDisplayText(), L"A");
}

TEST_F(LabelViewTest, RotateMovesTextsAlongTheSelectionOrder) {
  db->SetField(L"100", 1, Rtf(L"A"));
  db->SetField(L"100", 2, Rtf(L"B"));
  db->SetField(L"100", 3, Rtf(L"C"));
  view.SetExtension(L"100");
  view.Select({1, 2, 3});
  view.Rotate(false);
  EXPECT_EQ(Display(L"100", 1), L"C");
  EXPECT_EQ(Display(L"100", 2), L"A");
  EXPECT_EQ(Display(L"100", 3), L"B");
  view.Rotate(true);
  EXPECT_EQ(Display(L"100", 1), L"A");
  EXPECT_EQ(Display(L"100", 3), L"C");
  view.Select({3, 1});  // selection order, not id order
  view.Rotate(false);
  EXPECT_EQ(Display(L"100", 3), L"A");
  EXPECT_EQ(Display(L"100", 1), L"C");
}

// Shrink to Fit on the label: of the selected fields, only those whose text does not fit are
// made smaller, to the largest size that fits, all in one undo step.
TEST_F(LabelViewTest, ShrinkToFitLowersOnlyTheOverflowingSelectedFieldsAsOneStep) {
  const std::wstring tooLong = Rtf(L"ABCDEFGHIJKLMNOPQRST");  // 12 pt: 2520 units in a 1440 field
  db->SetField(L"100", 1, tooLong);
  db->SetField(L"100", 2, Rtf(L"AB"));
  db->SetField(L"100", 3, tooLong);
  view.SetExtension(L"100");
  view.Select({1, 2});
  RecordingCanvas measuring(1440, 1440);
  EXPECT_EQ(view.ShrinkSelectionToFit(measuring), 1);
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetFirstFormat().size, 13);  // 6.5 pt, the largest that fits
  EXPECT_EQ(Display(L"100", 1), L"ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(db->GetField(L"100", 2), Rtf(L"AB"));
  EXPECT_EQ(db->GetField(L"100", 3), tooLong);  // not selected
  EXPECT_EQ(view.ShrinkSelectionToFit(measuring), 0);  // fits now: nothing to do, no step
  view.Undo();
  EXPECT_EQ(db->GetField(L"100", 1), tooLong);
  EXPECT_FALSE(view.CanUndo());
}

// An edit of several extensions made elsewhere (the print run's Shrink to Fit) is one undo
// step: the shown label shows the new text at once, and one Undo restores every extension.
TEST_F(LabelViewTest, AnEditOfSeveralExtensionsIsOneUndoStep) {
  db->SetField(L"100", 1, Rtf(L"long"));
  db->SetField(L"200", 2, Rtf(L"longer"));
  view.SetExtension(L"100");
  ASSERT_EQ(view.Fields()[0].displayText, L"long");
  db->SetField(L"100", 1, Rtf(L"short"));  // written by the command before it tells
  EditStep step;
  step.extensionId = L"100";
  step.changes = {{1, Rtf(L"long"), Rtf(L"short"), L"100"}, {2, Rtf(L"longer"), Rtf(L"shorter"), L"200"}};
  view.RecordEdit(step);
  EXPECT_EQ(view.Fields()[0].displayText, L"short");
  EXPECT_EQ(Display(L"200", 2), L"shorter");
  view.Undo();
  EXPECT_EQ(Display(L"100", 1), L"long");
  EXPECT_EQ(Display(L"200", 2), L"longer");
  EXPECT_EQ(view.Fields()[0].displayText, L"long");
  EXPECT_FALSE(view.CanUndo());
  view.Redo();
  EXPECT_EQ(Display(L"200", 2), L"shorter");
}

TEST_F(LabelViewTest, CodesGoIntoTheOpenEditorOrOpenOneAfterTheText) {
  db->SetField(L"100", 1, Rtf(L"Hi "));
  view.SetExtension(L"100");
  view.InsertCode(ExtensionIdCode());
  ASSERT_EQ(host.editors.size(), 1u);
  EXPECT_EQ(host.editors[0].text.editText, L"Hi {Ext}");
  EXPECT_FALSE(host.editors[0].selectAll);
  TextFormat red = EmptyTextFormat();
  red.color = MakeColor(255, 0, 0);
  view.InsertCode(OtherNameCode(NameCodeStyle::ExtThenName, L"200"), red);
  EXPECT_EQ(host.inserted, (std::vector<std::wstring>{L"Ext. 200\r\n{Name:200}"}));
  view.EditorClosed(host.editorText, EditorDirection::Stop);
  const CRTFText stored(db->GetField(L"100", 1), L"100", L"Reception");
  EXPECT_EQ(stored.GetDisplayText(), L"Hi 100Ext. 200\n");
  EXPECT_EQ(stored.GetFirstFormat().color, MakeColor(255, 0, 0));
  EXPECT_EQ(OtherNameCode(NameCodeStyle::Normal, L"7"), L"{Name:7}");
  EXPECT_EQ(OtherNameCode(NameCodeStyle::NameThenExt, L"7"), L"{Name:7}\r\nExt. 7");
  EXPECT_EQ(ThisNameCode(), L"{Name}");
  EXPECT_EQ(CodesMenuColumnBreaks(20, 10), (std::vector<std::size_t>{5, 15}));
}

TEST_F(LabelViewTest, UndoRestoresStoredTextsAcrossExtensionsUntilTheDatabaseChanges) {
  db->SetField(L"100", 1, Rtf(L"A"));
  view.SetExtension(L"100");
  view.Clear();
  EXPECT_TRUE(db->GetField(L"100", 1).empty());
  view.SetExtension(L"200");
  view.OpenEditor(2);
  view.EditorClosed(std::wstring(L"typed"), EditorDirection::Stop);
  view.Undo();
  EXPECT_TRUE(db->GetField(L"200", 2).empty());
  view.Undo();  // the clear on the extension no longer shown
  EXPECT_EQ(db->GetField(L"100", 1), Rtf(L"A"));
  EXPECT_FALSE(view.CanUndo());
  view.Redo();
  EXPECT_TRUE(db->GetField(L"100", 1).empty());
  EXPECT_TRUE(view.CanRedo());
  view.SetDatabase(db.get());
  EXPECT_FALSE(view.CanRedo());
  EXPECT_FALSE(view.HasLabel());
}

TEST_F(LabelViewTest, AnEditAfterUndoLeavesNothingOlderToUndo) {
  view.SetExtension(L"100");
  view.OpenEditor(1);
  view.EditorClosed(std::wstring(L"first"), EditorDirection::Stop);
  view.Undo();
  view.OpenEditor(2);
  view.EditorClosed(std::wstring(L"second"), EditorDirection::Stop);
  EXPECT_FALSE(view.CanRedo());
  view.Undo();
  EXPECT_FALSE(view.CanUndo());
  EXPECT_TRUE(db->GetField(L"100", 1).empty());
  EXPECT_TRUE(db->GetField(L"100", 2).empty());
}

TEST_F(LabelViewTest, SwitchingExtensionsClosesTheEditorOnItsOwnExtension) {
  view.SetExtension(L"100");
  view.Character(L'Z');
  view.SetExtension(L"200");
  EXPECT_FALSE(view.EditorOpen());
  EXPECT_EQ(Display(L"100", 1), L"Z");
  EXPECT_TRUE(db->GetField(L"200", 1).empty());
}

TEST_F(LabelViewTest, PaintMarksOverflowingFieldsAndFramesTheSelectionWithFocus) {
  db->SetField(L"100", 1, Rtf(L"A name far too long for one inch"));
  db->SetField(L"100", 2, Rtf(L"Short"));
  view.SetExtension(L"100");
  RecordingCanvas measure(kOverflowMeasureDpi, kOverflowMeasureDpi);
  view.SetMeasureCanvas(&measure);
  view.SetFocus(true);
  RecordingCanvas screen;
  view.Paint(screen, std::nullopt);
  int marks = 0;
  bool framed = false;
  const DeviceRect f1 = view.FieldRect(1);
  for (const CanvasOp& op : screen.Ops()) {
    if (op.kind == CanvasOpKind::FillRect && op.color == MakeColor(220, 0, 0)) {
      ++marks;
      EXPECT_EQ(op.rect.right, f1.right - 1);
      EXPECT_EQ(op.rect.top, f1.top + 1);
    }
    if (op.kind == CanvasOpKind::FrameRect && op.rect == f1.Inflated(1)) framed = true;
  }
  EXPECT_EQ(marks, 1);
  EXPECT_TRUE(framed);
  const auto fields = view.Fields();
  EXPECT_TRUE(fields[0].overflows);
  EXPECT_FALSE(fields[1].overflows);
  EXPECT_TRUE(fields[0].selected);
}

}  // namespace
}  // namespace mirn
