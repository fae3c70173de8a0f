// Saving into the user's own layouts folder: the library and its cache learn the one file at
// once, a bundled layout is never changed, and layouts with errors are not written.
#include <gtest/gtest.h>

#include "layouts/LayoutDocument.h"
#include "layouts/LayoutOfExtension.h"
#include "layouts/LayoutSaving.h"
#include "support/TestDatabase.h"
#include "platform/KnownFolders.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

class LayoutSavingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders.Set(KnownFolder::Program, dir / "program");
    fs::create_directories(dir / "program" / "ddf");
  }
  LayoutDocument TwoFields(const std::wstring& code) {
    LayoutDocument d;
    d.SetTypeCode(code);
    d.SetGroupName(L"Mine");
    d.SetDescription(L"My phone");
    d.SetLabelSize(1440, 2880);
    d.GenerateSlots({3, 1, {720, 720}, 1800, 0});
    d.AddObject(LayoutObjectKind::TextField, 0, 0, 1440, 1440);
    d.AddObject(LayoutObjectKind::TextField, 0, 1440, 1440, 2880);
    return d;
  }
  test::TempDir dir;
  FakeKnownFolders folders{dir.Path()};
};

TEST_F(LayoutSavingTest, SavedLayoutIsInTheLibraryAndItsCacheAtOnce) {
  DDFLibrary library(folders);
  library.ScanAll();
  LayoutDocument d = TwoFields(L"my1");
  const LayoutSaveResult saved = SaveLayout(d, library);
  ASSERT_TRUE(saved.saved) << saved.message;
  EXPECT_EQ(saved.file, library.UserFolder() / "MY1.ddf");
  EXPECT_EQ(d.Path(), saved.file);
  EXPECT_FALSE(d.IsModified());
  ASSERT_TRUE(library.Contains(L"MY1"));
  EXPECT_EQ(library.GetInfo(L"MY1").description, L"My phone");
  EXPECT_EQ(library.GetTemplate(L"MY1")->GetObjects().size(), 2u);

  // Saved again within the same second: the held template is not served stale.
  d.AddObject(LayoutObjectKind::Caption, 0, 0, 100, 100);
  d.SetDescription(L"My phone, labelled");
  ASSERT_TRUE(SaveLayout(d, library).saved);
  EXPECT_EQ(library.GetTemplate(L"MY1")->GetObjects().size(), 3u);
  EXPECT_EQ(library.GetInfo(L"MY1").description, L"My phone, labelled");

  // The next start takes the user's folder from the cache without opening the file.
  DDFLibrary next(folders);
  next.ScanAll();
  EXPECT_EQ(next.Statistics().headersRead, 0u);
  EXPECT_GE(next.Statistics().directoriesFromCache, 1u);
  EXPECT_EQ(next.GetInfo(L"MY1").description, L"My phone, labelled");
}

// Edit Layout opens the one selected extension's layout as the library holds it: the bundled
// file until the user saved an edited copy, then that copy.
TEST_F(LayoutSavingTest, EditLayoutOpensTheSelectedExtensionsLayout) {
  const fs::path installed = dir / "program" / "ddf" / "bundled.ddf";
  test::WriteFile(installed, TwoFields(L"BND").Bytes());
  DDFLibrary library(folders);
  library.ScanAll();
  const auto db = test::NewTestDatabase(dir);
  ASSERT_EQ(db->AddExtension(L"1", L"BND", L"One"), 0);
  ASSERT_EQ(db->AddExtension(L"2", L"BND", L"Two"), 0);
  ASSERT_EQ(db->AddExtension(L"3", L"GONE", L"Three"), 0);
  EXPECT_EQ(LayoutFileOf(db.get(), library, {L"1"}), installed);
  EXPECT_FALSE(LayoutFileOf(db.get(), library, {L"1", L"2"}));
  EXPECT_FALSE(LayoutFileOf(db.get(), library, {}));
  EXPECT_FALSE(LayoutFileOf(db.get(), library, {L"3"}));
  EXPECT_FALSE(LayoutFileOf(nullptr, library, {L"1"}));
  LayoutDocument edited = LayoutDocument::Load(installed);
  ASSERT_TRUE(SaveLayout(edited, library).saved);
  EXPECT_EQ(LayoutFileOf(db.get(), library, {L"2"}), library.UserFolder() / "BND.ddf");
}

TEST_F(LayoutSavingTest, EditingABundledLayoutSavesACopy) {
  LayoutDocument bundled = TwoFields(L"BND");
  const fs::path installed = dir / "program" / "ddf" / "bundled.ddf";
  test::WriteFile(installed, bundled.Bytes());
  const std::string before = test::ReadFile(installed);
  DDFLibrary library(folders);
  library.ScanAll();

  LayoutDocument d = LayoutDocument::Load(installed);
  d.SetDescription(L"Edited");
  const LayoutSaveResult saved = SaveLayout(d, library);
  ASSERT_TRUE(saved.saved) << saved.message;
  EXPECT_EQ(saved.file, library.UserFolder() / "BND.ddf");
  EXPECT_EQ(test::ReadFile(installed), before);
  EXPECT_EQ(library.GetInfo(L"BND").path, saved.file.wstring());
  EXPECT_EQ(library.GetTemplate(L"BND")->GetDescription(), L"Edited");
  // Saved once more, it stays in its file in the user's folder.
  EXPECT_EQ(SaveTarget(d, library), saved.file);
}

TEST_F(LayoutSavingTest, ErrorsAreNotSavedAndFreeTypeCodesAreOffered) {
  DDFLibrary library(folders);
  LayoutDocument d = TwoFields(L"");
  const LayoutSaveResult refused = SaveLayout(d, library);
  EXPECT_FALSE(refused.saved);
  EXPECT_EQ(refused.message, L"The layout has no type code.");
  EXPECT_FALSE(fs::exists(library.UserFolder()));
  EXPECT_TRUE(d.IsModified());

  LayoutDocument a = TwoFields(L"LONGCODE");
  ASSERT_TRUE(SaveLayout(a, library).saved);
  LayoutDocument b = TwoFields(L"LONGCOD2");
  ASSERT_TRUE(SaveLayout(b, library).saved);
  EXPECT_EQ(FreeTypeCode(L"longcode", library), L"LONGCOD3");
  EXPECT_EQ(FreeTypeCode(L"HD40", library), L"HD402");  // appended while there is room
  EXPECT_EQ(FreeTypeCode(L" desk9ab ", library), L"DESK9AB2");  // up to the eighth character
}

}  // namespace
}  // namespace mirn
