#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "store/OpenDatabase.h"
#include "support/TestSupport.h"

namespace mirn::cli {
namespace {

namespace fs = std::filesystem;
using test::RunProcess;

const fs::path kBundled = fs::path(MIRN_BINARY_DIR) / "bin" / "ddf";

// Keeps the commands away from the real user's cache and data folders.
struct IsolatedFolders {
  test::TempDir dir;
  test::ScopedEnv cache{"XDG_CACHE_HOME", (dir / "cache").string()};
  test::ScopedEnv data{"XDG_DATA_HOME", (dir / "data").string()};
  test::ScopedEnv shared{"MIRN_PROGRAM_DATA", (dir / "shared").string()};
};

TEST(TemplateCli, BuildDumpAndInfoRoundTrip) {
  IsolatedFolders env;
  const fs::path original = kBundled / "halden-41.ddf";
  const auto dump = RunProcess({MIRN_CLI_PATH, "template", "dump", original.string()});
  ASSERT_EQ(dump.exitCode, 0) << dump.err;
  test::WriteFile(env.dir / "src.json", dump.out);
  const auto build = RunProcess({MIRN_CLI_PATH, "template", "build", (env.dir / "src.json").string(),
                                 (env.dir / "out.ddf").string()});
  ASSERT_EQ(build.exitCode, 0) << build.err;
  EXPECT_EQ(test::ReadFile(env.dir / "out.ddf"), test::ReadFile(original));

  const auto info = RunProcess({MIRN_CLI_PATH, "template", "info", (env.dir / "out.ddf").string(), "--json"});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  const auto json = nlohmann::json::parse(info.out);
  EXPECT_EQ(json["version"], "DDF");
  EXPECT_EQ(json["typeCode"], "HD41");
  EXPECT_EQ(json["groupName"], "Halden");
  EXPECT_EQ(json["slots"].size(), 10u);
  EXPECT_EQ(json["slots"][1]["x"], 225 + 6030);
  const auto& objects = json["objects"];
  ASSERT_FALSE(objects.empty());
  for (std::size_t i = 1; i < objects.size(); ++i) EXPECT_LT(objects[i - 1]["id"], objects[i]["id"]);
  bool comment = false;
  for (const auto& o : objects)
    if (o["caption"] == "{COMMENT}") comment = o["color"] == 0xFFFFC0 && o["flags"] == 0xA;
  EXPECT_TRUE(comment);

  const auto text = RunProcess({MIRN_CLI_PATH, "template", "info", original.string()});
  EXPECT_NE(text.out.find("typeCode\tHD41\n"), std::string::npos);
}

TEST(TemplateCli, FailuresExitOneWithTheReason) {
  IsolatedFolders env;
  test::WriteFile(env.dir / "bad.ddf", "short");
  const auto info = RunProcess({MIRN_CLI_PATH, "template", "info", (env.dir / "bad.ddf").string()});
  EXPECT_EQ(info.exitCode, 1);
  EXPECT_EQ(info.err, "mirn-cli: " + (env.dir / "bad.ddf").string() + ": Could not read DDF header (code 74)\n");

  test::WriteFile(env.dir / "bad.json", R"({"format": "270"})");
  const auto build = RunProcess({MIRN_CLI_PATH, "template", "build", (env.dir / "bad.json").string(),
                                 (env.dir / "x.ddf").string()});
  EXPECT_EQ(build.exitCode, 1);
  EXPECT_NE(build.err.find("\"groupName\" is missing"), std::string::npos);
  EXPECT_FALSE(fs::exists(env.dir / "x.ddf"));
  EXPECT_EQ(RunProcess({MIRN_CLI_PATH, "template", "build", "only-one"}).exitCode, 2);
}

TEST(TemplateCli, ListsTheBundledLibraryAndGivenFolders) {
  IsolatedFolders env;
  const auto all = RunProcess({MIRN_CLI_PATH, "templates", "--json"});
  ASSERT_EQ(all.exitCode, 0) << all.err;
  const auto list = nlohmann::json::parse(all.out);
  EXPECT_GE(list.size(), 10u);
  for (std::size_t i = 1; i < list.size(); ++i)
    EXPECT_LT(list[i - 1]["typeCode"].get<std::string>(), list[i]["typeCode"].get<std::string>());
  // A second run answers the same from the cache.
  EXPECT_EQ(RunProcess({MIRN_CLI_PATH, "templates", "--json"}).out, all.out);
  EXPECT_TRUE(fs::exists(env.dir / "cache" / "Mirn" / "ddfcache.db"));

  fs::create_directories(env.dir / "mine");
  fs::copy_file(kBundled / "nortessa-n3.ddf", env.dir / "mine" / "n3.ddf");
  const auto mine = RunProcess({MIRN_CLI_PATH, "templates", "--folder", (env.dir / "mine").string(), "--no-cache"});
  EXPECT_EQ(mine.out, "NT3\tNortessa\tN3, 8 line keys\t" + (env.dir / "mine" / "n3.ddf").string() + "\n");
}

TEST(TemplateCli, ConvertTypesMovesRetiredCodesAndSaves) {
  IsolatedFolders env;
  const fs::path file = env.dir / "phones.mrb";
  {
    int code = 0;
    auto db = OpenDatabase({}, code);
    ASSERT_TRUE(db);
    db->SetTempFolder(env.dir.Path());
    ASSERT_EQ(db->AddExtension(L"201", L"CV200", L"Reception"), 0);
    ASSERT_EQ(db->AddExtension(L"202", L"HD40", L"Stores"), 0);
    ASSERT_EQ(db->Save(file), 0);
  }
  // The bundled table (in the program folder) maps CV200 to the bundled CV210.
  const auto run = RunProcess({MIRN_CLI_PATH, "convert-types", file.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "201\tCV200\tCV210\n");
  EXPECT_EQ(RunProcess({MIRN_CLI_PATH, "convert-types", file.string()}).out, "");
  int code = 0;
  auto db = OpenDatabase(file, code);
  ASSERT_TRUE(db) << code;
  EXPECT_EQ(db->GetTypeCode(L"201"), L"CV210");
  db.reset();

  const auto none = RunProcess({MIRN_CLI_PATH, "convert-types", file.string(), "--conversions",
                                (env.dir / "missing.db").string()});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_NE(none.err.find("nothing converted"), std::string::npos);
  EXPECT_EQ(RunProcess({MIRN_CLI_PATH, "convert-types", (env.dir / "nope.mrb").string()}).exitCode, 1);
}

}  // namespace
}  // namespace mirn::cli
