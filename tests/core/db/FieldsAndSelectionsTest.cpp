#include <gtest/gtest.h>

#include "db/DbRanges.h"
#include "DbTestSupport.h"

namespace mirn::test {
namespace {

using Fields = DbTest;

TEST_F(Fields, SetReplaceAndEmptyContentDeletes) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  EXPECT_EQ(db->SetField(L"1", 1100, L"first"), db::kOk);
  EXPECT_EQ(db->SetField(L"1", 1100, L"second \u00e9\U0001F600"), db::kOk);
  EXPECT_EQ(db->GetField(L"1", 1100), L"second \u00e9\U0001F600");
  EXPECT_TRUE(db->FieldExists(L"1", 1100));
  EXPECT_EQ(db->SetField(L"1", 1100, L""), db::kOk);
  EXPECT_EQ(db->GetField(L"1", 1100), L"");
  EXPECT_FALSE(db->FieldExists(L"1", 1100));
  EXPECT_FALSE(db->FieldExists(L"", 1100));
  // Removing a field that is not there is still fine for an existing extension.
  EXPECT_EQ(db->SetField(L"1", 1100, L""), db::kOk);
}

TEST_F(Fields, InsertFieldActsAsSetFieldWhateverIsStored) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  EXPECT_EQ(db->InsertField(L"1", 1100, L"new"), db::kOk);
  EXPECT_EQ(db->InsertField(L"1", 1100, L"replaced"), db::kOk) << "a taken key is replaced";
  EXPECT_EQ(db->GetField(L"1", 1100), L"replaced");
  EXPECT_EQ(db->InsertField(L"1", 1100, L""), db::kOk);
  EXPECT_FALSE(db->FieldExists(L"1", 1100));
}

TEST_F(Fields, FieldsOfMissingExtensionsAreRefused) {
  auto db = NewDatabase();
  EXPECT_EQ(db->SetField(L"nope", 1100, L"x"), db::kNoSuchExtension);
  EXPECT_EQ(db->SetField(L"nope", 1100, L""), db::kNoSuchExtension);
  EXPECT_EQ(db->InsertField(L"nope", 1100, L"x"), db::kNoSuchExtension);
  EXPECT_FALSE(db->IsModified());
}

TEST_F(Fields, SetFieldDoesNotTouchTheStamp) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  clock_.Set({2030, 1, 1, 0, 0, 0});
  ASSERT_EQ(db->SetField(L"1", 1100, L"x"), 0);
  std::wstring t, n;
  LocalDateTime modified;
  ASSERT_EQ(db->GetExtension(L"1", t, n, &modified), 0);
  EXPECT_EQ(modified.year, 2015);
}

TEST_F(Fields, FieldIdsWalkInNumericOrderPerExtension) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  ASSERT_EQ(db->AddExtension(L"2", L"T", L""), 0);
  for (int id : {2000, 5, 1025, 1}) ASSERT_EQ(db->SetField(L"1", id, L"x"), 0);
  ASSERT_EQ(db->SetField(L"2", 3, L"y"), 0);
  std::vector<int> ids(db->FieldIds(L"1").begin(), db->FieldIds(L"1").end());
  EXPECT_EQ(ids, (std::vector<int>{1, 5, 1025, 2000}));
  EXPECT_EQ(db->GetNextFieldId(L"1", 2000), 0);
  EXPECT_EQ(db->FieldIds(L"3").begin(), db->FieldIds(L"3").end());
}

TEST_F(Fields, AFieldIdBetweenStoredOnesReadsAsMissing) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  for (int id : {1, 5, 1025}) ASSERT_EQ(db->SetField(L"1", id, L"text " + std::to_wstring(id)), 0);
  EXPECT_EQ(db->GetField(L"1", 3), L"");
  EXPECT_FALSE(db->FieldExists(L"1", 3));
  EXPECT_EQ(db->GetField(L"1", 1000), L"");
  EXPECT_EQ(db->GetField(L"1", 0), L"");
  EXPECT_EQ(db->GetField(L"1", 5), L"text 5");
  EXPECT_EQ(db->GetField(L"1", 2000), L"");
}

TEST_F(Fields, ReadsSeeEveryWriteWhateverPathItTook) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  ASSERT_EQ(db->SetField(L"1", 1100, L"a"), 0);
  EXPECT_EQ(db->GetField(L"1", 1100), L"a");
  // Straight through the connection, as exchange code may write.
  ASSERT_TRUE(db->Connection()->Execute(L"UPDATE field SET content='b' WHERE field_id=1100;"));
  EXPECT_EQ(db->GetField(L"1", 1100), L"b");
  ASSERT_TRUE(db->Connection()->Execute(
      L"INSERT INTO field (extension_id, field_id, content) VALUES ('1', 1200, 'c');"));
  EXPECT_TRUE(db->FieldExists(L"1", 1200));
  EXPECT_EQ(db->GetNextFieldId(L"1", 1100), 1200);
  ASSERT_EQ(db->UpdateExtension(L"1", L"2", std::nullopt), 0);
  EXPECT_EQ(db->GetField(L"1", 1100), L"");
  EXPECT_EQ(db->GetField(L"2", 1200), L"c");
  // Another file opened in the same object shows its own fields.
  const auto path = MakeFile("other.mrb", {{L"2", L"T"}});
  ASSERT_EQ(db->Open(path), 0);
  EXPECT_FALSE(db->FieldExists(L"2", 1200));
}

using Selections = DbTest;

TEST_F(Selections, SavingUpgradesAVersion300FileAndReplacesTheSet) {
  auto db = NewDatabase();
  EXPECT_TRUE(db->LoadSelections().empty());
  EXPECT_FALSE(db->HasVersion(301));
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  ASSERT_EQ(db->AddExtension(L"2", L"T", L""), 0);
  EXPECT_EQ(db->SaveSelections({L"1", L"2"}), db::kOk);
  EXPECT_EQ(db->GetVersions(), (std::set<int>{300, 301}));
  EXPECT_EQ(db->SaveSelections({L"2"}), db::kOk);
  EXPECT_EQ(db->LoadSelections(), (std::vector<std::wstring>{L"2"}));
  // An id that is no extension fails the statement; the rows before it stay.
  EXPECT_EQ(db->SaveSelections({L"1", L"missing"}), db::kSqlFailed);
  EXPECT_EQ(db->LoadSelections(), (std::vector<std::wstring>{L"1"}));
}

TEST_F(Selections, SurviveSaveAndReopen) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  ASSERT_EQ(db->SaveSelections({L"1"}), 0);
  const auto path = dir_ / "sel.mrb";
  ASSERT_EQ(db->Save(path), 0);
  db.reset();
  auto again = Open(path);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->LoadSelections(), (std::vector<std::wstring>{L"1"}));
}

}  // namespace
}  // namespace mirn::test
