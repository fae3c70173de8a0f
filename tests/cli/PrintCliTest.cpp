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

const fs::path kSample = fs::path(MIRN_BINARY_DIR) / "bin" / "samples" / "sample-labels.mrb";

class PrintCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders.Set(KnownFolder::Program, fs::path(MIRN_BINARY_DIR) / "bin");
    fs::create_directories(folders.Get(KnownFolder::Temp));
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
  MemoryProfile profile;
  FakeKnownFolders folders{dir.Path()};
  SystemClock clock;
  std::istringstream in;
  std::ostringstream out, err;
};

TEST_F(PrintCliTest, PrintsTheSampleAfterEachRunIsAnswered) {
  const fs::path pdf = dir / "labels.pdf";
  ASSERT_EQ(Run({"print", kSample.string(), "--pdf", pdf.string(), "--ids", "300,201,202", "--copies", "2",
                 "--start-slot", "3", "--yes"}),
            0)
      << err.str();
  EXPECT_NE(out.str().find("Ready to print 2 labels (2 of each label)\n\nLabel type: Halden Halden 40 handset "
                           "number card\nNumber of Mirn sheets required: 1"),
            std::string::npos)
      << out.str();
  // One conference card twice from the third of six slots: (2 + 2) / 6 rounds up to 1.
  EXPECT_NE(out.str().find("Ready to print 1 label (2 of each label)"), std::string::npos);
  EXPECT_NE(out.str().find("Printed 6 labels on 2 pages"), std::string::npos) << out.str();
  const std::string text = Text(pdf);
  EXPECT_NE(text.find("Front Desk"), std::string::npos);
  EXPECT_NE(text.find("Boardroom"), std::string::npos);

  // Without an answer nothing is printed and no file is made.
  const fs::path none = dir / "none.pdf";
  EXPECT_EQ(Run({"print", kSample.string(), "--pdf", none.string()}), 1);
  EXPECT_NE(out.str().find("Print or Cancel? "), std::string::npos);
  EXPECT_FALSE(fs::exists(none));
  // Print to the first run, Cancel to the second: the first is kept.
  EXPECT_EQ(Run({"print", kSample.string(), "--pdf", none.string(), "--ids", "201,300"}, "print\ncancel\n"), 1);
  EXPECT_NE(Text(none).find("Reception"), std::string::npos);

  EXPECT_EQ(Run({"print", kSample.string(), "--pdf", pdf.string(), "--printer", "X"}), 2);
  EXPECT_EQ(Run({"print", kSample.string(), "--pdf", pdf.string(), "--copies", "1001"}), 2);
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
  ASSERT_EQ(Run({"print", "--calibration", "--pdf", pdf.string()}), 0) << err.str();
  const std::string text = Text(pdf);
  EXPECT_NE(text.find("from left 1.00 in (25.4 mm)"), std::string::npos) << text;
  EXPECT_NE(text.find("from top 10.00 in (254.0 mm)"), std::string::npos) << text;
  EXPECT_NE(text.find("Adjustment applied: portrait 2.5, 0.0 mm"), std::string::npos) << text;
}

}  // namespace
}  // namespace mirn::cli
