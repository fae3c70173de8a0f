#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliApp.h"
#include "cli/CommandLine.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "support/TestSupport.h"

namespace mirn::cli {
namespace {

TEST(CliBinary, VersionHelpAndUsageErrors) {
  auto version = test::RunProcess({MIRN_CLI_PATH, "--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("mirn-cli ") + MIRN_VERSION + "\n");

  auto help = test::RunProcess({MIRN_CLI_PATH, "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("folders"), std::string::npos);

  auto nonsense = test::RunProcess({MIRN_CLI_PATH, "nonsense"});
  EXPECT_EQ(nonsense.exitCode, 2);
  EXPECT_NE(nonsense.err.find("usage: mirn-cli"), std::string::npos);

  auto none = test::RunProcess({MIRN_CLI_PATH});
  EXPECT_EQ(none.exitCode, 2);

  auto extra = test::RunProcess({MIRN_CLI_PATH, "folders", "x"});
  EXPECT_EQ(extra.exitCode, 2);
  EXPECT_NE(extra.err.find("usage: mirn-cli folders"), std::string::npos);
}

TEST(CliInProcess, FoldersCommandUsesTheGivenFolders) {
  MemoryProfile profile;
  FakeKnownFolders folders("/fake");
  SystemClock clock;
  std::istringstream in;
  std::ostringstream out, err;
  Context context{profile, folders, clock, in, out, err};
  EXPECT_EQ(RunCli({"folders"}, context), 0);
  EXPECT_NE(out.str().find("cache\t/fake/cache\n"), std::string::npos);
  EXPECT_NE(out.str().find("settings\t/fake/roaming/Mirn/Mirn Labeling System.conf\n"),
            std::string::npos);
}

TEST(CommandLine, ParsesOptionsValuesAndPositionals) {
  const auto args = ParseArgs({"a.mrb", "--json", "--copies", "3", "--ids=1,2", "--", "--x"},
                              {{"json"}, {"copies", true}, {"ids", true}});
  EXPECT_EQ(args.Positional(), (std::vector<std::string>{"a.mrb", "--x"}));
  EXPECT_TRUE(args.Has("json"));
  EXPECT_EQ(args.IntValue("copies"), 3);
  EXPECT_EQ(args.Value("ids"), "1,2");
  EXPECT_FALSE(args.Value("json"));
}

TEST(CommandLine, MistakesAreUsageErrors) {
  EXPECT_THROW(ParseArgs({"--bogus"}, {}), UsageError);
  EXPECT_THROW(ParseArgs({"--copies"}, {{"copies", true}}), UsageError);
  EXPECT_THROW(ParseArgs({"--json=1"}, {{"json"}}), UsageError);
  EXPECT_THROW(ParseArgs({"--a", "--a"}, {{"a"}}), UsageError);
  EXPECT_THROW(ParseArgs({"--n", "x"}, {{"n", true}}).IntValue("n"), UsageError);
  EXPECT_NO_THROW(ParseArgs({"--f", "a", "--f", "b"}, {{"f", true, true}}));
  EXPECT_THROW(ParseArgs({"a", "b"}, {}).ExpectPositional(1, 1), UsageError);
  EXPECT_THROW(ParseArgs({}, {}).ExpectPositional(1, 1), UsageError);
}

}  // namespace
}  // namespace mirn::cli
