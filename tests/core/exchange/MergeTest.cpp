#include "exchange/MRBMergeImporter.h"

#include "ExchangeFixture.h"
#include "util/StringTable.h"
#include "db/MRBGraphic.h"
#include "db/SQLiteDB.h"
#include "exchange/MRBExporterCommands.h"

namespace mirn {
namespace {

struct FixedAnswer : ReplaceQuestion {
  explicit FixedAnswer(ReplaceAnswer a) : answer(a) {}
  ReplaceReply Ask(const std::wstring&) override { return {answer, true}; }
  ReplaceAnswer answer;
};

class MergeTest : public test::ExchangeTest {
 protected:
  // A saved source file: extension 1 (two fields and an embedded picture in slot 1) and 2.
  std::filesystem::path MakeSource() {
    const auto path = dir / "source.mrb";
    auto source = NewDatabase();
    Add(*source, L"1", L"T3", L"From source", {{10, L"source 10"}});
    Add(*source, L"2", L"T4", L"Second", {{20, L"source 20"}});
    test::WriteFile(dir / "logo.png", pictureBytes);
    MRBGraphic picture;
    picture.fileName = (dir / "logo.png").wstring();
    picture.embedded = true;
    picture.width = picture.height = 100;
    EXPECT_EQ(source->SetGraphicField(L"1", 1, picture), 0);
    EXPECT_EQ(source->Save(path), 0);
    return path;
  }

  ExchangeOutcome Merge(const std::filesystem::path& path, ReplaceQuestion* question) {
    test::QuietProgressView view;
    return RunMerge(*db, path, Options(), view, question);
  }

  const std::string pictureBytes = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(5000, 'p');
};

TEST_F(MergeTest, CopiesExtensionsFieldsAndPicturesWithoutWritingTheSource) {
  const auto path = MakeSource();
  const std::string before = test::ReadFile(path);
  const ExchangeOutcome outcome = Merge(path, nullptr);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(outcome.count, 2);
  EXPECT_EQ(outcome.message, L"Imported 2 extensions");
  EXPECT_EQ(outcome.picturesNotCopied, 0);
  EXPECT_EQ(db->GetName(L"1"), L"From source");
  EXPECT_EQ(db->GetTypeCode(L"2"), L"T4");
  EXPECT_FALSE(db->GetField(L"2", 20).empty());

  MRBGraphic merged;
  ASSERT_EQ(db->GetGraphicField(L"1", 1, merged), 0) << "the picture's bytes came along";
  EXPECT_EQ(test::ReadFile(merged.fileName), pictureBytes);
  EXPECT_EQ(merged.originalName, L"logo.png");
  EXPECT_TRUE(db->HasVersion(302));
  EXPECT_EQ(test::ReadFile(path), before);
}

TEST_F(MergeTest, DontReplaceKeepsTheTargetAndReplaceRecreates) {
  Add(*db, L"1", L"T3", L"Target", {{11, L"target only"}});
  const auto path = MakeSource();
  FixedAnswer keep(ReplaceAnswer::DontReplace);
  EXPECT_EQ(Merge(path, &keep).count, 1);
  EXPECT_EQ(db->GetName(L"1"), L"Target");
  EXPECT_TRUE(db->FieldExists(L"1", 11));
  EXPECT_FALSE(db->FieldExists(L"1", 10));

  FixedAnswer replace(ReplaceAnswer::Replace);
  EXPECT_EQ(Merge(path, &replace).count, 2);
  EXPECT_EQ(db->GetName(L"1"), L"From source");
  EXPECT_FALSE(db->FieldExists(L"1", 11));
  EXPECT_TRUE(db->FieldExists(L"1", 10));

  FixedAnswer stop(ReplaceAnswer::StopImporting);
  EXPECT_EQ(Merge(path, &stop).count, 0);
}

// A source written elsewhere may hold an id with blanks around it; it is the same
// extension as the trimmed id of the target, so it is asked about, never replaced unasked.
TEST_F(MergeTest, PaddedSourceIdMeetsItsTrimmedNamesake) {
  Add(*db, L"7", L"T3", L"Target", {{11, L"target only"}});
  const auto path = MakeSource();
  {
    SQLiteDB raw;
    ASSERT_TRUE(raw.Open(path));
    ASSERT_TRUE(raw.Execute(L"INSERT INTO extension (id, typecode, name, modified) "
                            L"SELECT ' 7 ', typecode, 'Padded', modified FROM extension WHERE id='1';"));
    ASSERT_TRUE(raw.Commit());
  }
  EXPECT_EQ(Merge(path, nullptr).count, 2);
  EXPECT_EQ(db->GetName(L"7"), L"Target");
  EXPECT_TRUE(db->FieldExists(L"7", 11));

  FixedAnswer replace(ReplaceAnswer::Replace);
  EXPECT_EQ(Merge(path, &replace).count, 3);
  EXPECT_EQ(db->GetName(L"7"), L"Padded");
}

TEST_F(MergeTest, OpenFileAndMissingFileCannotBeMerged) {
  const auto own = dir / "own.mrb";
  ASSERT_EQ(db->Save(own), 0);
  const ExchangeOutcome self = Merge(own, nullptr);
  EXPECT_FALSE(self.ok);
  EXPECT_EQ(self.message, FormatString(LoadString(4100), {own.wstring()}));
  EXPECT_FALSE(Merge(dir / "missing.mrb", nullptr).ok);
}

}  // namespace
}  // namespace mirn
