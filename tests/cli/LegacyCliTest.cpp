// mirn-cli convert on databases of both generations.
#include <gtest/gtest.h>

#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "support/XbaseWriter.h"

namespace mirn::test {
namespace {

class LegacyCli : public ::testing::Test {
 protected:
  LegacyCli() {
    WriteFile(dir_ / "old.mrb",
              WriteLegacyDatabase({{"100", "T1", "Reception", "0"}}, {{"100", "1025", "hi"}}));
  }
  ProcessResult Cli(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {MIRN_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv);
  }
  TempDir dir_;
  TempDir temp_;
  ScopedEnv tmpdir_{"TMPDIR", temp_.Path().string()};
};

TEST_F(LegacyCli, ConvertWritesTheCurrentFormat) {
  const std::string original = ReadFile(dir_ / "old.mrb");
  const auto result = Cli({"convert", (dir_ / "old.mrb").string(), (dir_ / "new.mrb").string()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "written: " + (dir_ / "new.mrb").string() + "\n");
  EXPECT_EQ(DetectFormat(dir_ / "new.mrb"), format::kCurrent);
  EXPECT_EQ(ReadFile(dir_ / "old.mrb"), original);

  // A current file converts to a copy of itself.
  const auto again = Cli({"convert", (dir_ / "new.mrb").string(), (dir_ / "copy.mrb").string()});
  EXPECT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(DetectFormat(dir_ / "copy.mrb"), format::kCurrent);
  EXPECT_TRUE(std::filesystem::is_empty(temp_.Path()));
}

TEST_F(LegacyCli, ConvertOntoItselfKeepsTheOriginalAsBackup) {
  const std::string original = ReadFile(dir_ / "old.mrb");
  const auto path = (dir_ / "old.mrb").string();
  const auto result = Cli({"convert", path, path});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "written: " + path + "\nbackup: " + path + ".backup\n");
  EXPECT_EQ(ReadFile(path + ".backup"), original);
  EXPECT_EQ(DetectFormat(path), format::kCurrent);
}

TEST_F(LegacyCli, ConvertSaysWhyItFailed) {
  std::string broken = ReadFile(dir_ / "old.mrb");
  broken.resize(broken.size() - 40);
  WriteFile(dir_ / "broken.mrb", broken);
  const auto result = Cli({"convert", (dir_ / "broken.mrb").string(), (dir_ / "x.mrb").string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("unexpected end of data"), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "x.mrb"));
  EXPECT_TRUE(std::filesystem::is_empty(temp_.Path()));

  WriteFile(dir_ / "text.mrb", "not a database");
  EXPECT_EQ(Cli({"convert", (dir_ / "text.mrb").string(), (dir_ / "x.mrb").string()}).exitCode, 1);
  EXPECT_EQ(Cli({"convert", "only-one"}).exitCode, 2);
}

TEST_F(LegacyCli, DatabaseCommandsReadLegacyFilesUnchanged) {
  const std::string original = ReadFile(dir_ / "old.mrb");
  const auto path = (dir_ / "old.mrb").string();
  const auto info = Cli({"info", path});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("format\tlegacy\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("extensions\t1\n"), std::string::npos) << info.out;
  const auto list = Cli({"list", path});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_EQ(list.out, "100\tT1\tReception\t19700101T000000\n");
  const auto fields = Cli({"fields", path, "100"});
  EXPECT_EQ(fields.exitCode, 0) << fields.err;
  EXPECT_EQ(fields.out, "1025\thi\n");
  EXPECT_EQ(ReadFile(dir_ / "old.mrb"), original);
  EXPECT_TRUE(std::filesystem::is_empty(temp_.Path()));
}

}  // namespace
}  // namespace mirn::test
