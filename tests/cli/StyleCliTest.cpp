// copy-styles and replace through mirn-cli, on the bundled "HD40" layout (fields 1201 and
// 1202).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/TestSupport.h"

namespace mirn {
namespace {

class StyleCli : public ::testing::Test {
 protected:
  StyleCli()
      : config_("XDG_CONFIG_HOME", (dir / "config").string()),
        cache_("XDG_CACHE_HOME", (dir / "cache").string()),
        tmp_("TMPDIR", dir.Path().string()),
        db((dir / "a.mrb").string()) {
    EXPECT_EQ(Cli({"new", db}).exitCode, 0);
    for (const char* id : {"1", "2", "3"}) EXPECT_EQ(Cli({"add", db, id, "HD40", "Desk"}).exitCode, 0);
    EXPECT_EQ(Cli({"add", db, "9", "HD41", "Other"}).exitCode, 0);
  }
  test::ProcessResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), MIRN_CLI_PATH);
    return test::RunProcess(args);
  }
  void SetField(const char* id, const char* field, const char* text, const char* style) {
    const auto r = Cli({"set-field", db, id, field, "--plain", text, "--style", style});
    ASSERT_EQ(r.exitCode, 0) << r.err;
  }
  // The fields of one extension as "fields --json" shows them.
  nlohmann::json Fields(const char* id) {
    const auto r = Cli({"fields", db, id, "--json"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return nlohmann::json::parse(r.out);
  }

  // One field of an extension as "fields --json" shows it (null when it has none).
  nlohmann::json Field(const char* id, int fieldId) {
    for (const auto& field : Fields(id)) {
      if (field["field_id"] == fieldId) return field;
    }
    return nullptr;
  }

  test::TempDir dir;
  test::ScopedEnv config_, cache_, tmp_;
  std::string db;
};

TEST_F(StyleCli, CopyStylesToChosenExtensionsOrTheWholeLayout) {
  SetField("1", "1201", "Big", "Liberation Serif,14,255,1,0,0,0,R");
  SetField("2", "1201", "Two", "Arial,10,0,0,0,0,0,L");

  auto size = Cli({"copy-styles", db, "1", "2", "--styles", "size"});
  ASSERT_EQ(size.exitCode, 0) << size.err;
  EXPECT_EQ(size.out, "Copying complete.\n");
  auto two = Field("2", 1201);
  EXPECT_EQ(two["display"], "Two");
  EXPECT_EQ(two["format"]["face"], "Arial");
  EXPECT_EQ(two["format"]["size"], 28);
  EXPECT_EQ(two["format"]["alignment"], "left");

  auto all = Cli({"copy-styles", db, "1", "--all-same-layout", "--styles", "font,alignment,text"});
  ASSERT_EQ(all.exitCode, 0) << all.err;
  for (const char* id : {"2", "3"}) {
    const auto field = Field(id, 1201);
    EXPECT_EQ(field["display"], "Big") << id;
    EXPECT_EQ(field["format"]["face"], "Liberation Serif");
    EXPECT_EQ(field["format"]["alignment"], "right");
  }
  EXPECT_NE(Field("9", 1201)["display"], "Big");

  auto other = Cli({"copy-styles", db, "1", "9", "--styles", "everything"});
  EXPECT_EQ(other.exitCode, 1);
  EXPECT_NE(other.err.find("does not have the layout"), std::string::npos);
  EXPECT_EQ(Cli({"copy-styles", db, "9", "--all-same-layout", "--styles", "text"}).exitCode, 1);
  EXPECT_EQ(Cli({"copy-styles", db, "1", "missing", "--styles", "text"}).exitCode, 1);
  EXPECT_EQ(Cli({"copy-styles", db, "1", "2"}).exitCode, 2);
  EXPECT_EQ(Cli({"copy-styles", db, "1", "2", "--styles", "font,bogus"}).exitCode, 2);
  EXPECT_EQ(Cli({"copy-styles", db, "1", "2", "--all-same-layout", "--styles", "text"}).exitCode, 2);
}

TEST_F(StyleCli, ReplaceListsEachOccurrenceAndDryRunChangesNothing) {
  SetField("1", "1201", "red and RED", "Arial,12,0,1,0,0,0,C");
  SetField("2", "1202", "{EXT} Red", "Arial,12,0,0,0,0,0,L");

  auto dry = Cli({"replace", db, "red", "blue", "--dry-run"});
  ASSERT_EQ(dry.exitCode, 0) << dry.err;
  EXPECT_EQ(dry.out,
            "1\t1201\tred and RED\tblue and RED\n"
            "1\t1201\tblue and RED\tblue and blue\n"
            "2\t1202\t{EXT} Red\t{EXT} blue\n"
            "No more occurrences of 'red' were found.\n"
            "Would replace 3 occurrences in 2 fields.\n");
  EXPECT_EQ(Field("1", 1201)["display"], "red and RED");

  auto exact = Cli({"replace", db, "red", "blue", "--match-case"});
  ASSERT_EQ(exact.exitCode, 0) << exact.err;
  const auto one = Field("1", 1201);
  EXPECT_EQ(one["display"], "blue and RED");
  EXPECT_EQ(one["format"]["bold"], true);  // the field keeps its style
  EXPECT_EQ(Field("2", 1202)["display"], "2 Red");

  auto none = Cli({"replace", db, "green", "x"});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_EQ(none.out, "No more occurrences of 'green' were found.\nReplaced 0 occurrences in 0 fields.\n");
  EXPECT_EQ(Cli({"replace", db, "", "x"}).exitCode, 2);
}

}  // namespace
}  // namespace mirn
