#include <gtest/gtest.h>

#include <filesystem>

#include "core/templates/TemplateFixtures.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "templates/DDFConversions.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "templates/SqliteConnection.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

// Writes a conversion table with the given "versions" value (none: no row) and rows.
void MakeConversions(const fs::path& folder, const char* versions,
                     std::initializer_list<std::pair<const char*, const char*>> rows) {
  fs::create_directories(folder);
  SqliteConnection db;
  ASSERT_TRUE(db.Open(folder / DDFConversions::kFileName, false, true));
  ASSERT_TRUE(db.Execute("CREATE TABLE meta (key TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL DEFAULT (''));"
                         "CREATE TABLE typeCodeChanges (oldTypeCode TEXT NOT NULL, newTypeCode TEXT NOT NULL);"));
  if (versions) {
    ASSERT_TRUE(db.Execute(("INSERT INTO meta VALUES ('versions', '" + std::string(versions) + "');").c_str()));
  }
  for (const auto& [from, to] : rows)
    ASSERT_TRUE(db.Execute(("INSERT INTO typeCodeChanges VALUES ('" + std::string(from) + "', '" + to + "');").c_str()));
}

TEST(Conversions, LooksUpNewTypeCodesExactly) {
  test::TempDir dir;
  MakeConversions(dir.Path(), "100, 200", {{"A", "C"}, {"B", "D"}});
  DDFConversions conversions;
  ASSERT_TRUE(conversions.OpenConversions(dir.Path()));
  EXPECT_TRUE(conversions.HasConversion(L"A"));
  EXPECT_FALSE(conversions.HasConversion(L"a"));  // case-sensitive
  EXPECT_FALSE(conversions.HasConversion(L"C"));
  EXPECT_EQ(conversions.GetNewTypeCode(L"B"), L"D");
  try {
    conversions.GetNewTypeCode(L"Z");
    FAIL();
  } catch (const DDFConversionException& e) {
    EXPECT_EQ(e.Message(), L"no new typeCode for DDF: Z");
  }
}

TEST(Conversions, OtherVersionsAndMissingFilesGiveNoConversions) {
  for (const char* versions : std::initializer_list<const char*>{"200", "1000", "", nullptr}) {
    test::TempDir dir;
    MakeConversions(dir.Path(), versions, {{"A", "C"}});
    DDFConversions conversions;
    EXPECT_FALSE(conversions.OpenConversions(dir.Path())) << (versions ? versions : "no row");
    EXPECT_FALSE(conversions.HasConversion(L"A"));
    EXPECT_THROW(conversions.GetNewTypeCode(L"A"), DDFConversionException);
  }
  test::TempDir dir;
  DDFConversions conversions;
  EXPECT_FALSE(conversions.OpenConversions(dir.Path()));
  EXPECT_FALSE(fs::exists(dir / DDFConversions::kFileName));  // never created
  fs::create_directories(dir / DDFConversions::kFileName);
  EXPECT_FALSE(conversions.OpenConversions(dir.Path()));
  test::WriteFile(dir / "x" / DDFConversions::kFileName, "");
  EXPECT_FALSE(conversions.OpenConversions(dir / "x"));
}

TEST(Conversions, TheBundledTableIsReadable) {
  const fs::path folder = fs::path(MIRN_BINARY_DIR) / "bin";
  if (!fs::exists(folder / DDFConversions::kFileName)) GTEST_SKIP() << "no bundled table in this build";
  DDFConversions conversions;
  ASSERT_TRUE(conversions.OpenConversions(folder));
  EXPECT_EQ(conversions.GetNewTypeCode(L"CV200"), L"CV210");
  EXPECT_EQ(conversions.GetNewTypeCode(L"HD39"), L"HD40");
}

TEST(Conversions, ApplyMovesOnlyToInstalledLayoutsAndKeepsFields) {
  test::TempDir dir;
  MakeConversions(dir / "conv", "100", {{"A", "C"}, {"B", "D"}, {"X", "C"}});
  DDFConversions conversions;
  ASSERT_TRUE(conversions.OpenConversions(dir / "conv"));
  FakeKnownFolders folders(dir.Path());
  DDFLibrary library(folders, false);
  test::WriteTemplateFile(dir / "lib" / "c.ddf", test::MakeTemplate(L"C"));
  library.Scan(dir / "lib");

  int code = 0;
  auto db = OpenDatabase({}, code);
  ASSERT_TRUE(db) << code;
  db->SetTempFolder(dir.Path());
  for (const auto& [id, type] : {std::pair{L"100", L"A"}, {L"101", L"A"}, {L"200", L"B"}, {L"300", L"C"}})
    ASSERT_EQ(db->AddExtension(id, type, L"Name"), 0);
  ASSERT_EQ(db->SetField(L"100", 1101, L"kept text"), 0);

  const auto changes = conversions.ApplyConversions(*db, library);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].extensionId, L"100");
  EXPECT_EQ(changes[1].newTypeCode, L"C");
  EXPECT_EQ(changes[1].result, 0);
  EXPECT_EQ(db->GetTypeCode(L"100"), L"C");
  EXPECT_EQ(db->GetTypeCode(L"101"), L"C");
  EXPECT_EQ(db->GetTypeCode(L"200"), L"B");  // D is not installed
  EXPECT_EQ(db->GetField(L"100", 1101), L"kept text");
  // A second pass finds no old codes left to move.
  EXPECT_TRUE(conversions.ApplyConversions(*db, library).empty());
  // Without a usable table nothing happens.
  EXPECT_TRUE(DDFConversions().ApplyConversions(*db, library).empty());
}

}  // namespace
}  // namespace mirn
