// Pictures on a label: handles and drag arithmetic, placement rules, texts of the
// properties dialogs, and the editor's insert, store, remove and write-back.

#include <locale.h>

#include <gtest/gtest.h>

#include "db/GraphicFiles.h"
#include "db/MRBBase.h"
#include "panel/GraphicFrame.h"
#include "panel/GraphicPlacement.h"
#include "panel/GraphicTexts.h"
#include "panel/LabelGraphicsEditor.h"
#include "platform/ScriptedUserInterface.h"
#include "support/TestDatabase.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

TEST(GraphicFrame, HandlesInHitOrderAndLockedAnswersClient) {
  const auto rects = GraphicHandleRects(100, 50);
  EXPECT_EQ(rects[0], (DeviceRect{0, 0, 6, 6}));
  EXPECT_EQ(rects[1], (DeviceRect{0, 22, 6, 28}));
  EXPECT_EQ(rects[3], (DeviceRect{47, 44, 53, 50}));
  EXPECT_EQ(rects[4], (DeviceRect{94, 44, 100, 50}));
  EXPECT_EQ(HitTestGraphic(2, 2, 100, 50, false), GraphicHit::TopLeft);
  EXPECT_EQ(HitTestGraphic(97, 25, 100, 50, false), GraphicHit::Right);
  EXPECT_EQ(HitTestGraphic(50, 2, 100, 50, false), GraphicHit::Top);
  EXPECT_EQ(HitTestGraphic(50, 25, 100, 50, false), GraphicHit::Caption);
  EXPECT_EQ(HitTestGraphic(2, 2, 100, 50, true), GraphicHit::Client);
  // In a tiny window the handles overlap; the first in hit order wins.
  EXPECT_EQ(HitTestGraphic(3, 3, 8, 8, false), GraphicHit::TopLeft);
}

TEST(GraphicFrame, DraggedEdgesFollowThePointerAndKeepTheMinimum) {
  const DeviceRect start{100, 100, 200, 150};
  // Grabbed 2 pixels inside the bottom-right corner: the corner keeps that distance.
  GraphicDrag corner(GraphicHit::BottomRight, start, 198, 148);
  EXPECT_EQ(corner.Track(248, 178), (DeviceRect{100, 100, 250, 180}));
  EXPECT_EQ(corner.Track(0, 0), (DeviceRect{100, 100, 112, 112}));
  GraphicDrag left(GraphicHit::Left, start, 101, 120);
  EXPECT_EQ(left.Track(51, 999), (DeviceRect{50, 100, 200, 150}));
  EXPECT_EQ(left.Track(500, 0), (DeviceRect{188, 100, 200, 150}));
  // Moving shifts the whole rectangle.
  GraphicDrag move(GraphicHit::Caption, start, 150, 120);
  EXPECT_EQ(move.Track(140, 130), (DeviceRect{90, 110, 190, 160}));
  GraphicDrag locked(GraphicHit::Client, start, 150, 120);
  EXPECT_EQ(locked.Track(0, 0), start);
}

TEST(GraphicPlacement, NextSlotIsAboveTheHighestInUse) {
  EXPECT_EQ(NextGraphicSlot({}), 1);
  EXPECT_EQ(NextGraphicSlot({1, 2, 7}), 8);
  EXPECT_EQ(NextGraphicSlot({2000, 3}), 4);  // text fields beyond the slot range do not count
  EXPECT_EQ(NextGraphicSlot({1024}), std::nullopt);
  EXPECT_EQ(NextGraphicSlot({5, 1024}), std::nullopt);
}

TEST(GraphicPlacement, PictureStaysAtLeast300TwipsOnTheLabel) {
  // Dragged entirely off the left edge: its right edge comes back 300 twips inside.
  EXPECT_EQ(KeepGraphicOnLabel({-2000, 100, -1000, 600}, 2880, 1440), (TwipsRect{-700, 100, 300, 600}));
  // Off the right and bottom edges: the left and top edges come back 300 twips inside.
  EXPECT_EQ(KeepGraphicOnLabel({3000, 1500, 3500, 2000}, 2880, 1440), (TwipsRect{2580, 1140, 3080, 1640}));
  // Partly off but with enough left on the label: unchanged.
  EXPECT_EQ(KeepGraphicOnLabel({-200, -100, 800, 400}, 2880, 1440), (TwipsRect{-200, -100, 800, 400}));
}

TEST(GraphicPlacement, NaturalSizeFollowsZoomAndZeroMeansNatural) {
  const TwipsMapping view = TwipsMapping::ForZoom(100, 96, 96);
  EXPECT_EQ(NaturalGraphicSize(96, 48, 100, view), (TwipsSize{1440, 720}));
  EXPECT_EQ(NaturalGraphicSize(96, 48, 200, view), (TwipsSize{2880, 1440}));
  EXPECT_EQ(GraphicRectTwips(10, 20, 0, 0, {1440, 720}), (TwipsRect{10, 20, 1450, 740}));
  EXPECT_EQ(GraphicRectTwips(10, 20, 100, 0, {1440, 720}), (TwipsRect{10, 20, 110, 740}));
}

TEST(GraphicPlacement, RelativeNameAgainstTheDatabaseFolder) {
  EXPECT_EQ(RelativeGraphicName("/office/labels/logo.png", "/office/labels/a.mrb"), L".\\logo.png");
  EXPECT_EQ(RelativeGraphicName("/office/labels/Logos/x.png", "/office/labels/a.mrb"), L".\\Logos\\x.png");
  EXPECT_EQ(RelativeGraphicName("/office/Logos/x.png", "/office/labels/a.mrb"), L"..\\Logos\\x.png");
  // An untitled database has no folder: the full path is kept.
  EXPECT_EQ(RelativeGraphicName("/office/x.png", ""), L"/office/x.png");
  // The stored form reads back through the join every reader uses.
  EXPECT_EQ(JoinStoredPath("/moved/labels", L"..\\Logos\\x.png").lexically_normal(),
            std::filesystem::path("/moved/Logos/x.png"));
}

TEST(GraphicTexts, SizesInTheUsersUnitsAndFoundPaths) {
  EXPECT_EQ(GraphicSizeText(1440, 720, true), L"25.4 x 12.7 mm");
  EXPECT_EQ(GraphicSizeText(1440, 720, false), L"1.00 x 0.50 in");
  EXPECT_EQ(GraphicSizeText(15, 0, false), L"0.01 x 0.00 in");
  // The locale's separator, for the window to pass in.
  EXPECT_EQ(GraphicSizeText(1440, 720, true, L','), L"25,4 x 12,7 mm");
  EXPECT_EQ(GraphicSizeText(-15, 1440, false, L','), L"-0,01 x 1,00 in");
  EXPECT_EQ(PixelsToTwips(96, 96), 1440);
  EXPECT_EQ(FoundPathText(L"/a/x.png", L""), L"(not found)");
  EXPECT_EQ(FoundPathText(L"/a/x.png", L"/a/x.png"), L"(same)");
  EXPECT_EQ(FoundPathText(L"/a/x.png", L"/b/x.png"), L"/b/x.png");
  EXPECT_EQ(SaveCopyFilter(L"Portable Network Graphics (PNG)", L".PNG"),
            L"Portable Network Graphics (PNG)|*.png|All Files (*.*)|*.*||");
}

TEST(GraphicTexts, PictureWindowsAreNamedAfterTheirFiles) {
  MRBGraphic linked;
  linked.fileName = L"/office/Logos/acme.png";
  EXPECT_EQ(GraphicAccessibleName(linked, 3), L"acme.png");
  EXPECT_EQ(GraphicAccessibleDescription(linked, true), L"Linked picture");
  // An embedded picture is named after the file it came from, not the extracted copy,
  // whichever separator the stored name uses.
  MRBGraphic embedded;
  embedded.embedded = true;
  embedded.locked = true;
  embedded.fileName = L"/tmp/mirn-4F2A.tmp";
  embedded.originalName = L"C:\\Logos\\acme.png";
  EXPECT_EQ(GraphicAccessibleName(embedded, 3), L"acme.png");
  EXPECT_EQ(GraphicAccessibleDescription(embedded, false), L"Embedded picture, locked, cannot be shown");
  EXPECT_EQ(GraphicAccessibleName(MRBGraphic{}, 7), L"Picture 7");
}

TEST(GraphicTexts, MeasurementSystemComesFromTheLocale) {
  {
    test::ScopedEnv all("LC_ALL", "C.UTF-8");
    // The C locale measures in metric.
    EXPECT_TRUE(LocaleUsesMetric());
  }
  const locale_t us = newlocale(LC_MEASUREMENT_MASK, "en_US.UTF-8", static_cast<locale_t>(nullptr));
  if (us == static_cast<locale_t>(nullptr)) GTEST_SKIP() << "en_US.UTF-8 is not installed here";
  freelocale(us);
  test::ScopedEnv all("LC_ALL", "en_US.UTF-8");
  EXPECT_FALSE(LocaleUsesMetric());
}

class SizedPicture final : public Picture {
 public:
  int Width() const override { return 96; }
  int Height() const override { return 48; }
  PictureFormat Format() const override { return PictureFormat::Png; }
};

// Loads every file whose name does not end in ".bad".
class FakeLoader final : public PictureLoader {
 public:
  std::shared_ptr<const Picture> LoadFile(const std::filesystem::path& path) const override {
    if (path.extension() == ".bad" || path.extension() == ".wmf") return nullptr;
    return std::make_shared<SizedPicture>();
  }
  std::shared_ptr<const Picture> LoadBytes(std::string_view) const override { return nullptr; }
};

class LabelGraphicsEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = test::NewTestDatabase(dir);
    ASSERT_TRUE(db);
    ASSERT_EQ(db->AddExtension(L"100", L"HD40", L"Reception"), 0);
    test::WriteFile(dir / "logo.png", "not really a png; the fake loader does not look");
  }
  std::optional<int> InsertLogo(LabelGraphicsEditor& editor, bool embed = false) {
    ui.openAnswers.push_back(dir / "logo.png");
    return editor.Insert(ui, embed, 144, 288, loader, 100, TwipsMapping::ForZoom(100, 96, 96));
  }

  test::TempDir dir;
  std::unique_ptr<MRBBase> db;
  ScriptedUserInterface ui;
  FakeLoader loader;
};

TEST_F(LabelGraphicsEditorTest, InsertPlacesThePictureAtItsNaturalSizeAndSavesIt) {
  LabelGraphicsEditor editor(*db, L"100", dir / "office.mrb");
  ASSERT_EQ(InsertLogo(editor), 1);
  ASSERT_EQ(ui.openDialogs.size(), 1u);
  EXPECT_EQ(ui.openDialogs[0].title, L"Link to Graphic");
  EXPECT_TRUE(editor.Changed());
  EXPECT_TRUE(db->IsModified());
  ASSERT_EQ(editor.Save(), 0);
  EXPECT_FALSE(editor.Changed());

  MRBGraphic stored;
  ASSERT_EQ(db->GetGraphicField(L"100", 1, stored), 0);
  EXPECT_EQ(stored.relativeName, L".\\logo.png");
  EXPECT_EQ(stored.left, 144);
  EXPECT_EQ(stored.top, 288);
  EXPECT_EQ(stored.width, 1440);
  EXPECT_EQ(stored.height, 720);
  EXPECT_FALSE(stored.embedded);
}

TEST_F(LabelGraphicsEditorTest, RefusalsAreExplainedAndStoreNothing) {
  LabelGraphicsEditor editor(*db, L"100", dir / "office.mrb");
  // Cancelled dialog: nothing asked, nothing changed.
  EXPECT_EQ(editor.Insert(ui, true, 0, 0, loader, 100, TwipsMapping::ForZoom(100, 96, 96)), std::nullopt);
  EXPECT_TRUE(ui.messages.empty());
  // A picture the loader cannot read.
  test::WriteFile(dir / "broken.bad", "x");
  ui.openAnswers.push_back(dir / "broken.bad");
  EXPECT_EQ(editor.Insert(ui, false, 0, 0, loader, 100, TwipsMapping::ForZoom(100, 96, 96)), std::nullopt);
  EXPECT_NE(ui.LastMessage().find(L"broken.bad\nThe picture could not be opened."), std::wstring::npos);
  test::WriteFile(dir / "old.wmf", "x");
  ui.openAnswers.push_back(dir / "old.wmf");
  editor.Insert(ui, false, 0, 0, loader, 100, TwipsMapping::ForZoom(100, 96, 96));
  EXPECT_NE(ui.LastMessage().find(L"WMF"), std::wstring::npos);
  EXPECT_FALSE(editor.Changed());

  // The highest slot taken: no insert, even with lower slots free.
  MRBGraphic last;
  last.fileName = (dir / "logo.png").wstring();
  ASSERT_EQ(db->SetGraphicField(L"100", 1024, last), 0);
  editor.Load();
  EXPECT_EQ(InsertLogo(editor), std::nullopt);
  EXPECT_NE(ui.LastMessage().find(L"You have reached the maximum number of pictures"), std::wstring::npos);
  EXPECT_EQ(ui.messages.back().style & mb::kIconMask, mb::kIconError);
}

TEST_F(LabelGraphicsEditorTest, StoreKeepsThePictureOnTheLabel) {
  LabelGraphicsEditor editor(*db, L"100", dir / "office.mrb");
  ASSERT_EQ(InsertLogo(editor), 1);
  const TwipsRect stored = editor.StoreRect(1, {-3000, 0, -1560, 720}, 2880, 1440);
  EXPECT_EQ(stored, (TwipsRect{-1140, 0, 300, 720}));
  EXPECT_EQ(editor.Find(1)->left, -1140);
  EXPECT_EQ(editor.Find(1)->width, 1440);
}

TEST_F(LabelGraphicsEditorTest, RemoveAsksAndRefusesLockedPictures) {
  LabelGraphicsEditor editor(*db, L"100", dir / "office.mrb");
  ASSERT_EQ(InsertLogo(editor), 1);
  ASSERT_EQ(InsertLogo(editor), 2);
  ASSERT_EQ(editor.Save(), 0);

  ui.messageAnswers = {mb::kIdNo};
  EXPECT_FALSE(editor.Remove(ui, 1));
  const MessageBoxRequest& question = ui.messages.back();
  EXPECT_EQ(question.caption, L"Remove Graphic");
  EXPECT_EQ(question.labels.at(mb::kIdYes), L"Remove");
  EXPECT_EQ(question.labels.at(mb::kIdNo), L"Don't Remove");
  EXPECT_EQ(question.style & mb::kDefaultButtonMask, mb::kDefaultButton2);

  // A locked picture stays, with the locked message.
  MRBGraphic locked = *editor.Find(2);
  locked.locked = true;
  ASSERT_EQ(db->SetGraphicField(L"100", 2, locked), 0);
  editor.Load();
  ui.messageAnswers = {mb::kIdYes};
  EXPECT_FALSE(editor.Remove(ui, 2));
  EXPECT_EQ(ui.LastMessage(), L"This is a locked graphic. It cannot be moved, resized or deleted.");

  ui.messageAnswers = {mb::kIdYes};
  EXPECT_TRUE(editor.Remove(ui, 1));
  ASSERT_EQ(editor.Save(), 0);
  EXPECT_FALSE(db->FieldExists(L"100", 1));
  EXPECT_TRUE(db->FieldExists(L"100", 2));
}

TEST_F(LabelGraphicsEditorTest, EmbeddedPictureSurvivesWriteBackAndReload) {
  LabelGraphicsEditor editor(*db, L"100", dir / "office.mrb");
  ASSERT_EQ(InsertLogo(editor, true), 1);
  EXPECT_EQ(ui.openDialogs.back().title, L"Insert Picture");
  ASSERT_EQ(editor.Save(), 0);
  LabelGraphicsEditor reread(*db, L"100", dir / "office.mrb");
  reread.Load();
  ASSERT_NE(reread.Find(1), nullptr);
  EXPECT_TRUE(reread.Find(1)->embedded);
  EXPECT_EQ(reread.Find(1)->width, 1440);
}

}  // namespace
}  // namespace mirn
