// The small rules of the main window kept in the core: recent files, status texts, zoom and
// the list width.

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandRules.h"
#include "app/ListWidth.h"
#include "app/RecentFiles.h"
#include "app/StatusText.h"
#include "app/WindowPlacement.h"
#include "app/ZoomState.h"
#include "platform/MemoryProfile.h"

namespace mirn {
namespace {

TEST(RecentFilesTest, KeepsSixNewestFirstWithoutDuplicatesAndRoundTripsTheProfile) {
  RecentFiles recent;
  for (int i = 1; i <= 8; ++i) recent.Add("/data/f" + std::to_string(i) + ".mrb");
  recent.Add("/data/./f5.mrb");
  ASSERT_EQ(recent.Entries().size(), RecentFiles::kMaxEntries);
  EXPECT_EQ(recent.Entries()[0], "/data/f5.mrb");
  EXPECT_EQ(recent.Entries()[1], "/data/f8.mrb");
  EXPECT_EQ(recent.Entries()[5], "/data/f3.mrb");

  MemoryProfile profile;
  recent.Save(profile);
  EXPECT_EQ(profile.GetString(L"Recent Files", L"file1", L""), L"/data/f5.mrb");
  EXPECT_EQ(profile.GetString(L"Recent Files", L"file6", L""), L"/data/f3.mrb");
  recent.Remove("/data/f8.mrb");
  recent.RemoveAt(0);
  recent.Save(profile);
  RecentFiles reread;
  reread.Load(profile);
  EXPECT_EQ(reread.Entries(), recent.Entries());
  EXPECT_EQ(reread.Entries().size(), 4u);
}

TEST(RecentFilesTest, MenuTextsFitThirtyCharacters) {
  EXPECT_EQ(AbbreviatePath("/home/a/office.mrb", 30), L"/home/a/office.mrb");
  EXPECT_EQ(AbbreviatePath("/home/someone/labels/2026/branch/office.mrb", 30), L"/.../2026/branch/office.mrb");
  EXPECT_EQ(AbbreviatePath("/x/a-very-long-file-name-for-a-menu.mrb", 30), L"a-very-long-file-name-for-a-menu.mrb");
  RecentFiles recent;
  recent.Add("/home/someone/labels/2026/branch/R&D.mrb");
  const std::wstring text = recent.MenuText(0);
  EXPECT_EQ(text, L"&1 /.../2026/branch/R&&D.mrb");
  EXPECT_EQ(recent.MenuText(3), L"");
}

TEST(StatusTextTest, CountsSelectionAndLegalNotice) {
  EXPECT_EQ(DocumentStatusText(false, 5, 1, L"(c)"), L"");
  EXPECT_EQ(DocumentStatusText(true, 0, 0, L"(c)"), L"(c)");
  EXPECT_EQ(DocumentStatusText(true, 1, 1, L"(c)"), L"1 extension in database");
  EXPECT_EQ(DocumentStatusText(true, 3, 2, L"(c)"), L"3 extensions in database (2 selected)");
  EXPECT_EQ(DocumentStatusText(true, 3, 1, L"(c)"), L"3 extensions in database");
  EXPECT_EQ(MenuPrompt(L"Open;Opens a database; or not"), L"Opens a database; or not");
  EXPECT_EQ(MenuPrompt(L"Plain prompt"), L"Plain prompt");
  EXPECT_EQ(ToolTipText(L"Open;Opens a database"), L"Open");
}

TEST(ZoomTest, LevelsCommandsChecksAndTheRememberedState) {
  EXPECT_EQ(ZoomForLevel(9), (ZoomState{zoom::kModeFitLabel, 100}));
  EXPECT_EQ(ZoomForLevel(-3), (ZoomState{zoom::kModeFixed, 50}));
  EXPECT_EQ(ZoomForLevel(3), (ZoomState{zoom::kModeFixed, 150}));
  EXPECT_EQ(ZoomState::FromFactor(zoom::kFitWidthFactor, 80), (ZoomState{zoom::kModeFitWidth, 80}));
  EXPECT_EQ((ZoomState{zoom::kModeFitLabel, 80}).Factor(), zoom::kFitLabelFactor);

  const ZoomState at75{zoom::kModeFixed, 75};
  EXPECT_TRUE(ZoomCommandChecked(cmd::kZoom75, at75));
  EXPECT_FALSE(ZoomCommandChecked(cmd::kZoomCustom, at75));
  EXPECT_TRUE(ZoomCommandChecked(cmd::kZoomCustom, ZoomState{zoom::kModeFixed, 120}));
  EXPECT_TRUE(ZoomCommandChecked(cmd::kZoomFitWidth, ZoomState{zoom::kModeFitWidth, 75}));
  EXPECT_FALSE(ZoomCommandChecked(cmd::kZoom75, ZoomState{zoom::kModeFitWidth, 75}));
  EXPECT_EQ(ZoomForCommand(cmd::kZoom200, at75), (ZoomState{zoom::kModeFixed, 200}));
  EXPECT_FALSE(ZoomForCommand(cmd::kZoomCustom, at75).has_value());

  // Before any zoom was used, a database opens showing its entire label; a zoom chosen is
  // the one the next database opens at.
  MemoryProfile profile;
  EXPECT_EQ(LastZoom(profile), (ZoomState{zoom::kModeFitLabel, 100}));
  WriteLastZoom(profile, {zoom::kModeFitWidth, 64});
  EXPECT_EQ(LastZoom(profile).mode, zoom::kModeFitWidth);
  ZoomModel model;
  model.Choose({zoom::kModeFixed, 150}, profile);
  EXPECT_EQ(LastZoom(profile), (ZoomState{zoom::kModeFixed, 150}));
  std::vector<ZoomState> heard;
  model.AddListener([&](const ZoomState& s) { heard.push_back(s); });
  model.SetFactor(zoom::kFitLabelFactor);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(LastZoom(profile).percent, 150) << "only a chosen zoom is remembered";
  EXPECT_EQ(heard[0].mode, zoom::kModeFitLabel);
}

// The first window fits small screens and large display scales with its frame; a remembered
// one comes back where it was, pulled onto the screen when the screen changed.
TEST(WindowPlacementTest, FirstWindowFitsTheScreenAndARememberedOneComesBackInside) {
  const auto inside = [](const ScreenRect& r, const ScreenRect& area, int frameW, int frameH) {
    return r.x >= area.x && r.y >= area.y && r.x + r.width + frameW <= area.x + area.width &&
           r.y + r.height + frameH <= area.y + area.height;
  };
  for (const ScreenRect area : {ScreenRect{0, 0, 800, 600}, ScreenRect{0, 0, 640, 376}, ScreenRect{0, 27, 1024, 741}}) {
    const ScreenRect first = PlaceMainWindow(area, 16, 40, std::nullopt);
    EXPECT_TRUE(inside(first, area, 16, 40)) << area.width << "x" << area.height;
    EXPECT_EQ(first.width, std::min(kFirstWindowWidth, area.width - 16));
  }
  const ScreenRect big{0, 0, 1920, 1080};
  EXPECT_EQ(PlaceMainWindow(big, 16, 40, std::nullopt), (ScreenRect{472, 200, 960, 640}));
  EXPECT_EQ(PlaceMainWindow(big, 16, 40, ScreenRect{100, 50, 1200, 900}), (ScreenRect{100, 50, 1200, 900}));
  // Remembered on a larger screen than today's, or beyond its right edge.
  EXPECT_EQ(PlaceMainWindow({0, 0, 800, 600}, 16, 40, ScreenRect{1500, 700, 1200, 900}), (ScreenRect{0, 0, 784, 560}));
  EXPECT_EQ(PlaceMainWindow(big, 16, 40, ScreenRect{1800, -30, 400, 300}), (ScreenRect{1504, 0, 400, 300}));

  MemoryProfile profile;
  EXPECT_FALSE(ReadWindowPlacement(profile).has_value());
  WriteWindowPlacement(profile, {{10, 20, 700, 500}, 260});
  const auto read = ReadWindowPlacement(profile);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->window, (ScreenRect{10, 20, 700, 500}));
  EXPECT_EQ(read->listWidth, 260);
}

TEST(ListWidthTest, CycleGoesThirdWidestNarrowestAndDragsStayInLimits) {
  const int client = 900;
  const int bar = 4;
  ListWidthStep step = NextListWidth(150, client, bar);
  EXPECT_EQ(step.width, 300);
  step = NextListWidth(step.width, client, bar);
  EXPECT_EQ(step.width, 746);
  EXPECT_EQ(step.focus, ListFocus::List);
  step = NextListWidth(step.width, client, bar);
  EXPECT_EQ(step.width, 150);
  EXPECT_EQ(step.focus, ListFocus::Label);
  EXPECT_EQ(NextListWidth(step.width, client, bar).width, 300);
  // A narrow window: one third is below the minimum.
  EXPECT_EQ(NextListWidth(150, 300, bar).width, 150);

  SplitterDrag drag;
  drag.Begin(300, 300);
  EXPECT_EQ(drag.Move(10, client, bar), 150);
  EXPECT_EQ(drag.Move(2000, client, bar), 746);
  EXPECT_EQ(drag.Move(350, client, bar), 350);
  EXPECT_EQ(drag.Cancel(), 300);
  EXPECT_FALSE(drag.Active());
}

}  // namespace
}  // namespace mirn

namespace mirn {
namespace {

TEST(CommandRulesTest, EnabledRulesFollowDocumentAndSelection) {
  CommandContext c;
  EXPECT_EQ(CommandEnabled(cmd::kFileSave, c), false);
  EXPECT_EQ(CommandEnabled(cmd::kFileSaveAs, c), false);
  c.databaseOpen = true;
  c.extensions = 3;
  EXPECT_EQ(CommandEnabled(cmd::kFileSave, c), false);
  c.modified = true;
  EXPECT_EQ(CommandEnabled(cmd::kFileSave, c), true);
  EXPECT_EQ(CommandEnabled(cmd::kCopyStyles, c), true);
  EXPECT_EQ(CommandEnabled(cmd::kNewExtension, c), false);  // no layouts installed
  c.layouts = 1;
  EXPECT_EQ(CommandEnabled(cmd::kNewExtension, c), true);

  // Unselect All: one selected row is enough for the list, the label panel needs two.
  c.selectedRows = 1;
  EXPECT_EQ(CommandEnabled(cmd::kUnselectAll, c), true);
  c.labelPanelFocused = true;
  EXPECT_EQ(CommandEnabled(cmd::kUnselectAll, c), false);
  c.labelPanelFocused = false;
  c.selectedRows = 3;
  EXPECT_EQ(CommandEnabled(cmd::kEditSelectAll, c), false);
  EXPECT_EQ(CommandEnabled(cmd::kTipOfTheDay, c), false);
  EXPECT_FALSE(CommandEnabled(cmd::kFileNew, c).has_value());
}

TEST(CommandRulesTest, SelectAllActsOnTheLabelOnlyWhileItShowsAndHasTheFocus) {
  EXPECT_EQ(SelectAllTargetFor(true, true, true), SelectAllTarget::kLabelFields);
  EXPECT_EQ(SelectAllTargetFor(true, true, false), SelectAllTarget::kLabelFields);
  EXPECT_EQ(SelectAllTargetFor(true, false, true), SelectAllTarget::kListRows);
  EXPECT_EQ(SelectAllTargetFor(false, true, true), SelectAllTarget::kListRows);  // an empty label pane
  EXPECT_EQ(SelectAllTargetFor(false, true, false), SelectAllTarget::kNothing);
}

}  // namespace
}  // namespace mirn
