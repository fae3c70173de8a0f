#include <gtest/gtest.h>

#include <sstream>

#include "db/SQLiteDB.h"
#include "support/TestSupport.h"

namespace mirn::test {
namespace {

class SQLiteDBTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(db_.Open(dir_ / "t.db"));
    ASSERT_TRUE(db_.Execute(L"CREATE TABLE t (a TEXT, b INTEGER, c BLOB);"));
  }
  TempDir dir_;
  SQLiteDB db_;
};

TEST_F(SQLiteDBTest, NamedParametersColumnsAndUnknownNames) {
  EXPECT_TRUE(db_.InTransaction());
  auto insert = db_.Prepare(L"INSERT INTO t (a, b) VALUES (:a, :b);", true);
  insert->BindText(":a", L"h\u00e9llo \U0001F600");
  insert->BindInt(":b", int64_t{1} << 40);
  insert->BindText(":missing", L"skipped");
  EXPECT_TRUE(insert->StepDone());
  auto select = db_.Prepare(L"SELECT a, b AS x, b AS x FROM t;", false);
  ASSERT_TRUE(select->Step());
  EXPECT_EQ(select->ColumnIndex("a"), 0);
  EXPECT_EQ(select->ColumnIndex("x"), 2);
  EXPECT_EQ(select->ColumnIndex("nope"), -1);
  EXPECT_EQ(select->GetText(0), L"h\u00e9llo \U0001F600");
  EXPECT_EQ(select->GetInt64(1), int64_t{1} << 40);
  EXPECT_FALSE(select->Step());
}

TEST_F(SQLiteDBTest, RebindingOneTextLeavesTheOthersIntact) {
  // Bound texts are read in place: rebinding one parameter, short then long enough to move
  // its storage, must not disturb what the other parameters point to.
  auto insert = db_.Prepare(L"INSERT INTO t (a, b) VALUES (:a || :c, :b);", true);
  insert->BindText(":a", L"x");
  insert->BindText(":c", L"short");
  insert->BindInt(":b", 1);
  ASSERT_TRUE(insert->StepDone());
  insert = db_.Prepare(L"INSERT INTO t (a, b) VALUES (:a || :c, :b);", true);
  insert->BindText(":a", std::wstring(300, L'y'));
  insert->BindInt(":b", 2);
  ASSERT_TRUE(insert->StepDone()) << ":c keeps its earlier text";
  auto select = db_.Prepare(L"SELECT a FROM t ORDER BY b;", false);
  ASSERT_TRUE(select->Step());
  EXPECT_EQ(select->GetText(0), L"xshort");
  ASSERT_TRUE(select->Step());
  EXPECT_EQ(select->GetText(0), std::wstring(300, L'y') + L"short");
}

TEST_F(SQLiteDBTest, CacheReusesStatementsAndFinalizeMakesThemInert) {
  auto first = db_.Prepare(L"SELECT 1;", true);
  auto second = db_.Prepare(L"SELECT 1;", true);
  EXPECT_EQ(first, second);
  EXPECT_NE(db_.Prepare(L"SELECT 1;", false), first);
  auto broken = db_.Prepare(L"SELEC nonsense", true);
  EXPECT_FALSE(broken->IsValid());
  broken->BindText(":a", L"x");
  EXPECT_FALSE(broken->StepDone());
  EXPECT_EQ(broken->GetText(0), L"");
  db_.FinalizeAll();
  EXPECT_FALSE(first->IsValid());
  EXPECT_FALSE(first->Step());
  EXPECT_NE(db_.Prepare(L"SELECT 1;", true), first);
}

TEST_F(SQLiteDBTest, CloseRollsBackTheOpenTransaction) {
  ASSERT_TRUE(db_.Commit());
  ASSERT_TRUE(db_.Execute(L"INSERT INTO t (a) VALUES ('x');"));
  auto held = db_.Prepare(L"SELECT a FROM t;", false);
  ASSERT_TRUE(held->Step());
  db_.Close();
  EXPECT_FALSE(held->IsValid());
  ASSERT_TRUE(db_.Open(dir_ / "t.db"));
  auto count = db_.Prepare(L"SELECT COUNT(*) FROM t;", false);
  ASSERT_TRUE(count->Step());
  EXPECT_EQ(count->GetInt(0), 0);
}

TEST_F(SQLiteDBTest, BlobsStreamInPiecesAndClampToTheBlob) {
  std::string bytes(100000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  auto insert = db_.Prepare(L"INSERT INTO t (c) VALUES (:c);", false);
  insert->BindZeroBlob(":c", static_cast<int64_t>(bytes.size()));
  ASSERT_TRUE(insert->StepDone());
  const int64_t rowid = db_.LastInsertRowId();
  std::istringstream in(bytes + "extra");
  EXPECT_TRUE(db_.WriteBlob("t", "c", rowid, in, static_cast<int64_t>(bytes.size()) + 5));
  std::ostringstream out;
  EXPECT_TRUE(db_.ReadBlob("t", "c", rowid, out));
  EXPECT_EQ(out.str(), bytes);
  std::istringstream shortInput(bytes.substr(0, 50000));
  EXPECT_FALSE(db_.WriteBlob("t", "c", rowid, shortInput, static_cast<int64_t>(bytes.size())));
  std::ostringstream none;
  EXPECT_FALSE(db_.ReadBlob("t", "c", rowid + 1, none));
}

TEST_F(SQLiteDBTest, BackupAndVacuumIntoCopyTheCommittedDatabase) {
  ASSERT_TRUE(db_.Execute(L"INSERT INTO t (a) VALUES ('kept');"));
  ASSERT_TRUE(db_.Commit());
  db_.FinalizeAll();
  ASSERT_TRUE(db_.BackupTo(dir_ / "backup.db"));
  ASSERT_TRUE(db_.VacuumInto(dir_ / "vacuum.db"));
  EXPECT_FALSE(db_.VacuumInto(dir_ / "vacuum.db"));  // never over an existing database
  for (const char* name : {"backup.db", "vacuum.db"}) {
    SQLiteDB copy;
    ASSERT_TRUE(copy.Open(dir_ / name));
    auto c = copy.Prepare(L"SELECT a FROM t;", false);
    ASSERT_TRUE(c->Step()) << name;
    EXPECT_EQ(c->GetText(0), L"kept");
  }
}

}  // namespace
}  // namespace mirn::test
