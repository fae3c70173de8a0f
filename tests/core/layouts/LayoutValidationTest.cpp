// Every problem the designer reports before saving, with the object or label it names.
#include <gtest/gtest.h>

#include <functional>

#include "layouts/LayoutDocument.h"
#include "layouts/LayoutValidation.h"
#include "platform/KnownFolders.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "templates/DDFWriter.h"

namespace mirn {
namespace {

// Two fields and a caption on two Letter slots: nothing to report.
CDDFTemplate Sound() {
  CDDFTemplate t;
  t.header.version = L"270";
  t.header.typeCode = L"OK1";
  t.header.labelWidth = 2000;
  t.header.labelHeight = 1000;
  t.slots = {{500, 500}, {2600, 500}};
  t.objects = {MakeLayoutObject(LayoutObjectKind::TextField, 1101, 0, 0, 2000, 500),
               MakeLayoutObject(LayoutObjectKind::TextField, 1102, 0, 500, 2000, 1000),
               MakeLayoutObject(LayoutObjectKind::Caption, 2001, 0, 0, 500, 200)};
  return t;
}

struct ProblemCase {
  const char* name;
  std::function<void(CDDFTemplate&)> spoil;
  LayoutProblemKind kind;
  std::wstring message;
  bool error;
};

class LayoutValidationTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(LayoutValidationTest, NamesWhatIsWrong) {
  CDDFTemplate t = Sound();
  ASSERT_TRUE(ValidateLayout(t).empty());
  GetParam().spoil(t);
  const std::vector<LayoutProblem> problems = ValidateLayout(t);
  ASSERT_EQ(problems.size(), 1u) << (problems.empty() ? "none" : "several");
  EXPECT_EQ(problems[0].kind, GetParam().kind);
  EXPECT_EQ(problems[0].message, GetParam().message);
  EXPECT_EQ(problems[0].IsError(), GetParam().error);
  EXPECT_EQ(HasErrors(problems), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, LayoutValidationTest,
    ::testing::Values(
        ProblemCase{"NoTypeCode", [](CDDFTemplate& t) { t.header.typeCode = L"  "; }, LayoutProblemKind::NoTypeCode,
                    L"The layout has no type code.", true},
        ProblemCase{"LongDescription", [](CDDFTemplate& t) { t.header.description = std::wstring(70, L'd'); },
                    LayoutProblemKind::TextTooLong,
                    L"The name is 70 characters long; its field in the layout file holds 64.", true},
        ProblemCase{"LongCaptionInOldFormat",
                    [](CDDFTemplate& t) {
                      t.header.version = L"DDF";
                      t.objects[2].SetCaption(std::wstring(200, L'c'));
                    },
                    LayoutProblemKind::TextTooLong,
                    L"Caption 2001: its text is 200 characters long; its field in the layout file holds 128.", true},
        ProblemCase{"NoSize", [](CDDFTemplate& t) { t.header.labelHeight = 0; }, LayoutProblemKind::NoLabelSize,
                    L"The label needs a width and a height above zero.", true},
        ProblemCase{"IdTwice", [](CDDFTemplate& t) { t.objects[2].id = 1102; }, LayoutProblemKind::IdUsedTwice,
                    L"Text field 1102 and Caption 1102 use the same id 1102; every object needs an id of its own.",
                    true},
        ProblemCase{"PictureId", [](CDDFTemplate& t) { t.objects[0].id = 7; }, LayoutProblemKind::PictureId,
                    L"Text field 7: ids 1 to 1024 are kept for pictures; give the field an id of 1025 or above.",
                    true},
        ProblemCase{"OutsideLabel", [](CDDFTemplate& t) { t.objects[2].right = 2100; },
                    LayoutProblemKind::ObjectOutsideLabel, L"Caption 2001 reaches outside the label.", false},
        ProblemCase{"NoSlots", [](CDDFTemplate& t) { t.slots.clear(); }, LayoutProblemKind::NoSlots,
                    L"The layout has no labels on the sheet, so it cannot be printed.", false},
        ProblemCase{"OffTheSheet", [](CDDFTemplate& t) { t.slots[1].x = 10300; }, LayoutProblemKind::SlotOutsideSheet,
                    L"Label 2 does not lie whole on the Letter sheet.", false},
        ProblemCase{"OffTheA4Sheet",
                    [](CDDFTemplate& t) {
                      t.header.reservedText = L"sheet=A4";
                      t.header.landscape = true;
                      t.slots[0].y = 11000;
                    },
                    LayoutProblemKind::SlotOutsideSheet, L"Label 1 does not lie whole on the A4 landscape sheet.",
                    false},
        ProblemCase{"Overlap", [](CDDFTemplate& t) { t.slots[1].x = 2499; }, LayoutProblemKind::SlotsOverlap,
                    L"Labels 1 and 2 overlap.", false}),
    [](const ::testing::TestParamInfo<ProblemCase>& info) { return std::string(info.param.name); });

TEST(LayoutValidation, ErrorsComeFirstAndTouchingSlotsDoNotOverlap) {
  CDDFTemplate t = Sound();
  t.slots[1].x = 2500;  // exactly beside the first
  EXPECT_TRUE(ValidateLayout(t).empty());
  t.slots.push_back({-1, 5000});
  t.header.typeCode.clear();
  const std::vector<LayoutProblem> problems = ValidateLayout(t);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].kind, LayoutProblemKind::NoTypeCode);
  EXPECT_EQ(problems[1].slots, std::vector<int>{2});
}

TEST(LayoutValidation, TypeCodeOfAnotherFileInTheLibrary) {
  test::TempDir dir;
  FakeKnownFolders folders(dir.Path());
  const std::filesystem::path program = dir / "program";
  folders.Set(KnownFolder::Program, program);
  std::filesystem::create_directories(program / "ddf");
  CDDFTemplate installed = Sound();
  installed.header.description = L"Installed one";
  const std::filesystem::path file = program / "ddf" / "ok1.ddf";
  test::WriteFile(file, WriteDDF(installed, ""));
  DDFLibrary library(folders, false);
  library.ScanAll();

  const std::vector<LayoutProblem> problems = ValidateLayout(Sound(), &library, dir / "mine.ddf");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, LayoutProblemKind::TypeCodeTaken);
  EXPECT_EQ(problems[0].message,
            L"The type code OK1 is already used by the layout \"Installed one\" (" + file.wstring() + L").");
  EXPECT_FALSE(problems[0].IsError());
  // The layout's own file is no clash.
  EXPECT_TRUE(ValidateLayout(Sound(), &library, file).empty());
}

}  // namespace
}  // namespace mirn
