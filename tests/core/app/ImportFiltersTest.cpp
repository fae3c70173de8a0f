#include "app/ImportFilters.h"

#include <gtest/gtest.h>

#include "app/DocumentController.h"
#include "app/PrintAfterImport.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "db/MRBBase.h"
#include "platform/Launcher.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

TEST(ImportFilters, OnlyVersionThreeDescriptionsAreListedFirstFolderFirst) {
  test::TempDir dir;
  test::WriteFile(dir / "program" / "abc.inf",
                  "[Filter]\r\nAPIVersion=3\r\nDescription=Sample Filter\r\nConfigInterface=1\r\nWin32Only=1\r\n");
  test::WriteFile(dir / "program" / "old.inf", "[Filter]\r\nAPIVersion=2\r\nDescription=Old\r\n");
  test::WriteFile(dir / "program" / "none.INF", "[Filter]\r\nDescription=No version\r\n");
  test::WriteFile(dir / "program" / "notes.txt", "[Filter]\r\nAPIVersion=3\r\n");
  test::WriteFile(dir / "user" / "ABC.inf", "[Filter]\r\nAPIVersion=3\r\nDescription=Shadowed\r\n");
  test::WriteFile(dir / "user" / "mine.inf",
                  "[filter]\r\napiversion=3\r\ndescription=\"" + std::string(300, 'x') + "\"\r\n");
  const auto filters = ScanImportFilters({dir / "program", dir / "missing", dir / "user"});
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0].name, L"abc");
  EXPECT_EQ(filters[0].description, L"Sample Filter");
  EXPECT_EQ(filters[0].configInterface, 1);
  EXPECT_EQ(filters[0].win32Only, 1);
  EXPECT_EQ(filters[0].interactiveImport, 0);
  EXPECT_EQ(filters[0].folder, dir / "program");
  EXPECT_EQ(filters[1].name, L"mine");
  EXPECT_EQ(filters[1].description.size(), 255u);
  EXPECT_EQ(FilterProgram(filters[0]), dir / "program" / "abc");
}

TEST(ImportFilters, ConfigureStartsTheProgramAndTheWindowWaitsUntilItIsDone) {
  ScriptedUserInterface ui;
  RecordingLauncher launcher;
  int refreshed = 0;
  ImportFilter abc{L"abc", L"Sample Filter", 0, 1, 0, "/opt/mirn/filters"};
  ImportFilter quiet{L"quiet", L"No configuration", 0, 0, 0, "/opt/mirn/filters"};
  ImportFilterController c(ui, launcher, {abc, quiet}, [&] { ++refreshed; });
  int lowered = 0;
  c.SetLowerMainWindow([&] { ++lowered; });
  c.SetWindowId(4711);

  EXPECT_FALSE(c.Configure(1)) << "no configuration mode: nothing happens";
  EXPECT_FALSE(c.Configure(2));
  EXPECT_TRUE(launcher.launches.empty());
  EXPECT_TRUE(ui.statusTexts.empty());
  EXPECT_EQ(lowered, 0);

  ASSERT_TRUE(c.Configure(0));
  ASSERT_EQ(launcher.launches.size(), 1u);
  EXPECT_EQ(launcher.launches[0].program, fs::path("/opt/mirn/filters/abc"));
  EXPECT_EQ(launcher.launches[0].arguments, (std::vector<std::string>{"/CONFIG", "/HWND:4711"}));
  EXPECT_EQ(ui.LastStatus(), L"Running filter abc...");
  EXPECT_EQ(lowered, 1) << "the filter's windows come up in front";
  EXPECT_FALSE(ui.mainWindowEnabled);
  EXPECT_EQ(ui.waitDepth, 1);
  EXPECT_TRUE(c.Waiting());
  EXPECT_TRUE(c.Started());
  EXPECT_FALSE(c.Configure(0)) << "one filter at a time";

  c.ConversionDone(7);
  EXPECT_FALSE(c.ConversionRunning());
  EXPECT_EQ(c.LastConversionResult(), 7);
  c.FilterDone();
  c.ProgramEnded();  // the process also ends: nothing more
  EXPECT_TRUE(ui.mainWindowEnabled);
  EXPECT_EQ(ui.waitDepth, 0);
  EXPECT_EQ(refreshed, 1);

  launcher.succeeds = false;
  EXPECT_FALSE(c.Configure(0));
  EXPECT_TRUE(ui.mainWindowEnabled);
  EXPECT_EQ(ui.waitDepth, 0);
  EXPECT_EQ(refreshed, 2);
  EXPECT_TRUE(c.Started()) << "the running flag is never cleared";
}

// A start with "I" and "P" whose own import did not print leaves the request pending; the
// filter's "FilterDone" report carries it out once.
TEST(ImportFilters, FilterDonePrintsEverythingAndClosesWhenAPrintIsPending) {
  test::TempDir temp;
  ScriptedUserInterface ui;
  MemoryProfile profile;
  RecentFiles recent;
  ZoomModel zoom;
  DocumentController document(ui, profile, recent, zoom, {nullptr, temp.Path()});
  ASSERT_TRUE(document.New());
  document.Database()->AddExtension(L"202", L"T3", L"");
  document.Database()->AddExtension(L"201", L"T3", L"");
  ASSERT_TRUE(document.IsModified());

  std::vector<std::vector<std::wstring>> printed;
  int closes = 0;
  bool quitting = false;
  PrintAfterImport print(document, {[&] { return !quitting; },
                                    [&](const std::vector<std::wstring>& ids) {
                                      printed.push_back(ids);
                                      return true;
                                    },
                                    [&] { ++closes; }});
  RecordingLauncher launcher;
  ImportFilterController c(ui, launcher, {ImportFilter{L"abc", L"Sample Filter", 0, 1, 0, "/f"}});
  c.SetPrintAfterImport(&print);

  ASSERT_TRUE(c.Configure(0));
  c.FilterDone();
  EXPECT_TRUE(printed.empty()) << "no request: the window only comes back";
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(document.IsModified());

  print.Request();
  ASSERT_TRUE(c.Configure(0));
  c.ProgramEnded();
  EXPECT_TRUE(printed.empty()) << "only the filter's report prints, not its end";
  EXPECT_TRUE(ui.mainWindowEnabled);

  quitting = true;
  c.FilterDone();
  EXPECT_TRUE(printed.empty()) << "a quitting program prints nothing";
  EXPECT_TRUE(print.Pending());

  quitting = false;
  c.FilterDone();
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0], (std::vector<std::wstring>{L"201", L"202"}));
  EXPECT_FALSE(document.IsModified()) << "closing asks nothing";
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(print.Pending());
  c.FilterDone();
  EXPECT_EQ(printed.size(), 1u) << "the request is carried out once";
  EXPECT_EQ(closes, 1);

  // An empty database prints nothing but still closes, unasked.
  ASSERT_TRUE(document.New());
  print.Request();
  c.FilterDone();
  EXPECT_EQ(printed.size(), 1u);
  EXPECT_EQ(closes, 2);
}

TEST(ImportFilters, FilterSocketMessages) {
  EXPECT_EQ(ParseFilterMessage("FilterDone\n")->kind, FilterMessage::Kind::kFilterDone);
  const auto done = ParseFilterMessage("ConversionDone -3\r\n");
  ASSERT_TRUE(done);
  EXPECT_EQ(done->kind, FilterMessage::Kind::kConversionDone);
  EXPECT_EQ(done->code, -3);
  EXPECT_EQ(ParseFilterMessage("ConversionDone")->code, 0);
  EXPECT_FALSE(ParseFilterMessage("ConversionDone x"));
  EXPECT_FALSE(ParseFilterMessage("ConversionDone 99999999999999999999"));
  EXPECT_FALSE(ParseFilterMessage("ConversionDoneX"));
  EXPECT_FALSE(ParseFilterMessage("filterdone"));
  EXPECT_FALSE(ParseFilterMessage(""));
}

}  // namespace
}  // namespace mirn
