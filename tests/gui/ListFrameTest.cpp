// The extension list inside the main window: filled on open with the saved selection, and
// its commands from the menus.

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "gui/CFrameArea.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"
#include "gui/CMirnPanel.h"
#include "gui/FrameServices.h"
#include "gui/ListPanel.h"
#include "support/ListLayouts.h"

namespace mirn::test {
namespace {

namespace fs = std::filesystem;
using Ids = std::vector<std::wstring>;

class ListFrameTest : public ::testing::Test, protected FrameServices {
 protected:
  ListFrameTest() {
    ScanLayouts(WriteListLayouts);
    document.New();
    frame_ = ShowWindow(NewMainWindow(services));
    panel_ = qobject_cast<ListPanel*>(frame_->Area()->ListPanel());
  }
  ~ListFrameTest() override {
    ui.messageAnswers = {mb::kIdNo};
    frame_->close();
    delete frame_;
  }

  QPointer<CMainFrame> frame_;
  ListPanel* panel_ = nullptr;
};

TEST_F(ListFrameTest, OpenFillsTheListAndRestoresTheSavedSelection) {
  ASSERT_NE(panel_, nullptr);
  auto db = NewDatabase();
  for (const auto* id : {L"30", L"4", L"100"}) db->AddExtension(id, L"HX40", L"");
  db->SaveSelections({L"100", L"4"});
  const fs::path path = files / "office.mrb";
  ASSERT_EQ(db->Save(path), 0);
  db.reset();
  ASSERT_TRUE(document.Open(path.wstring()));
  EXPECT_EQ(panel_->AllIds(), (Ids{L"4", L"30", L"100"}));
  EXPECT_EQ(panel_->SelectedIds(), (Ids{L"4", L"100"}));
  EXPECT_EQ(document.SelectedIds(), (Ids{L"4", L"100"}));
  EXPECT_FALSE(frame_->Action(cmd::kProperties)->isEnabled());
  EXPECT_TRUE(frame_->Action(cmd::kDeleteExtension)->isEnabled());

  panel_->Select(L"30", false, true, false);
  EXPECT_TRUE(frame_->Action(cmd::kProperties)->isEnabled());
  frame_->Action(cmd::kEditSelectAll)->trigger();
  EXPECT_EQ(panel_->SelectedIds().size(), 3u);
  frame_->Action(cmd::kUnselectAll)->trigger();
  EXPECT_TRUE(panel_->SelectedIds().empty());

  panel_->Select(L"100", false, true, false);
  ui.messageAnswers = {mb::kIdYes};
  frame_->Action(cmd::kDeleteExtension)->trigger();
  EXPECT_EQ(panel_->AllIds(), (Ids{L"4", L"30"}));
  EXPECT_FALSE(document.Database()->ExtensionExists(L"100"));

  // Refresh reads rows changed behind the list's back.
  document.Database()->UpdateExtension(L"4", std::nullopt, L"Four");
  panel_->Select(L"4", false, false, false);
  frame_->Action(cmd::kRefresh)->trigger();
  EXPECT_EQ(panel_->model()->index(0, 2).data().toString(), QString("Four"));
  EXPECT_EQ(panel_->SelectedIds(), Ids{L"4"});

  ui.messageAnswers = {mb::kIdNo};
  ASSERT_TRUE(document.New());
  EXPECT_TRUE(panel_->AllIds().empty());
}

// A file saved with nothing selected opens with its first extension selected and shown.
TEST_F(ListFrameTest, OpenWithoutASavedSelectionShowsTheFirstExtension) {
  ASSERT_NE(panel_, nullptr);
  auto db = NewDatabase();
  for (const auto* id : {L"30", L"4", L"100"}) db->AddExtension(id, L"HX40", L"");
  const fs::path path = files / "fresh.mrb";
  ASSERT_EQ(db->Save(path), 0);
  db.reset();
  ASSERT_TRUE(document.Open(path.wstring()));
  EXPECT_EQ(panel_->SelectedIds(), Ids{L"4"});
  EXPECT_EQ(panel_->currentIndex().row(), 0);
  auto* label = frame_->findChild<CMirnPanel*>();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->View().ExtensionId(), L"4");
  EXPECT_TRUE(label->View().HasLabel());
}

}  // namespace
}  // namespace mirn::test
