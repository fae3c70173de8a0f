// Field texts through mirn-cli: plain texts stored in a style, and the display text and
// first format that "fields --json" shows.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/TestSupport.h"

namespace mirn {
namespace {

test::ProcessResult Cli(std::vector<std::string> args) {
  args.insert(args.begin(), MIRN_CLI_PATH);
  return test::RunProcess(args);
}

TEST(FieldTextCli, PlainTextInAStyleAndItsDisplay) {
  test::TempDir dir;
  test::ScopedEnv settings("XDG_CONFIG_HOME", (dir / "config").string());
  const std::string db = (dir / "a.mrb").string();
  ASSERT_EQ(Cli({"new", db}).exitCode, 0);
  ASSERT_EQ(Cli({"add", db, "0123", "HD40", "Reception"}).exitCode, 0);
  ASSERT_EQ(Cli({"add", db, "200", "HD40", "Sales"}).exitCode, 0);
  auto set = Cli({"set-field", db, "0123", "1201", "--plain", "Ext {EXT+1}\n{NAME:200} \\{x}",
                  "--style", "Liberation Serif,14,255,1,0,1,0,R"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  ASSERT_EQ(Cli({"set-field", db, "0123", "1202", "--plain", "{name}"}).exitCode, 0);

  auto fields = Cli({"fields", db, "0123", "--json"});
  ASSERT_EQ(fields.exitCode, 0) << fields.err;
  const auto json = nlohmann::json::parse(fields.out);
  ASSERT_EQ(json.size(), 2u);
  EXPECT_EQ(json[0]["display"], "Ext 0124\nSales \\{x}");
  EXPECT_EQ(json[0]["format"]["face"], "Liberation Serif");
  EXPECT_EQ(json[0]["format"]["size"], 28);
  EXPECT_EQ(json[0]["format"]["bold"], true);
  EXPECT_EQ(json[0]["format"]["italic"], false);
  EXPECT_EQ(json[0]["format"]["underline"], true);
  EXPECT_EQ(json[0]["format"]["color"], 255);
  EXPECT_EQ(json[0]["format"]["alignment"], "right");
  // Without --style the "Default Font" preference applies: Arial 9 pt centred by default.
  EXPECT_EQ(json[1]["display"], "Reception");
  EXPECT_EQ(json[1]["format"]["size"], 18);
  EXPECT_EQ(json[1]["format"]["alignment"], "center");
}

TEST(FieldTextCli, OptionMistakesAreUsageErrors) {
  EXPECT_EQ(Cli({"set-field", "a.mrb", "1", "1201", "--style", "Arial,9"}).exitCode, 2);
  EXPECT_EQ(Cli({"set-field", "a.mrb", "1", "1201", "--plain", "x", "--file", "f"}).exitCode, 2);
  EXPECT_EQ(Cli({"set-field", "a.mrb", "1", "1201", "--plain", "x", "extra"}).exitCode, 2);
}

}  // namespace
}  // namespace mirn
