// Exports and imports under faults: a full disk, and an export aimed at the open database.
#include <gtest/gtest.h>

#include "ExchangeFixture.h"
#include "exchange/MRBExporterCommands.h"

namespace mirn {
namespace {

using ExchangeFault = test::ExchangeTest;

TEST_F(ExchangeFault, ExportOntoTheOpenDatabaseIsRefused) {
  Add(*db, L"1", L"T3", L"One", {{10, L"ten"}});
  ASSERT_EQ(db->Save(dir / "office.mrb"), 0);
  const std::string before = test::ReadFile(dir / "office.mrb");
  test::QuietProgressView view;
  for (const bool csv : {true, false}) {
    const ExchangeOutcome outcome = csv ? RunCsvExport(*db, *library, dir / "office.mrb", view)
                                        : RunExcelExport(*db, *library, dir / "office.mrb", {}, view);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.failedFile, dir / "office.mrb");
    EXPECT_TRUE(outcome.cause);
  }
  EXPECT_EQ(test::ReadFile(dir / "office.mrb"), before);
}

TEST_F(ExchangeFault, ExportsOnAFullDiskKeepTheOldFile) {
  test::SmallDisk disk(128 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
  for (int i = 0; i < 200; ++i) Add(*db, std::to_wstring(i), L"T3", L"Name", {{10, std::wstring(200, L'x')}});
  for (const char* name : {"old.csv", "old.xlsx", "old.xls"}) test::WriteFile(disk / name, "OLD");
  disk.Fill();
  test::QuietProgressView view;
  const std::vector<std::pair<std::string, ExchangeOutcome>> outcomes = {
      {"old.csv", RunCsvExport(*db, *library, disk / "old.csv", view)},
      {"old.xlsx", RunExcelExport(*db, *library, disk / "old.xlsx", {}, view)},
      {"old.xls", RunExcelExport(*db, *library, disk / "old.xls", {}, view)},
  };
  for (const auto& [name, outcome] : outcomes) {
    EXPECT_FALSE(outcome.ok) << name;
    EXPECT_EQ(outcome.cause, std::errc::no_space_on_device) << name << ": " << ToUtf8(outcome.message);
    EXPECT_EQ(test::ReadFile(disk / name), "OLD") << name;
  }
}

// A working copy that cannot grow stops the import at the first failed write, says so, and
// is not reported as a success.
TEST_F(ExchangeFault, ImportStopsWhenTheWorkingCopyCannotGrow) {
  test::SmallDisk disk(256 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
  int code = -1;
  auto small = OpenDatabase({}, code, {nullptr, disk.Path()});
  ASSERT_TRUE(small);
  std::string csv;
  const int lines = 5000;
  for (int i = 0; i < lines; ++i) csv += std::to_string(i) + ",T3,Name," + std::string(300, 'c') + "\r\n";
  test::WriteFile(dir / "in.csv", csv);
  test::QuietProgressView view;
  const ExchangeOutcome outcome = RunCsvImport(*small, *library, profile, dir / "in.csv", view, nullptr);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.cause, std::errc::no_space_on_device) << ToUtf8(outcome.message);
  EXPECT_EQ(outcome.failedFile, disk.Path());
  EXPECT_LT(outcome.count, lines);
}

}  // namespace
}  // namespace mirn
