// The designer's preview of an extension: the extensions of the layout's type code are
// offered first, and the label shows the chosen one's texts field by field, the layout's
// own defaults with none chosen.
#include <gtest/gtest.h>

#include "layouts/DesignerPreview.h"
#include "layouts/LayoutDocument.h"
#include "support/TestDatabase.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

TEST(DesignerPreview, ExtensionsOfTheLayoutComeFirstInTheirOrder) {
  const std::vector<PreviewExtension> all = {
      {L"100", L"Reception", L"DESK"}, {L"101", L"Porter", L"WALL"}, {L"102", L"Kitchen", L"DESK"},
      {L"103", L"", L"BASE"}};
  const std::vector<PreviewExtension> desk = PreviewOrder(all, L"desk");
  ASSERT_EQ(desk.size(), 4u);
  EXPECT_EQ(desk[0].id, L"100");
  EXPECT_EQ(desk[1].id, L"102");
  EXPECT_EQ(desk[2].id, L"101");
  EXPECT_EQ(desk[3].id, L"103");
  // A new layout without a type code, or one no extension uses: all, as given.
  EXPECT_EQ(PreviewOrder(all, L""), all);
  EXPECT_EQ(PreviewOrder(all, L"OTHER"), all);
  EXPECT_EQ(PreviewChoiceText(all[0]), L"100 Reception (DESK)");
  EXPECT_EQ(PreviewChoiceText(all[3]), L"103 (BASE)");
}

TEST(DesignerPreview, TextsOfTheChosenExtensionByFieldId) {
  LayoutDocument d;
  const std::uint32_t first = d.AddObject(LayoutObjectKind::TextField, 0, 0, 100, 100);
  const std::uint32_t second = d.AddObject(LayoutObjectKind::TextField, 0, 100, 100, 200);
  const std::uint32_t frame = d.AddObject(LayoutObjectKind::Frame, 0, 200, 100, 300);
  ASSERT_TRUE(d.SetFieldDefault(first, {L"Name here", std::nullopt}).empty());
  ASSERT_TRUE(d.SetFieldDefault(second, {L"Number", std::nullopt}).empty());

  MemoryFieldTextSource extension;
  extension.AddExtension(L"100", L"Reception");
  extension.SetField(L"100", static_cast<int>(first), L"Alice");
  extension.SetField(L"100", static_cast<int>(frame), L"not a text field");
  extension.SetField(L"100", 9999, L"a field this layout lacks");

  DesignerPreviewTexts texts(d);
  EXPECT_EQ(texts.GetFieldText(L"", static_cast<int>(first)), L"Name here");
  EXPECT_EQ(texts.GetExtensionName(L"100"), std::nullopt);
  texts.Show(extension, L"100");
  EXPECT_EQ(texts.ExtensionId(), L"100");
  EXPECT_EQ(texts.GetFieldText(L"100", static_cast<int>(first)), L"Alice");
  // A field the extension holds no text for is empty, as it prints, not the default.
  EXPECT_EQ(texts.GetFieldText(L"100", static_cast<int>(second)), L"");
  EXPECT_EQ(texts.GetFieldText(L"100", static_cast<int>(frame)), L"");
  EXPECT_EQ(texts.GetFieldText(L"100", 9999), L"");
  EXPECT_EQ(texts.GetExtensionName(L"100"), L"Reception");
  // A field given the ID the extension has a text for shows it: edits follow the document.
  const std::uint32_t added = d.AddObject(LayoutObjectKind::TextField, 100, 0, 200, 100);
  CDDFObject renumbered = *d.FindObject(added);
  renumbered.id = 9999;
  ASSERT_TRUE(d.ReplaceObject(added, renumbered).empty());
  EXPECT_EQ(texts.GetFieldText(L"100", 9999), L"a field this layout lacks");

  texts.Show(std::nullopt, L"100");
  EXPECT_EQ(texts.ExtensionId(), L"");
  EXPECT_EQ(texts.GetFieldText(L"", static_cast<int>(second)), L"Number");
}

TEST(DesignerPreview, ReadsTheDatabasesExtensionsAndTexts) {
  test::TempDir dir;
  std::unique_ptr<MRBBase> db = test::NewTestDatabase(dir);
  db->AddExtension(L"200", L"WALL", L"Gate");
  db->AddExtension(L"201", L"desk", L"Hall");
  db->SetField(L"201", 1101, L"Hall text");
  db->SetField(L"201", 1102, L"Second");
  const std::vector<PreviewExtension> offered = ReadPreviewExtensions(*db, L"DESK");
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0], (PreviewExtension{L"201", L"Hall", L"DESK"}));
  EXPECT_EQ(offered[1].id, L"200");

  const MemoryFieldTextSource texts = ReadPreviewTexts(*db, L"201");
  EXPECT_EQ(texts.GetExtensionName(L"201"), L"Hall");
  EXPECT_EQ(texts.GetFieldText(L"201", 1101), L"Hall text");
  EXPECT_EQ(texts.GetFieldText(L"201", 1102), L"Second");
}

}  // namespace
}  // namespace mirn
