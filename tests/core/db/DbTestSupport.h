#pragma once
// A temporary folder with a private folder for working copies, a fixed clock, and helpers
// that make label database files for the tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "db/MRBv3.h"
#include "db/SQLiteDB.h"
#include "platform/Clock.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"

namespace mirn::test {

class DbTest : public ::testing::Test {
 protected:
  DbTest() : clock_(LocalDateTime{2015, 3, 14, 9, 26, 53}) {
    std::filesystem::create_directories(work());
  }

  std::filesystem::path work() const { return dir_ / "work"; }
  DatabaseOptions options() const { return {&clock_, work()}; }

  // A new, untitled database, open.
  std::unique_ptr<MRBBase> NewDatabase() {
    int code = -1;
    auto db = OpenDatabase({}, code, options());
    EXPECT_EQ(code, 0);
    return db;
  }
  std::unique_ptr<MRBBase> Open(const std::filesystem::path& path, int expected = 0) {
    int code = -1;
    auto db = OpenDatabase(path, code, options());
    EXPECT_EQ(code, expected) << path;
    return db;
  }
  // Saves a new database with the given extensions (id, type code) as `name`.
  std::filesystem::path MakeFile(const std::string& name,
                                 std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> rows = {}) {
    auto db = NewDatabase();
    for (const auto& [id, typecode] : rows) EXPECT_EQ(db->AddExtension(id, typecode, L""), 0);
    const auto path = dir_ / name;
    EXPECT_EQ(db->Save(path), 0);
    return path;
  }
  // Runs SQL straight on a file (outside the program's working copy) and commits.
  static void Sql(const std::filesystem::path& path, const std::wstring& sql) {
    SQLiteDB raw;
    ASSERT_TRUE(raw.Open(path));
    ASSERT_TRUE(raw.Execute(sql)) << raw.LastError();
    ASSERT_TRUE(raw.Commit());
  }
  // The first column of the first row of a query straight on a file.
  static std::wstring QueryText(const std::filesystem::path& path, const std::wstring& sql) {
    SQLiteDB raw;
    EXPECT_TRUE(raw.Open(path));
    auto c = raw.Prepare(sql, false);
    EXPECT_TRUE(c->Step()) << raw.LastError();
    return c->GetText(0);
  }
  size_t WorkFiles() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(work())) ++n;
    return n;
  }

  TempDir dir_;
  FakeClock clock_;
};

}  // namespace mirn::test
