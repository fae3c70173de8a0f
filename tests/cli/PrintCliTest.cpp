#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/CliApp.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "support/TestSupport.h"

namespace mirn::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kSampleSource = fs::path(MIRN_BINARY_DIR) / "bin" / "samples" / "sample-labels.mrb";

class PrintCliTest : public ::testing::Test {
 protected:
  // Each test opens its own copy: an open database locks its file, so tests running side by
  // side on one file would find it taken.
  void SetUp() override {
    folders.Set(KnownFolder::Program, fs::path(MIRN_BINARY_DIR) / "bin");
    fs::create_directories(folders.Get(KnownFolder::Temp));
    fs::copy_file(kSampleSource, sample);
  }
  int Run(const std::vector<std::string>& args, const std::string& input = {}) {
    in.str(input);
    in.clear();
    out.str("");
    err.str("");
    Context context{profile, folders, clock, in, out, err};
    return RunCli(args, context);
  }
  std::string Text(const fs::path& pdf) { return test::RunProcess({"/usr/bin/pdftotext", pdf.string(), "-"}).out; }

  test::TempDir dir;
  const fs::path sample = dir / "sample-labels.mrb";
  MemoryProfile profile;
  FakeKnownFolders folders{dir.Path()};
  SystemClock clock;
  std::istringstream in;
  std::ostringstream out, err;
};

TEST_F(PrintCliTest, PrintsTheSampleAfterEachRunIsAnswered) {
  const fs::path pdf = dir / "labels.pdf";
  ASSERT_EQ(Run({"print", sample.string(), "--pdf", pdf.string(), "--ids", "300,201,202", "--copies", "2",
                 "--start-slot", "3", "--yes"}),
            0)
      << err.str();
  EXPECT_NE(out.str().find("Ready to print 2 labels (2 of each label)\n\nLabel type: Halden 40 handset "
                           "number card\nNumber of Mirn sheets required: 1\n"),
            std::string::npos)
      << out.str();
  // --yes answers without an echo of its own.
  EXPECT_EQ(out.str().find("\nPrint\n"), std::string::npos) << out.str();
  // One conference card twice from the third of six slots: (2 + 2) / 6 rounds up to 1.
  EXPECT_NE(out.str().find("Ready to print 1 label (2 of each label)"), std::string::npos);
  EXPECT_NE(out.str().find("Printed 6 labels on 2 pages"), std::string::npos) << out.str();
  const std::string text = Text(pdf);
  EXPECT_NE(text.find("Front Desk"), std::string::npos);
  EXPECT_NE(text.find("Boardroom"), std::string::npos);

  // Without an answer nothing is printed and no file is made.
  const fs::path none = dir / "none.pdf";
  EXPECT_EQ(Run({"print", sample.string(), "--pdf", none.string()}), 1);
  EXPECT_NE(out.str().find("Print or Cancel? "), std::string::npos);
  EXPECT_FALSE(fs::exists(none));
  // Print to the first run, Cancel to the second: the first is kept.
  EXPECT_EQ(Run({"print", sample.string(), "--pdf", none.string(), "--ids", "201,300"}, "print\ncancel\n"), 1);
  EXPECT_NE(Text(none).find("Reception"), std::string::npos);

  EXPECT_EQ(Run({"print", sample.string(), "--pdf", pdf.string(), "--printer", "X"}), 2);
  EXPECT_EQ(Run({"print", sample.string(), "--pdf", pdf.string(), "--copies", "1001"}), 2);
  EXPECT_EQ(Run({"print", (dir / "absent.mrb").string(), "--pdf", pdf.string(), "--yes"}), 1);
}

TEST_F(PrintCliTest, AdjustShowsAndSetsOnePairInTheUnitAsked) {
  ASSERT_EQ(Run({"adjust", "Office Laser", "--landscape", "-3,4"}), 0) << err.str();
  ASSERT_EQ(Run({"adjust", "Office Laser", "--portrait", "1.0,-0.5", "--unit", "mm"}), 0) << err.str();
  EXPECT_EQ(out.str(), "printer\tOffice Laser\nportrait\t1.0,-0.5\tmm\nlandscape\t-0.1,0.1\tmm\n");
  ASSERT_EQ(Run({"adjust", "Office Laser"}), 0);
  EXPECT_EQ(out.str(), "printer\tOffice Laser\nportrait\t57,-28\ttwips\nlandscape\t-3,4\ttwips\n");
  EXPECT_EQ(Run({"adjust", "Office Laser", "--portrait", "201,0", "--unit", "mm"}), 2);
  EXPECT_EQ(Run({"adjust", "Office Laser", "--portrait", "7"}), 2);
  EXPECT_EQ(Run({"adjust", "Office Laser", "--unit", "cm"}), 2);
}

TEST_F(PrintCliTest, CalibrationSheetLabelsItsMarks) {
  const fs::path pdf = dir / "calibration.pdf";
  ASSERT_EQ(Run({"adjust", "PDF", "--portrait", "144,0"}), 0);
  ASSERT_EQ(Run({"print", "--calibration", "--pdf", pdf.string(), "--paper", "letter"}), 0) << err.str();
  const std::string text = Text(pdf);
  EXPECT_NE(text.find("from left 1.00 in (25.4 mm)"), std::string::npos) << text;
  EXPECT_NE(text.find("from top 10.00 in (254.0 mm)"), std::string::npos) << text;
  EXPECT_NE(text.find("Adjustment applied: portrait 2.5, 0.0 mm"), std::string::npos) << text;
}

// Each layout's first label can be named; one beyond the sheet, or a layout the job does not
// print, is refused before anything is printed.
TEST_F(PrintCliTest, StartSlotPerLayoutAndRefusedBeyondTheSheet) {
  const fs::path pdf = dir / "slots.pdf";
  ASSERT_EQ(Run({"print", sample.string(), "--pdf", pdf.string(), "--ids", "201,601", "--start-slot", "HD40=2",
                 "--start-slot", "nt3=8", "--yes"}),
            0)
      << err.str();
  EXPECT_NE(out.str().find("give --start-slot HD40=N (N from 1 to"), std::string::npos) << out.str();
  EXPECT_EQ(out.str().find("click"), std::string::npos);
  EXPECT_NE(out.str().find("First label: Label 2\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("First label: Label 8\n"), std::string::npos) << out.str();

  for (const std::vector<std::string>& slots :
       {std::vector<std::string>{"--start-slot", "9"}, {"--start-slot", "NT3=9"}, {"--start-slot", "CV210=1"},
        {"--start-slot", "0"}, {"--start-slot", "HD40=x"}, {"--start-slot", "2", "--start-slot", "3"}}) {
    std::vector<std::string> args = {"print", sample.string(), "--pdf", (dir / "refused.pdf").string(), "--ids",
                                     "201,601", "--yes"};
    args.insert(args.end(), slots.begin(), slots.end());
    EXPECT_EQ(Run(args), 2) << slots.back();
  }
  EXPECT_FALSE(fs::exists(dir / "refused.pdf"));
}

TEST_F(PrintCliTest, MissingOutputFolderIsNamed) {
  const fs::path pdf = dir / "no such folder" / "labels.pdf";
  EXPECT_EQ(Run({"print", sample.string(), "--pdf", pdf.string(), "--yes"}), 1);
  EXPECT_NE(err.str().find((dir / "no such folder").string() + " does not exist"), std::string::npos) << err.str();
}

// A4 is taller and narrower than Letter; labels stay where they were from the top-left corner.
TEST_F(PrintCliTest, PaperOfThePdfAndLabelsFromTheTopLeft) {
  const fs::path a4 = dir / "a4.pdf";
  const fs::path letter = dir / "letter.pdf";
  ASSERT_EQ(Run({"print", sample.string(), "--pdf", a4.string(), "--ids", "201", "--paper", "A4", "--yes"}), 0)
      << err.str();
  ASSERT_EQ(Run({"print", sample.string(), "--pdf", letter.string(), "--ids", "201", "--paper", "letter", "--yes"}),
            0);
  EXPECT_NE(test::RunProcess({"/usr/bin/pdfinfo", a4.string()}).out.find("pts (A4)"),
            std::string::npos);
  EXPECT_NE(test::RunProcess({"/usr/bin/pdfinfo", letter.string()}).out.find("612 x 792 pts (letter)"),
            std::string::npos);
  auto word = [](const fs::path& pdf) {
    const std::string box = test::RunProcess({"/usr/bin/pdftotext", "-bbox", pdf.string(), "-"}).out;
    const size_t at = box.find(">Reception<");
    return at == std::string::npos ? std::string() : box.substr(box.rfind("<word", at), at - box.rfind("<word", at));
  };
  EXPECT_FALSE(word(a4).empty());
  EXPECT_EQ(word(a4), word(letter));
  EXPECT_EQ(Run({"print", sample.string(), "--pdf", a4.string(), "--paper", "b5", "--yes"}), 2);
  EXPECT_EQ(Run({"print", sample.string(), "--printer", "X", "--paper", "a4", "--yes"}), 2);
}

// The sample is what a new user prints first: every text fits its field, so nothing warns.
TEST_F(PrintCliTest, SampleFitsItsLabels) {
  EXPECT_EQ(Run({"check", sample.string()}), 0) << out.str();
  EXPECT_EQ(out.str(), "");
  ASSERT_EQ(Run({"print", sample.string(), "--pdf", (dir / "sample.pdf").string(), "--yes"}), 0) << err.str();
  EXPECT_EQ(err.str().find("Warning"), std::string::npos) << err.str();
}

// A PDF page is the layouts' own sheet whatever paper the system prefers, so the sample
// prints whole on a system that prefers A4. On paper named that the sheets do not fit, the
// labels that would be cut are said for each layout before anything prints, and nothing
// prints without --yes; check says the same.
TEST_F(PrintCliTest, LabelsCutOnThePaperAreSaidBeforeAnythingPrints) {
  const test::ScopedEnv systemPaper("PAPERSIZE", "a4");
  const fs::path pdf = dir / "sample.pdf";
  ASSERT_EQ(Run({"print", sample.string(), "--pdf", pdf.string(), "--yes"}), 0) << err.str();
  EXPECT_EQ(err.str().find("would be cut off"), std::string::npos) << err.str();
  EXPECT_NE(test::RunProcess({"/usr/bin/pdfinfo", pdf.string()}).out.find("612 x 792 pts (letter)"),
            std::string::npos);
  const std::string whole = "201,202,203,204,205,206,300,301,302,401,501";
  EXPECT_EQ(Run({"check", sample.string(), "--ids", whole}), 0) << err.str();
  EXPECT_EQ(Run({"check", sample.string(), "--ids", whole, "--paper", "letter"}), 0) << err.str();

  // Slots 3 and 6 of the handset cards and the right-hand conference cards leave A4.
  const fs::path a4 = dir / "a4.pdf";
  EXPECT_EQ(Run({"print", sample.string(), "--pdf", a4.string(), "--ids", whole, "--paper", "a4"}), 1);
  EXPECT_NE(err.str().find("Warning: layout HD40: 2 labels would be cut off: labels 3, 6, 9, 12, 15, 18 and 4 more "
                           "of the sheet reach past the edge"),
            std::string::npos)
      << err.str();
  EXPECT_NE(err.str().find("Warning: layout QLC30: 1 label would be cut off: labels 2, 4 and 6 of the sheet"),
            std::string::npos)
      << err.str();
  EXPECT_EQ(err.str().find("NTW2"), std::string::npos);
  EXPECT_EQ(out.str().find("Ready to print"), std::string::npos);  // asked before any run
  EXPECT_FALSE(fs::exists(a4));
  EXPECT_EQ(Run({"check", sample.string(), "--ids", whole, "--paper", "a4"}), 1);
  EXPECT_NE(err.str().find("Warning: layout HD40: 2 labels would be cut off"), std::string::npos) << err.str();

  // --yes prints them, and each run's ready text says it too.
  ASSERT_EQ(Run({"print", sample.string(), "--pdf", a4.string(), "--ids", whole, "--paper", "a4", "--yes"}), 0);
  EXPECT_NE(out.str().find("Number of Mirn sheets required: 1\n2 labels would be cut off"), std::string::npos)
      << out.str();
  EXPECT_NE(test::RunProcess({"/usr/bin/pdfinfo", a4.string()}).out.find("pts (A4)"), std::string::npos);
}

// Fields whose text is too long are listed with how much, exit 1; print warns in one line.
TEST_F(PrintCliTest, CheckListsOverflowingFieldsAndPrintWarns) {
  // Names longer than the NT3 key field overflow it.
  ASSERT_EQ(Run({"update", sample.string(), "601", "--name", "Warehouse Office"}), 0) << err.str();
  ASSERT_EQ(Run({"update", sample.string(), "602", "--name", "Workshop Office"}), 0) << err.str();
  EXPECT_EQ(Run({"check", sample.string()}), 1);
  EXPECT_NE(out.str().find("601\tNT3\tfield 1101\tWarehouse Office\t1.9 mm too wide\n"), std::string::npos)
      << out.str();
  EXPECT_NE(err.str().find("2 fields have more text than fits."), std::string::npos);
  EXPECT_EQ(Run({"check", sample.string(), "--json", "--ids", "602"}), 1);
  EXPECT_NE(out.str().find("\"extension\": \"602\""), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"too_wide_mm\": 0.1"), std::string::npos) << out.str();
  EXPECT_EQ(Run({"check", sample.string(), "--ids", "201,202"}), 0);
  EXPECT_EQ(out.str(), "");

  ASSERT_EQ(Run({"print", sample.string(), "--pdf", (dir / "w.pdf").string(), "--ids", "601,201", "--yes"}), 0);
  EXPECT_NE(err.str().find("Warning: 1 field has more text than fits; 'mirn-cli check "), std::string::npos)
      << err.str();
}

// The test sheet of a layout: one page with every slot's outline and each field's id where
// the field prints (the PDF target's adjustment applies, here none).
TEST_F(PrintCliTest, TestSheetShowsEveryFieldAtItsPlace) {
  const fs::path pdf = dir / "test-sheet.pdf";
  ASSERT_EQ(Run({"print", "--test-sheet", "hd40", "--pdf", pdf.string()}), 0) << err.str();
  EXPECT_NE(out.str().find("Printed 30 labels on 1 page"), std::string::npos) << out.str();
  const std::string box = test::RunProcess({"/usr/bin/pdftotext", "-bbox", pdf.string(), "-"}).out;
  std::size_t fields = 0;
  for (std::size_t at = box.find(">1201<"); at != std::string::npos; at = box.find(">1201<", at + 1)) ++fields;
  EXPECT_EQ(fields, 30u);
  // Slot 1 at (270, 720) twips, field 1201 at (660, 60) in it: 46.5 pt from the left edge.
  const std::size_t first = box.find(">1201<");
  ASSERT_NE(first, std::string::npos);
  const std::size_t word = box.rfind("<word", first);
  const double xMin = std::stod(box.substr(box.find("xMin=\"", word) + 6));
  EXPECT_NEAR(xMin, (270 + 660) / 20.0, 0.57) << box.substr(word, first - word);
  EXPECT_EQ(Run({"print", "--test-sheet", "NOSUCH", "--pdf", pdf.string()}), 1);
  EXPECT_NE(err.str().find("no layout with type code NOSUCH"), std::string::npos) << err.str();
}

// check --fix makes an overflowing field's text smaller until it fits, says so and saves;
// the check then passes.
TEST_F(PrintCliTest, CheckFixShrinksOverflowingFieldsAndSaves) {
  ASSERT_EQ(Run({"set-field", sample.string(), "201", "1202", "--plain", "Reception and visitors desk, ground floor, main entrance"}),
            0)
      << err.str();
  EXPECT_EQ(Run({"check", sample.string(), "--ids", "201"}), 1);
  ASSERT_EQ(Run({"check", sample.string(), "--ids", "201", "--fix"}), 0) << err.str();
  EXPECT_NE(out.str().find("201\tHD40\tfield 1202\tReception and visitors desk, ground floor, main entrance\t"), std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find(" pt smaller\n"), std::string::npos) << out.str();
  EXPECT_EQ(Run({"check", sample.string(), "--ids", "201"}), 0) << out.str();
  EXPECT_EQ(Run({"check", sample.string(), "--fix", "--json"}), 2);
}

}  // namespace
}  // namespace mirn::cli
