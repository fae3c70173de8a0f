#include <gtest/gtest.h>

#include "DbTestSupport.h"

namespace mirn::test {
namespace {

using Versions = DbTest;

TEST_F(Versions, ListParsingSplitsAtBlanksAndCommasAndSkipsJunk) {
  struct Case {
    const wchar_t* stored;
    std::set<int> expected;
  };
  const Case cases[] = {
      {L"300,301  302", {300, 301, 302}},
      {L"300, abc", {300}},
      {L" ,300,, 303x 301", {300, 301}},
      {L"300, -5, 99999999999", {-5, 300}},
  };
  const auto path = MakeFile("v.mrb");
  for (const auto& c : cases) {
    Sql(path, L"UPDATE meta SET value='" + std::wstring(c.stored) + L"' WHERE key='versions';");
    auto db = Open(path);
    ASSERT_TRUE(db);
    EXPECT_EQ(db->GetVersions(), c.expected) << c.stored;
  }
}

TEST_F(Versions, AddVersionWritesTheSortedList) {
  const auto path = MakeFile("v.mrb");
  auto db = Open(path);
  EXPECT_EQ(db->AddVersion(301), db::kOk);
  EXPECT_TRUE(db->IsModified());
  db->ClearModified();
  EXPECT_EQ(db->AddVersion(301), db::kOk);
  EXPECT_FALSE(db->IsModified());
  ASSERT_EQ(db->Save({}), 0);
  db.reset();
  EXPECT_EQ(QueryText(path, L"SELECT value FROM meta WHERE key='versions'"), L"300, 301");
}

TEST_F(Versions, EnsureUpgradesStepByStep) {
  auto db = NewDatabase();
  EXPECT_EQ(db->EnsureVersion(300), db::kOk);
  EXPECT_EQ(db->EnsureVersion(303), db::kOk);
  EXPECT_EQ(db->GetVersions(), (std::set<int>{300, 301, 302, 303}));
  EXPECT_EQ(db->EnsureVersion(304), db::kVersionMissing);
}

TEST_F(Versions, TypeCodesCreateTheIndex) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"B", L""), 0);
  ASSERT_EQ(db->AddExtension(L"2", L"A", L""), 0);
  ASSERT_EQ(db->AddExtension(L"3", L"B", L""), 0);
  EXPECT_EQ(db->GetTypeCodes(), (std::set<std::wstring>{L"A", L"B"}));
  EXPECT_TRUE(db->HasVersion(303));
}

TEST_F(Versions, NewerAndForeignFilesAreRecognised) {
  const auto path = MakeFile("v.mrb");
  EXPECT_EQ(DetectFormat(path), format::kCurrent);
  Sql(path, L"UPDATE meta SET value='300, 400' WHERE key='versions';");
  EXPECT_EQ(DetectFormat(path), format::kCurrent);
  EXPECT_TRUE(Open(path));
  Sql(path, L"UPDATE meta SET value='400' WHERE key='versions';");
  EXPECT_EQ(DetectFormat(path), format::kNewer);
  EXPECT_FALSE(Open(path, db::kNotCurrentFormat));
  EXPECT_EQ(WorkFiles(), 0u);
  Sql(path, L"UPDATE meta SET value='' WHERE key='versions';");
  EXPECT_EQ(DetectFormat(path), format::kNone);
  Sql(path, L"UPDATE meta SET value='300' WHERE key='versions'; UPDATE meta SET value='mrbx' WHERE key='kind';");
  EXPECT_EQ(DetectFormat(path), format::kNone);
}

}  // namespace
}  // namespace mirn::test
