#include <gtest/gtest.h>

#include "db/DbRanges.h"
#include "DbTestSupport.h"

namespace mirn::test {
namespace {

using Extensions = DbTest;

TEST_F(Extensions, AddTrimsValuesAndReadsTypeCodeUpperCase) {
  auto db = NewDatabase();
  EXPECT_EQ(db->AddExtension(L" 42 ", L"abc", L" Reception "), db::kOk);
  EXPECT_TRUE(db->IsModified());
  EXPECT_TRUE(db->ExtensionExists(L"42"));
  EXPECT_FALSE(db->ExtensionExists(L" 42 "));
  std::wstring typecode, name;
  LocalDateTime modified;
  EXPECT_EQ(db->GetExtension(L"42", typecode, name, &modified), db::kOk);
  EXPECT_EQ(typecode, L"ABC");
  EXPECT_EQ(name, L"Reception");
  EXPECT_EQ(modified, clock_.Now());
  // Stored as given, upper-cased only on reading.
  EXPECT_EQ(db->GetTypeCodes(), (std::set<std::wstring>{L"abc"}));
  EXPECT_EQ(db->GetExtensionsWithTypeCode(L"abc"), (std::vector<std::wstring>{L"42"}));
  EXPECT_TRUE(db->GetExtensionsWithTypeCode(L"").empty());
}

TEST_F(Extensions, RefusesEmptyAndDuplicateIdsAsStored) {
  auto db = NewDatabase();
  EXPECT_EQ(db->AddExtension(L"", L"T", L""), db::kEmptyId);
  EXPECT_EQ(db->AddExtension(L"  ", L"T", L""), db::kEmptyId);
  EXPECT_EQ(db->AddExtension(L"42", L"T", L""), db::kOk);
  EXPECT_EQ(db->AddExtension(L"42", L"T", L""), db::kExtensionExists);
  EXPECT_EQ(db->AddExtension(L" 42\t", L"T", L""), db::kExtensionExists);
  EXPECT_EQ(db->GetExtensionCount(), 1);
}

TEST_F(Extensions, IdsAreOrderedAsText) {
  auto db = NewDatabase();
  for (const wchar_t* id : {L"9", L"100", L"10"}) ASSERT_EQ(db->AddExtension(id, L"T", L""), 0);
  std::vector<std::wstring> walked(db->Extensions().begin(), db->Extensions().end());
  EXPECT_EQ(walked, (std::vector<std::wstring>{L"10", L"100", L"9"}));
  std::wstring next;
  EXPECT_FALSE(db->GetNextExtension(L"9", next));
}

// The one-statement read gives the rows of the walk, each as GetExtension reads it, also in
// a file with rows the walk skips (empty or non-text ids, made by other programs).
TEST_F(Extensions, RowReadGivesTheWalkedRowsAsEachIsRead) {
  auto db = NewDatabase();
  for (const wchar_t* id : {L"9", L"100", L"10", L"\u00E9t\u00E9", L"A b"}) {
    ASSERT_EQ(db->AddExtension(id, L"hd60", std::wstring(L"Name ") + id), 0);
  }
  auto sql = db->Connection()->Prepare(
      L"INSERT INTO extension (id, typecode, name, modified) VALUES (x'3435', 'T', '', ''), "
      L"('', 'T', '', '20200101T000000');", false);
  ASSERT_TRUE(sql->StepDone());
  std::vector<std::wstring> read;
  ASSERT_EQ(db->ReadExtensionRows([&](const ExtensionRow& row) {
    std::wstring typecode, name;
    LocalDateTime modified;
    EXPECT_EQ(db->GetExtension(row.id, typecode, name, &modified), db::kOk) << row.id;
    EXPECT_EQ(row.typecode, typecode);
    EXPECT_EQ(row.name, name);
    EXPECT_EQ(row.modified, modified);
    read.push_back(row.id);
    return true;
  }), db::kOk);
  EXPECT_EQ(read, std::vector<std::wstring>(db->Extensions().begin(), db->Extensions().end()));
  EXPECT_EQ(read.size(), 5u);
  // Answering false stops the read.
  int seen = 0;
  EXPECT_EQ(db->ReadExtensionRows([&](const ExtensionRow&) { return ++seen < 2; }), db::kOk);
  EXPECT_EQ(seen, 2);
}

// Read in steps of any size, the rows are those of the one-statement read, and a finished
// read stays finished.
TEST_F(Extensions, RowReadInStepsGivesTheRowsOfOneRead) {
  auto db = NewDatabase();
  for (const wchar_t* id : {L"9", L"100", L"10", L"\u00E9t\u00E9", L"A b", L"7"}) {
    ASSERT_EQ(db->AddExtension(id, L"hd60", std::wstring(L"Name ") + id), 0);
  }
  auto sql = db->Connection()->Prepare(
      L"INSERT INTO extension (id, typecode, name, modified) VALUES (x'3435', 'T', '', ''), "
      L"('', 'T', '', '20200101T000000');", false);
  ASSERT_TRUE(sql->StepDone());
  std::vector<std::wstring> whole;
  ASSERT_EQ(db->ReadExtensionRows([&](const ExtensionRow& row) {
    whole.push_back(row.id + L"|" + row.typecode + L"|" + row.name);
    return true;
  }), db::kOk);
  for (const int step : {1, 2, 4, 6, 100}) {
    ExtensionRowCursor cursor;
    std::vector<std::wstring> stepped;
    int steps = 0;
    while (!cursor.done) {
      ASSERT_EQ(db->ReadExtensionRows(cursor, step, [&](const ExtensionRow& row) {
        stepped.push_back(row.id + L"|" + row.typecode + L"|" + row.name);
      }), db::kOk);
      ASSERT_LT(++steps, 20);
    }
    EXPECT_EQ(stepped, whole) << "steps of " << step;
    EXPECT_EQ(db->ReadExtensionRows(cursor, step, [&](const ExtensionRow&) { ADD_FAILURE(); }), db::kOk);
  }
}

TEST_F(Extensions, UpdateMovesFieldsAndSelectionAndChecksTheNewId) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"42", L"T", L"Old"), 0);
  ASSERT_EQ(db->AddExtension(L"50", L"T", L""), 0);
  ASSERT_EQ(db->SetField(L"42", 1025, L"text"), 0);
  ASSERT_EQ(db->SetField(L"42", 2000, L"more"), 0);
  ASSERT_EQ(db->SaveSelections({L"42"}), 0);

  EXPECT_EQ(db->UpdateExtension(L"42", L"42", std::nullopt), db::kExtensionExists);
  EXPECT_EQ(db->UpdateExtension(L"42", L"50", std::nullopt), db::kExtensionExists);
  EXPECT_EQ(db->UpdateExtension(L"42", L" ", std::nullopt), db::kEmptyId);
  EXPECT_EQ(db->UpdateExtension(L"7", L"8", std::nullopt), db::kNoSuchExtension);
  EXPECT_EQ(db->UpdateExtension(L"42", std::nullopt, std::nullopt), db::kOk);

  clock_.Set({2020, 1, 2, 3, 4, 5});
  EXPECT_EQ(db->UpdateExtension(L"42", L" 43 ", L" New "), db::kOk);
  EXPECT_FALSE(db->ExtensionExists(L"42"));
  EXPECT_EQ(db->GetField(L"43", 1025), L"text");
  EXPECT_EQ(db->GetField(L"43", 2000), L"more");
  EXPECT_FALSE(db->FieldExists(L"42", 1025));
  EXPECT_EQ(db->LoadSelections(), (std::vector<std::wstring>{L"43"}));
  std::wstring typecode, name;
  LocalDateTime modified;
  EXPECT_EQ(db->GetExtension(L"43", typecode, name, &modified), 0);
  EXPECT_EQ(name, L"New");
  EXPECT_EQ(modified, (LocalDateTime{2020, 1, 2, 3, 4, 5}));

  EXPECT_EQ(db->UpdateExtension(L"43", std::nullopt, L"Only name"), db::kOk);
  EXPECT_EQ(db->GetName(L"43"), L"Only name");
}

TEST_F(Extensions, DeleteTakesFieldsAndSelectionAlong) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  ASSERT_EQ(db->SetField(L"1", 1100, L"x"), 0);
  ASSERT_EQ(db->SaveSelections({L"1"}), 0);
  EXPECT_EQ(db->DeleteExtension(L"2"), db::kNoSuchExtension);
  EXPECT_EQ(db->DeleteExtension(L"1"), db::kOk);
  EXPECT_FALSE(db->FieldExists(L"1", 1100));
  EXPECT_TRUE(db->LoadSelections().empty());
  EXPECT_EQ(db->GetExtensionCount(), 0);
}

TEST_F(Extensions, ChangeTypeCodeKeepsTheValueAndTheStamp) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  clock_.Set({2021, 6, 7, 8, 9, 10});
  EXPECT_EQ(db->ChangeTypeCode(L"1", L" new "), db::kOk);
  EXPECT_EQ(db->GetExtensionsWithTypeCode(L" new "), (std::vector<std::wstring>{L"1"}));
  std::wstring typecode, name;
  LocalDateTime modified;
  ASSERT_EQ(db->GetExtension(L"1", typecode, name, &modified), 0);
  EXPECT_EQ(modified, (LocalDateTime{2015, 3, 14, 9, 26, 53}));
  EXPECT_EQ(db->ChangeTypeCode(L"2", L"X"), db::kNoSuchExtension);
  EXPECT_EQ(db->GetTypeCode(L"2"), L"");
  EXPECT_EQ(db->GetExtension(L"2", typecode, name), db::kNoSuchExtension);
}

TEST_F(Extensions, StoredStampIsIsoBasic) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  const auto path = dir_ / "s.mrb";
  ASSERT_EQ(db->Save(path), 0);
  db.reset();
  EXPECT_EQ(QueryText(path, L"SELECT modified FROM extension"), L"20150314T092653");
}

TEST_F(Extensions, EveryOperationAnswersNotOpenWhenClosed) {
  MRBv3 db;
  std::wstring a, b;
  EXPECT_FALSE(db.ExtensionExists(L"1"));
  EXPECT_EQ(db.AddExtension(L"1", L"T", L""), db::kNotOpen);
  EXPECT_EQ(db.DeleteExtension(L"1"), db::kNotOpen);
  EXPECT_EQ(db.UpdateExtension(L"1", L"2", std::nullopt), db::kNotOpen);
  EXPECT_EQ(db.GetExtension(L"1", a, b), db::kNotOpen);
  EXPECT_FALSE(db.GetNextExtension(L"", a));
  EXPECT_EQ(db.GetExtensionCount(), 0);
  EXPECT_EQ(db.ChangeTypeCode(L"1", L"T"), db::kNotOpen);
  EXPECT_TRUE(db.GetTypeCodes().empty());
  EXPECT_EQ(db.SetField(L"1", 2000, L"x"), db::kNotOpen);
  EXPECT_EQ(db.GetNextFieldId(L"1", 0), 0);
  EXPECT_EQ(db.SaveSelections({}), db::kNotOpen);
  EXPECT_EQ(db.AddVersion(301), db::kNotOpen);
  EXPECT_EQ(db.EnsureVersion(301), db::kNotOpen);
  EXPECT_EQ(db.Save({}), db::kNotOpen);
  MRBGraphic g;
  EXPECT_EQ(db.SetGraphicField(L"1", 1, g), db::kNotOpen);
  EXPECT_EQ(db.GetGraphicField(L"1", 1, g), db::kNotOpen);
  EXPECT_EQ(db.Extensions().begin(), db.Extensions().end());
  EXPECT_EQ(db.ReadExtensionRows([](const ExtensionRow&) { return true; }), db::kNotOpen);
}

}  // namespace
}  // namespace mirn::test
