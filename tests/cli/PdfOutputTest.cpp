// Printing to PDF puts every page on paper as it did before pages were streamed to the file:
// the sample database and a 3,000-label job, compared with the files mirn-cli wrote then
// (tests/data/pdf, see its README) page by page as rendered images and as word positions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "cli/CliApp.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "support/TestSupport.h"

namespace mirn::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kReferences = fs::path(MIRN_SOURCE_DIR) / "tests" / "data" / "pdf";

struct Word {
  std::string text;
  double box[4] = {};
};

// The words of every page with their boxes, in points.
std::vector<Word> Words(const fs::path& pdf) {
  const std::string xml = test::RunProcess({"/usr/bin/pdftotext", "-bbox", pdf.string(), "-"}).out;
  static const std::regex word(
      R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
  std::vector<Word> words;
  for (auto m = std::sregex_iterator(xml.begin(), xml.end(), word); m != std::sregex_iterator(); ++m) {
    Word w;
    w.text = (*m)[5].str();
    for (int k = 0; k < 4; ++k) w.box[k] = std::stod((*m)[k + 1].str());
    words.push_back(w);
  }
  return words;
}

// The pages rendered in grey at 72 dots per inch, one image per page.
std::vector<std::string> Pages(const fs::path& pdf, const fs::path& folder) {
  fs::create_directories(folder);
  const auto rendered = test::RunProcess({"/usr/bin/pdftoppm", "-r", "72", "-gray", pdf.string(), (folder / "p").string()});
  EXPECT_EQ(rendered.exitCode, 0) << rendered.err;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::vector<std::string> pages;
  for (const fs::path& file : files) pages.push_back(test::ReadFile(file));
  return pages;
}

class PdfOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(program / "ddf");
    for (const auto& entry : fs::directory_iterator(fs::path(MIRN_BINARY_DIR) / "bin" / "ddf")) {
      fs::copy_file(entry.path(), program / "ddf" / entry.path().filename());
    }
    folders.Set(KnownFolder::Program, program);
    fs::create_directories(folders.Get(KnownFolder::Temp));
  }
  int Run(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    Context context{profile, folders, clock, in, out, err};
    return RunCli(args, context);
  }
  // The page images and words of `made` are those of the reference file `name`.
  void ExpectSameAsReference(const fs::path& made, const std::string& name) {
    const fs::path reference = kReferences / name;
    const std::vector<std::string> pages = Pages(made, dir / (name + ".made"));
    const std::vector<std::string> expected = Pages(reference, dir / (name + ".reference"));
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(pages.size(), expected.size()) << name;
    for (size_t p = 0; p < pages.size(); ++p) EXPECT_TRUE(pages[p] == expected[p]) << name << " page " << p + 1;
    const std::vector<Word> words = Words(made);
    const std::vector<Word> expectedWords = Words(reference);
    ASSERT_EQ(words.size(), expectedWords.size()) << name;
    for (size_t i = 0; i < words.size(); ++i) {
      ASSERT_EQ(words[i].text, expectedWords[i].text) << name << " word " << i;
      for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(words[i].box[k], expectedWords[i].box[k], 0.05) << name << " word " << i << ' ' << words[i].text;
      }
    }
    // Text stays text, in fonts the file carries.
    std::istringstream fonts(test::RunProcess({"/usr/bin/pdffonts", made.string()}).out);
    std::string line;
    int embedded = 0;
    for (int row = 0; std::getline(fonts, line); ++row) {
      std::istringstream columns(line);
      std::vector<std::string> cells{std::istream_iterator<std::string>(columns), {}};
      if (row < 2 || cells.size() < 6) continue;
      EXPECT_EQ(cells[cells.size() - 5], "yes") << name << ": " << line;  // the "emb" column
      ++embedded;
    }
    EXPECT_GT(embedded, 0) << name;
  }

  test::TempDir dir;
  const fs::path program = dir / "program";
  MemoryProfile profile;
  FakeKnownFolders folders{dir.Path()};
  SystemClock clock;
  std::istringstream in;
  std::ostringstream out, err;
};

TEST_F(PdfOutputTest, TheSamplePrintsAsBefore) {
  const fs::path sample = dir / "sample-labels.mrb";
  fs::copy_file(fs::path(MIRN_BINARY_DIR) / "bin" / "samples" / "sample-labels.mrb", sample);
  const fs::path pdf = dir / "sample.pdf";
  ASSERT_EQ(Run({"print", sample.string(), "--pdf", pdf.string(), "--yes"}), 0) << err.str();
  ExpectSameAsReference(pdf, "sample-labels.pdf");
}

// The benchmark's job: 30 labels of three centred texts on a Letter sheet, 100 pages.
TEST_F(PdfOutputTest, ThreeThousandLabelsPrintAsBefore) {
  ASSERT_EQ(Run({"template", "build", (kReferences / "bench30.json").string(), (program / "ddf" / "bench30.ddf").string()}),
            0)
      << err.str();
  std::ofstream csv(dir / "in.csv", std::ios::binary);
  for (int i = 0; i < 3000; ++i) {
    csv << 2000 + i << ",BENCH30,Extension holder " << i << ',' << 2000 + i << ",Extension holder " << i
        << ",Department " << i % 17 << "\r\n";
  }
  csv.close();
  const fs::path database = dir / "bench.mrb";
  ASSERT_EQ(Run({"import-csv", database.string(), (dir / "in.csv").string(), "--create", "--style",
                 "Arial,10,0,0,0,0,0,C"}),
            0)
      << err.str();
  const fs::path pdf = dir / "bench.pdf";
  ASSERT_EQ(Run({"print", database.string(), "--pdf", pdf.string(), "--paper", "letter", "--yes"}), 0) << err.str();
  ExpectSameAsReference(pdf, "bench30-3000.pdf");
}

}  // namespace
}  // namespace mirn::cli
