// The bash completion of mirn-cli (data/desktop/mirn-cli.bash-completion), asked as bash asks
// it: COMP_WORDS and COMP_CWORD set, the function called, COMPREPLY read.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/TestSupport.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

// The candidates for the last of `words` (the word under the cursor), in a folder `cwd`.
std::vector<std::string> Complete(const std::vector<std::string>& words, const fs::path& cwd) {
  std::string array;
  for (const auto& w : words) array += " '" + w + "'";
  const std::string bin = fs::path(MIRN_CLI_PATH).parent_path().string();
  const std::string script =
      "export LC_ALL=C PATH='" + bin + "':$PATH MIRN_PROGRAM_DIR='" + bin + "' XDG_CACHE_HOME='" + cwd.string() + "/.cache'\n"
      "cd '" + cwd.string() + "'\n"
      "source '" MIRN_SOURCE_DIR "/data/desktop/mirn-cli.bash-completion'\n"
      "COMP_WORDS=(" + array + ")\nCOMP_CWORD=" + std::to_string(words.size() - 1) + "\n"
      "_mirn_cli\nprintf '%s\\n' \"${COMPREPLY[@]}\" | sort -u\n";
  const auto run = test::RunProcess({"/bin/bash", "-c", script});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> found;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) found.push_back(line);
  }
  return found;
}

bool Has(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

TEST(Completion, CommandsAndSubcommands) {
  test::TempDir dir;
  EXPECT_EQ(Complete({"mirn-cli", "te"}, dir.Path()), (std::vector<std::string>{"template", "templates"}));
  EXPECT_EQ(Complete({"mirn-cli", "template", "b"}, dir.Path()), (std::vector<std::string>{"build"}));
  EXPECT_EQ(Complete({"mirn-cli", "thu"}, dir.Path()), (std::vector<std::string>{"thumbnail"}));
  const auto all = Complete({"mirn-cli", ""}, dir.Path());
  EXPECT_TRUE(Has(all, "export-csv") && Has(all, "print") && Has(all, "--help")) << all.size();
}

TEST(Completion, OptionsOfTheCommandAndTheirValues) {
  test::TempDir dir;
  EXPECT_EQ(Complete({"mirn-cli", "list", "a.mrb", "--s"}, dir.Path()), (std::vector<std::string>{"--sort"}));
  EXPECT_EQ(Complete({"mirn-cli", "list", "a.mrb", "--sort", ""}, dir.Path()),
            (std::vector<std::string>{"extension", "model", "name"}));
  EXPECT_EQ(Complete({"mirn-cli", "export-csv", "a.mrb", "b.csv", "--encoding", "u"}, dir.Path()),
            (std::vector<std::string>{"utf-8"}));
}

TEST(Completion, FilesByTheKindTheArgumentTakesAndTypeCodes) {
  test::TempDir dir;
  for (const char* name : {"office.mrb", "OLD.MRB", "staff.csv", "notes.txt", "layout.ddf"}) {
    test::WriteFile(dir / name, "x");
  }
  fs::create_directory(dir / "more");
  EXPECT_EQ(Complete({"mirn-cli", "info", ""}, dir.Path()), (std::vector<std::string>{"OLD.MRB", "more", "office.mrb"}));
  // import-csv FILE IN.csv: the second argument is the CSV file.
  EXPECT_EQ(Complete({"mirn-cli", "import-csv", "office.mrb", ""}, dir.Path()),
            (std::vector<std::string>{"more", "staff.csv"}));
  EXPECT_EQ(Complete({"mirn-cli", "template", "info", ""}, dir.Path()),
            (std::vector<std::string>{"layout.ddf", "more"}));
  // add FILE IDS TYPECODE: the layouts' type codes.
  const auto codes = Complete({"mirn-cli", "add", "office.mrb", "100", "HD"}, dir.Path());
  EXPECT_TRUE(Has(codes, "HD40") && Has(codes, "HD41")) << codes.size();
  EXPECT_TRUE(std::all_of(codes.begin(), codes.end(), [](const std::string& c) { return c.rfind("HD", 0) == 0; }));
}

}  // namespace
}  // namespace mirn
