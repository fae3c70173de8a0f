// The layout document the designer edits: each edit and its undo and redo, steps that group
// a drag, refused edits, the slot grid, new ids, field defaults and writing back.
#include <gtest/gtest.h>

#include <functional>

#include "layouts/LayoutDocument.h"
#include "support/PseudoCatalog.h"
#include "support/TestSupport.h"
#include "templates/DDFReader.h"
#include "templates/DDFWriter.h"
#include "templates/TemplateSource.h"
#include "util/ByteSource.h"

namespace mirn {
namespace {

// A strip of two fields and a frame on a Letter sheet of two slots.
LayoutDocument Strip() {
  LayoutDocument d;
  EXPECT_EQ(d.SetTypeCode(L"st2"), L"");
  EXPECT_EQ(d.SetGroupName(L"Acme"), L"");
  EXPECT_EQ(d.SetDescription(L"Acme strip"), L"");
  EXPECT_EQ(d.SetLabelSize(1440, 5760), L"");
  d.GenerateSlots({2, 1, {720, 720}, 1800, 0});
  d.AddObject(LayoutObjectKind::TextField, 0, 0, 1440, 720);
  d.AddObject(LayoutObjectKind::TextField, 0, 720, 1440, 1440);
  d.AddObject(LayoutObjectKind::Frame, 0, 0, 1440, 5760);
  return LayoutDocument::FromTemplate(d.Layout(), d.Preamble());
}

TEST(LayoutDocument, NewLayoutAndAddedObjects) {
  const LayoutDocument d = Strip();
  EXPECT_FALSE(d.IsModified());
  EXPECT_FALSE(d.CanUndo());
  const CDDFTemplate& t = d.Layout();
  EXPECT_EQ(t.GetVersion(), L"270");
  EXPECT_EQ(t.GetTypeCode(), L"ST2");  // up-cased
  EXPECT_EQ(t.GetSlots(), (std::vector<LabelSlot>{{720, 720}, {2520, 720}}));
  ASSERT_EQ(t.GetObjects().size(), 3u);
  EXPECT_EQ(t.GetObjects()[0].id, 1101u);
  EXPECT_EQ(t.GetObjects()[0].flags, DDF_PRINT | DDF_SELECT | DDF_TEXT);
  EXPECT_EQ(t.GetObjects()[1].id, 1102u);
  EXPECT_EQ(t.GetObjects()[2].id, 2001u);
  EXPECT_EQ(t.GetObjects()[2].flags, DDF_PRINT | DDF_RECT | DDF_HOLLOW);
  EXPECT_EQ(d.NextFreeId(LayoutObjectKind::TextField), 1103u);
  EXPECT_EQ(d.NextFreeId(LayoutObjectKind::Ellipse), 2002u);
}

struct EditCase {
  const char* name;
  std::function<void(LayoutDocument&)> edit;
  std::function<bool(const CDDFTemplate&)> done;
};

class LayoutEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(LayoutEditTest, EditsUndoAndRedo) {
  LayoutDocument d = Strip();
  const std::string before = d.Bytes();
  GetParam().edit(d);
  ASSERT_TRUE(GetParam().done(d.Layout())) << GetParam().name;
  EXPECT_TRUE(d.IsModified());
  const std::string after = d.Bytes();
  EXPECT_NE(after, before);
  ASSERT_TRUE(d.Undo());
  EXPECT_EQ(d.Bytes(), before);
  EXPECT_FALSE(d.IsModified());
  EXPECT_FALSE(d.CanUndo());
  ASSERT_TRUE(d.Redo());
  EXPECT_EQ(d.Bytes(), after);
  EXPECT_TRUE(d.IsModified());
  EXPECT_FALSE(d.Redo());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, LayoutEditTest,
    ::testing::Values(
        EditCase{"type code", [](LayoutDocument& d) { d.SetTypeCode(L"  NEW9 "); },
                 [](const CDDFTemplate& t) { return t.GetTypeCode() == L"NEW9"; }},
        EditCase{"maker", [](LayoutDocument& d) { d.SetGroupName(L"Corvane"); },
                 [](const CDDFTemplate& t) { return t.GetGroupName() == L"Corvane"; }},
        EditCase{"name", [](LayoutDocument& d) { d.SetDescription(L"Strip \u00e9"); },
                 [](const CDDFTemplate& t) { return t.GetDescription() == L"Strip \u00e9"; }},
        EditCase{"label size", [](LayoutDocument& d) { d.SetLabelSize(1500, 6000); },
                 [](const CDDFTemplate& t) { return t.GetLabelWidth() == 1500 && t.GetLabelHeight() == 6000; }},
        EditCase{"orientation", [](LayoutDocument& d) { d.SetLandscape(true); },
                 [](const CDDFTemplate& t) { return t.IsLandscape(); }},
        EditCase{"A4 plain paper", [](LayoutDocument& d) { d.SetStock({SheetPaper::A4, true}); },
                 [](const CDDFTemplate& t) { return StockOf(t) == SheetStock{SheetPaper::A4, true}; }},
        EditCase{"grid", [](LayoutDocument& d) { d.GenerateSlots({3, 2, {100, 200}, 2000, 6000}); },
                 [](const CDDFTemplate& t) { return t.slots.size() == 6 && t.slots[4] == LabelSlot{2100, 6200}; }},
        EditCase{"move slot", [](LayoutDocument& d) { d.MoveSlot(1, {2600, 700}); },
                 [](const CDDFTemplate& t) { return t.slots[1] == LabelSlot{2600, 700}; }},
        EditCase{"delete slot", [](LayoutDocument& d) { d.DeleteSlot(0); },
                 [](const CDDFTemplate& t) { return t.slots == std::vector<LabelSlot>{{2520, 720}}; }},
        EditCase{"add slot", [](LayoutDocument& d) { d.AddSlot({4320, 720}); },
                 [](const CDDFTemplate& t) { return t.slots.size() == 3; }},
        EditCase{"add ellipse", [](LayoutDocument& d) { d.AddObject(LayoutObjectKind::Ellipse, 10, 10, 5, 5); },
                 [](const CDDFTemplate& t) {
                   const CDDFObject* o = t.FindObject(2002);
                   return o && o->Has(DDF_ELLIPSE) && o->left == 5 && o->right == 10;  // put the right way round
                 }},
        EditCase{"caption", [](LayoutDocument& d) { d.SetCaption(2001, L"Line keys"); },
                 [](const CDDFTemplate& t) { return t.FindObject(2001)->GetCaption() == L"Line keys"; }},
        EditCase{"field default",
                 [](LayoutDocument& d) {
                   TextFormat bold;
                   bold.face = L"Arial";
                   bold.bold = 1;
                   bold.alignment = Alignment::Center;
                   d.SetFieldDefault(1101, {L"Ext {EXT}", bold});
                 },
                 [](const CDDFTemplate& t) {
                   const FieldDefault back = ReadFieldDefault(*t.FindObject(1101));
                   return back.text == L"Ext {EXT}" && back.format && back.format->bold &&
                          back.format->alignment == Alignment::Center;
                 }},
        EditCase{"light", [](LayoutDocument& d) { d.SetFlag(2001, DDF_LIGHT, true); },
                 [](const CDDFTemplate& t) { return t.FindObject(2001)->Has(DDF_LIGHT); }},
        EditCase{"screen only", [](LayoutDocument& d) { d.SetFlag(1101, DDF_PRINT, false); },
                 [](const CDDFTemplate& t) { return !t.FindObject(1101)->Has(DDF_PRINT); }},
        EditCase{"colour", [](LayoutDocument& d) { d.SetColor(1102, 0x00C0FFFF); },
                 [](const CDDFTemplate& t) { return t.FindObject(1102)->color == 0x00C0FFFFu; }},
        EditCase{"kind", [](LayoutDocument& d) { d.SetObjectKind(2001, LayoutObjectKind::RoundedRectangle); },
                 [](const CDDFTemplate& t) {
                   const CDDFObject* o = t.FindObject(2001);
                   return o->Has(DDF_ROUNDRECT) && !o->Has(DDF_RECT) && o->Has(DDF_HOLLOW);
                 }},
        EditCase{"rectangle", [](LayoutDocument& d) { d.SetObjectRect(1102, 100, 800, 1300, 1400); },
                 [](const CDDFTemplate& t) { return t.FindObject(1102)->left == 100; }},
        EditCase{"move", [](LayoutDocument& d) { d.MoveObjects({1101, 1102}, 15, -20); },
                 [](const CDDFTemplate& t) { return t.FindObject(1101)->left == 15 && t.FindObject(1102)->top == 700; }},
        EditCase{"delete", [](LayoutDocument& d) { d.DeleteObjects({1101, 2001}); },
                 [](const CDDFTemplate& t) { return t.objects.size() == 1; }},
        EditCase{"renumber",
                 [](LayoutDocument& d) {
                   CDDFObject o = *d.FindObject(1101);
                   o.id = 1300;
                   d.ReplaceObject(1101, o);
                 },
                 [](const CDDFTemplate& t) { return !t.FindObject(1101) && t.objects.back().id == 2001; }}),
    [](const ::testing::TestParamInfo<EditCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

// A field's default stays plain text until its alignment or size differs from the user's
// default; one that has a style keeps it, with the new alignment and size.
TEST(FieldDefaults, AStyleIsAddedOnlyWhenTheBoxesDifferFromTheDefault) {
  const std::int32_t size = DefaultStyleFormat().size;
  const FieldDefault plain = WithTextAndStyle({L"old", std::nullopt}, L"Ext", Alignment::Left, size);
  EXPECT_EQ(plain.text, L"Ext");
  EXPECT_FALSE(plain.format);
  const FieldDefault centred = WithTextAndStyle({L"old", std::nullopt}, L"Ext", Alignment::Center, size);
  ASSERT_TRUE(centred.format);
  EXPECT_EQ(centred.format->alignment, Alignment::Center);
  const FieldDefault larger = WithTextAndStyle({L"old", std::nullopt}, L"Ext", Alignment::Left, size + 4);
  ASSERT_TRUE(larger.format);
  EXPECT_EQ(larger.format->size, size + 4);
  TextFormat bold = DefaultStyleFormat();
  bold.bold = true;
  const FieldDefault styled = WithTextAndStyle({L"old", bold}, L"Ext", Alignment::Left, size);
  ASSERT_TRUE(styled.format);
  EXPECT_TRUE(styled.format->bold);
  EXPECT_EQ(styled.format->alignment, Alignment::Left);
}

TEST(LayoutDocument, StepsGroupEditsAndNoChangeIsNoStep) {
  LayoutDocument d = Strip();
  const std::string before = d.Bytes();
  d.BeginStep();
  for (int i = 0; i < 5; ++i) d.MoveObjects({2001}, 10, 0);
  d.BeginStep();  // nested: still the same step
  d.MoveObjects({2001}, 0, 10);
  d.EndStep();
  d.EndStep();
  EXPECT_EQ(d.FindObject(2001)->left, 50);
  ASSERT_TRUE(d.Undo());
  EXPECT_EQ(d.Bytes(), before);
  EXPECT_FALSE(d.CanUndo());

  // Edits that change nothing leave no step behind and clear no redo.
  ASSERT_TRUE(d.Redo());
  d.Undo();
  d.SetTypeCode(L"ST2");
  d.MoveObjects({2001}, 0, 0);
  d.MoveObjects({9999}, 5, 5);
  d.SetColor(9999, 1);
  EXPECT_FALSE(d.CanUndo());
  EXPECT_TRUE(d.CanRedo());
  // A new edit after an undo drops what could have been redone.
  d.SetLandscape(true);
  EXPECT_FALSE(d.CanRedo());
}

TEST(LayoutDocument, RefusedEditsSayWhyAndChangeNothing) {
  LayoutDocument d = Strip();
  EXPECT_EQ(d.SetTypeCode(L"TOOLONGCODE"), L"The type code is 11 characters long; its field in the layout file holds 8.");
  EXPECT_EQ(d.SetDescription(std::wstring(65, L'x')),
            L"The name is 65 characters long; its field in the layout file holds 64.");
  EXPECT_EQ(d.SetGroupName(L"\u4e2d"), L"The maker's name holds a character the layout file cannot store.");
  EXPECT_EQ(d.SetLabelSize(0, 100), L"The label needs a width and a height above zero.");
  EXPECT_EQ(d.SetCaption(2001, std::wstring(641, L'c')),
            L"Frame 2001: the text is 641 characters long; its field in the layout file holds 640.");
  EXPECT_FALSE(d.CanUndo());
  EXPECT_FALSE(d.IsModified());

  // An older-format layout holds 128 characters per text.
  CDDFTemplate old = d.Layout();
  old.header.version = L"DDF";
  LayoutDocument older = LayoutDocument::FromTemplate(old);
  EXPECT_EQ(older.SetCaption(1101, std::wstring(129, L'c')),
            L"Text field 1101: the text is 129 characters long; its field in the layout file holds 128.");
  EXPECT_EQ(older.SetCaption(1101, std::wstring(128, L'c')), L"");

  // The refusals are whole texts of the language, the object named inside them.
  test::PseudoLanguage pseudo;
  const std::wstring refused = d.SetCaption(2001, std::wstring(641, L'c'));
  EXPECT_EQ(refused.rfind(L"\u00ab\u00ab", 0), 0u) << refused;  // the text's words, then the object's name
  EXPECT_NE(refused.find(L"2001"), std::wstring::npos);
  EXPECT_EQ(refused.find(L": the text is"), std::wstring::npos);
}

TEST(LayoutDocument, GridFillsRowByRow) {
  EXPECT_EQ(GridSlots({2, 3, {100, 200}, 1000, 500}),
            (std::vector<LabelSlot>{{100, 200}, {1100, 200}, {100, 700}, {1100, 700}, {100, 1200}, {1100, 1200}}));
  EXPECT_TRUE(GridSlots({0, 3, {}, 1, 1}).empty());
  EXPECT_EQ(GridSlots({1, 1, {5, 6}, 0, 0}), (std::vector<LabelSlot>{{5, 6}}));
}

bool SameGrid(const SlotGrid& a, const SlotGrid& b) {
  return a.columns == b.columns && a.rows == b.rows && a.first == b.first && a.pitchX == b.pitchX &&
         a.pitchY == b.pitchY;
}

TEST(LayoutDocument, GridIsFoundBackFromItsSlots) {
  const SlotGrid grid{3, 4, {300, 400}, 2000, 1500};
  EXPECT_TRUE(SameGrid(GridOf(GridSlots(grid), 100, 100), grid));
  const SlotGrid column{1, 5, {0, 10}, 999, 700};
  EXPECT_TRUE(SameGrid(GridOf(GridSlots(column), 999, 50), column));
  // No grid: one slot at the first, pitches of the label; none: half an inch in.
  EXPECT_TRUE(SameGrid(GridOf({{0, 0}, {100, 0}, {300, 0}}, 80, 90), SlotGrid{1, 1, {0, 0}, 80, 90}));
  EXPECT_TRUE(SameGrid(GridOf({{0, 0}, {100, 0}, {0, 50}}, 80, 90), SlotGrid{1, 1, {0, 0}, 80, 90}));
  EXPECT_TRUE(SameGrid(GridOf({}, 80, 90), SlotGrid{1, 1, {720, 720}, 80, 90}));
}

TEST(LayoutDocument, NewIdsStayOutOfThePicturesAndOfEachOther) {
  CDDFTemplate t;
  t.header.version = L"270";
  CDDFObject field = MakeLayoutObject(LayoutObjectKind::TextField, 1999, 0, 0, 1, 1);
  CDDFObject shape = MakeLayoutObject(LayoutObjectKind::Caption, 2000, 0, 0, 1, 1);
  t.objects = {field, shape};
  LayoutDocument d = LayoutDocument::FromTemplate(t);
  // The fields' range is full up to the shapes': the next field goes above every id.
  EXPECT_EQ(d.NextFreeId(LayoutObjectKind::TextField), 2001u);
  EXPECT_EQ(d.NextFreeId(LayoutObjectKind::Caption), 2001u);
  const std::uint32_t id = d.AddObject(LayoutObjectKind::TextField, 0, 0, 10, 10);
  EXPECT_EQ(id, 2001u);
  EXPECT_EQ(d.NextFreeId(LayoutObjectKind::DottedFrame), 2002u);
}

TEST(LayoutDocument, WrittenLayoutReadsBackEqualAndItsSourceBuildsTheSameBytes) {
  LayoutDocument d = Strip();
  d.SetStock({SheetPaper::A4, true});
  d.SetCaption(2001, L"Caf\u00e9");
  test::TempDir dir;
  const std::filesystem::path file = dir / "st2.ddf";
  test::WriteFile(file, d.Bytes());
  const LayoutDocument back = LayoutDocument::Load(file);
  EXPECT_EQ(back.Path(), file);
  EXPECT_EQ(back.Bytes(), d.Bytes());
  EXPECT_EQ(back.Stock(), (SheetStock{SheetPaper::A4, true}));
  EXPECT_EQ(back.Layout().FindObject(2001)->GetCaption(), L"Caf\u00e9");

  // Shared as text: the dump builds back to the same file.
  const std::string written = d.Bytes();  // the source reads it in place
  const MemoryByteSource bytes(written);
  const std::string source = DumpTemplateSource(LoadInFileOrder(bytes, L"st2"), ReadPreamble(bytes));
  EXPECT_EQ(CompileTemplateSource(source), d.Bytes());
}

}  // namespace
}  // namespace mirn
