#include <gtest/gtest.h>
#include <unistd.h>

#include "db/GraphicFiles.h"
#include "DbTestSupport.h"
#include "platform/KnownFolders.h"
#include "util/Text.h"

namespace mirn::test {
namespace {

class Graphics : public DbTest {
 protected:
  // A picture of `size` bytes with a recognisable pattern.
  std::filesystem::path Picture(const std::string& name, size_t size, char seed = 1) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(seed + i * 31);
    const auto path = dir_ / name;
    WriteFile(path, bytes);
    return path;
  }
  static MRBGraphic Embedded(const std::filesystem::path& file) {
    MRBGraphic g;
    g.fileName = FromPath(file);
    g.relativeName = FromPath(file.filename());
    g.width = 100;
    g.height = 50;
    g.embedded = true;
    return g;
  }
  static int GraphicRows(MRBBase& db) {
    auto c = db.Connection()->Prepare(L"SELECT COUNT(*) FROM graphics", false);
    return c->Step() ? c->GetInt(0) : -1;
  }
};

TEST_F(Graphics, EmbeddingStoresOneRowPerContentAndTheSlotNamesThePlaceholder) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  ASSERT_EQ(db->AddExtension(L"2", L"T", L""), 0);
  const auto picture = Picture("logo.PNG", 100000);  // several blob pieces
  const MRBGraphic graphic = Embedded(picture);
  EXPECT_EQ(db->SetGraphicField(L"1", 1, graphic), db::kOk);
  EXPECT_EQ(db->SetGraphicField(L"2", 7, graphic), db::kOk);
  EXPECT_EQ(graphic.fileName, FromPath(picture));  // the caller's record stays as it was
  EXPECT_TRUE(db->HasVersion(302));
  EXPECT_EQ(GraphicRows(*db), 1);

  MRBGraphic stored;
  ASSERT_TRUE(stored.FromJson(ToUtf8(db->GetField(L"1", 1))));
  EXPECT_EQ(stored.fileName,
            L"C:\\embedded graphic\\upgrade-to-mirn-3_point_2-or-higher-to-see-it.PNG");
  EXPECT_EQ(stored.relativeName, stored.fileName);
  EXPECT_EQ(stored.embeddedHash, Sha1OfFile(picture));
  EXPECT_TRUE(db->HasGraphic(stored.embeddedHash));

  MRBGraphic loaded;
  EXPECT_EQ(db->GetGraphicField(L"2", 7, loaded), db::kOk);
  EXPECT_EQ(loaded.originalName, L"logo.PNG");
  EXPECT_EQ(std::filesystem::path(ToPath(loaded.fileName)).extension(), ".PNG");
  EXPECT_EQ(ReadFile(ToPath(loaded.fileName)), ReadFile(picture));
  EXPECT_EQ(loaded.relativeName, L".\\" + FromPath(ToPath(loaded.fileName).filename()));
  EXPECT_EQ(ToPath(loaded.fileName).filename().string(),
            std::to_string(::getpid()) + "-" + ToUtf8(stored.embeddedHash) + ".PNG");
  EXPECT_EQ(loaded.width, 100);
}

TEST_F(Graphics, UnreferencedPicturesGoAtTheNextSaveOnly) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  ASSERT_EQ(db->AddExtension(L"2", L"T", L""), 0);
  const MRBGraphic graphic = Embedded(Picture("a.png", 5000));
  ASSERT_EQ(db->SetGraphicField(L"1", 1, graphic), 0);
  ASSERT_EQ(db->SetGraphicField(L"2", 1, graphic), 0);
  const auto path = dir_ / "g.mrb";
  ASSERT_EQ(db->Save(path), 0);
  ASSERT_EQ(db->DeleteExtension(L"1"), 0);
  ASSERT_EQ(db->Save({}), 0);
  EXPECT_EQ(GraphicRows(*db), 1);
  ASSERT_EQ(db->DeleteExtension(L"2"), 0);
  EXPECT_EQ(GraphicRows(*db), 1);  // an undo before saving still finds the bytes
  ASSERT_EQ(db->Save({}), 0);
  EXPECT_EQ(GraphicRows(*db), 0);
  EXPECT_FALSE(db->IsModified());
}

TEST_F(Graphics, EmptyStoredNameExtractsAsUntitledAndReusesItsFile) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  MRBGraphic graphic = Embedded(Picture("p.bmp", 300));
  ASSERT_EQ(db->EmbedGraphic(graphic), 0);
  auto c = db->Connection()->Prepare(L"UPDATE graphics SET original_name=''", false);
  ASSERT_TRUE(c->StepDone());
  std::filesystem::path first, second;
  std::wstring name;
  ASSERT_EQ(db->ExtractGraphic(graphic.embeddedHash, first, name), 0);
  EXPECT_EQ(name, L"Untitled");
  EXPECT_EQ(first.extension(), "");
  ASSERT_EQ(db->ExtractGraphic(graphic.embeddedHash, second, name), 0);
  EXPECT_EQ(first, second);
  db.reset();
  EXPECT_FALSE(std::filesystem::exists(first));  // extracted files go with the database
  EXPECT_FALSE(std::filesystem::exists(ToPath(graphic.fileName)));
}

TEST_F(Graphics, MissingPicturesSlotsAndVersionsGiveTheirCodes) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  std::filesystem::path path;
  std::wstring name;
  EXPECT_EQ(db->ExtractGraphic(std::wstring(40, L'0'), path, name), db::kVersionMissing);
  EXPECT_FALSE(db->HasGraphic(std::wstring(40, L'0')));
  MRBGraphic missing = Embedded(dir_ / "nothing.png");
  EXPECT_EQ(db->EmbedGraphic(missing), db::kGraphicIo);
  EXPECT_FALSE(db->HasVersion(302));
  MRBGraphic folder = Embedded(dir_.Path());
  EXPECT_EQ(db->EmbedGraphic(folder), db::kGraphicIo);
  ASSERT_EQ(db->EnsureVersion(302), 0);
  EXPECT_EQ(db->ExtractGraphic(std::wstring(40, L'0'), path, name), db::kGraphicIo);
  EXPECT_FALSE(db->HasGraphic(std::wstring(40, L'0')));
  // A hash is part of a file name: nothing but 40 hex digits is ever looked up.
  auto c = db->Connection()->Prepare(
      L"INSERT INTO graphics VALUES ('../../escape', 1, 'x.png', x'00')", false);
  ASSERT_TRUE(c->StepDone());
  EXPECT_EQ(db->ExtractGraphic(L"../../escape", path, name), db::kGraphicIo);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "escape.png"));

  MRBGraphic g;
  EXPECT_EQ(db->GetGraphicField(L"1", 1, g), db::kEmptyGraphicSlot);
  ASSERT_EQ(db->SetField(L"1", 1, L"{broken"), 0);
  EXPECT_EQ(db->GetGraphicField(L"1", 1, g), db::kBadGraphic);
  EXPECT_EQ(db->SetGraphicField(L"9", 1, g), db::kNoSuchExtension);
  // An embedded slot whose picture is not stored keeps its description and reports it.
  MRBGraphic orphan;
  orphan.embedded = true;
  orphan.embeddedHash = std::wstring(40, L'b');
  orphan.fileName = EmbeddedPlaceholderPath(L".png");
  ASSERT_EQ(db->SetGraphicField(L"1", 2, orphan), 0);
  EXPECT_EQ(db->GetGraphicField(L"1", 2, g), db::kGraphicIo);
  EXPECT_EQ(g.embeddedHash, orphan.embeddedHash);
}

TEST_F(Graphics, LinkedPicturesAreStoredAsGivenAndFoundWhenMoved) {
  auto db = NewDatabase();
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  MRBGraphic linked;
  linked.fileName = L"C:\\Old\\Pics\\x.bmp";
  linked.relativeName = L"Pics\\x.bmp";
  ASSERT_EQ(db->SetGraphicField(L"1", 3, linked), 0);
  MRBGraphic read;
  ASSERT_EQ(db->GetGraphicField(L"1", 3, read), 0);
  EXPECT_EQ(read, linked);

  FakeKnownFolders folders(dir_ / "home");
  const auto pictures = folders.Get(KnownFolder::Pictures);
  EXPECT_EQ(ResolveGraphicPath(read, dir_ / "base", folders), L"");
  std::filesystem::create_directories(pictures / "Pics");
  WriteFile(pictures / "Pics" / "x.bmp", "BM");
  EXPECT_EQ(ResolveGraphicPath(read, dir_ / "base", folders), FromPath(pictures / "Pics" / "x.bmp"));
  // Beside the database comes first.
  std::filesystem::create_directories(dir_ / "base" / "Pics");
  WriteFile(dir_ / "base" / "Pics" / "x.bmp", "BM");
  EXPECT_EQ(ResolveGraphicPath(read, dir_ / "base", folders), FromPath(dir_ / "base" / "Pics" / "x.bmp"));
}

TEST_F(Graphics, FolderSearchTriesInnermostFoldersFirst) {
  FakeKnownFolders folders(dir_ / "home");
  const auto documents = folders.Get(KnownFolder::Documents);
  MRBGraphic g;
  g.fileName = L"C:\\Users\\Ann\\Logos\\Blue\\a.png";
  std::filesystem::create_directories(documents / "Logos" / "Blue");
  WriteFile(documents / "Logos" / "Blue" / "a.png", "x");
  EXPECT_EQ(ResolveGraphicPath(g, {}, folders), FromPath(documents / "Logos" / "Blue" / "a.png"));
  std::filesystem::create_directories(documents / "Blue");
  WriteFile(documents / "Blue" / "a.png", "x");
  EXPECT_EQ(ResolveGraphicPath(g, {}, folders), FromPath(documents / "Blue" / "a.png"));
  // A folder is never a picture, nor is the base folder for an empty stored name.
  MRBGraphic empty;
  EXPECT_EQ(ResolveGraphicPath(empty, dir_.Path(), folders), L"");
}

}  // namespace
}  // namespace mirn::test
