// End-to-end tests of the database commands: the real mirn-cli on real files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <set>
#include <sstream>
#include <thread>

#include "store/OpenDatabase.h"
#include "support/TestSupport.h"

namespace mirn::test {
namespace {

class DatabaseCommands : public ::testing::Test {
 protected:
  DatabaseCommands()
      : tmp_("TMPDIR", (dir_ / "tmp").string()), cache_("XDG_CACHE_HOME", (dir_ / "cache").string()) {
    std::filesystem::create_directories(dir_ / "tmp");
  }
  ProcessResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), MIRN_CLI_PATH);
    return RunProcess(args);
  }
  // Runs a command that must succeed and answers its output.
  std::string Ok(std::vector<std::string> args) {
    const auto r = Cli(args);
    EXPECT_EQ(r.exitCode, 0) << args[0] << ": " << r.err;
    return r.out;
  }
  std::string file() const { return (dir_ / "phones.mrb").string(); }
  size_t TempFiles() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_ / "tmp")) ++n;
    return n;
  }

  TempDir dir_;
  ScopedEnv tmp_;
  ScopedEnv cache_;
};

TEST_F(DatabaseCommands, CreateAddListInfoAndRefuseToOverwrite) {
  Ok({"new", file()});
  EXPECT_EQ(DetectFormat(file()), 3);
  const auto again = Cli({"new", file()});
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.err.find("--force"), std::string::npos);

  Ok({"add", file(), "9", "hd60", "Nine"});
  Ok({"add", file(), "10", "CV210"});
  Ok({"add", file(), "100", "HD60", " Reception "});
  const auto duplicate = Cli({"add", file(), " 10 ", "HD60"});
  EXPECT_EQ(duplicate.exitCode, 1);
  EXPECT_NE(duplicate.err.find("phones.mrb: extension '10' already exists; --on-conflict replace or skip goes on (code 11)"),
            std::string::npos)
      << duplicate.err;

  // Text order of ids; type codes read upper-case; names trimmed; an ISO basic stamp.
  std::istringstream lines(Ok({"list", file()}));
  const char* expected[] = {"10\tCV210\t\t", "100\tHD60\tReception\t", "9\tHD60\tNine\t"};
  for (const char* prefix : expected) {
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line.substr(0, line.size() - 15), prefix);
    EXPECT_EQ(line[line.size() - 7], 'T') << line;
  }
  const auto json = nlohmann::json::parse(Ok({"list", file(), "--json"}));
  ASSERT_EQ(json.size(), 3u);
  EXPECT_EQ(json[0]["id"], "10");
  EXPECT_EQ(json[1]["id"], "100");
  EXPECT_EQ(json[2]["name"], "Nine");
  EXPECT_EQ(json[2]["modified"].get<std::string>().size(), 15u);

  const auto info = nlohmann::json::parse(Ok({"info", file(), "--json"}));
  EXPECT_EQ(info["format"], "current");
  EXPECT_EQ(info["extensions"], 3);
  EXPECT_EQ(info["type-codes"], nlohmann::json({"CV210", "HD60"}));
  EXPECT_EQ(info["versions"], nlohmann::json({300}));
  EXPECT_NE(Ok({"info", file()}).find("format\tcurrent\n"), std::string::npos);
  Ok({"new", file(), "--force"});
  EXPECT_EQ(Ok({"list", file()}), "");
  EXPECT_EQ(TempFiles(), 0u);
}

TEST_F(DatabaseCommands, FieldsUpdateDeleteAndFailuresInWords) {
  Ok({"new", file()});
  Ok({"add", file(), "42", "HD60", "Desk"});
  Ok({"set-field", file(), "42", "1100", "line one\nline\ttwo"});
  WriteFile(dir_ / "text.rtf", "{\\rtf1 \xC3\xA9}");
  Ok({"set-field", file(), "42", "1200", "--file", (dir_ / "text.rtf").string()});
  EXPECT_EQ(Ok({"fields", file(), "42"}), "1100\tline one\\nline\\ttwo\n1200\t{\\\\rtf1 \xC3\xA9}\n");
  Ok({"set-field", file(), "42", "1100", ""});
  EXPECT_EQ(Ok({"fields", file(), "42"}), "1200\t{\\\\rtf1 \xC3\xA9}\n");

  Ok({"update", file(), "42", "--id", "43", "--name", "Front desk"});
  EXPECT_EQ(Ok({"fields", file(), "43"}), "1200\t{\\\\rtf1 \xC3\xA9}\n");
  EXPECT_NE(Ok({"list", file()}).find("43\tHD60\tFront desk\t"), std::string::npos);

  const auto missing = Cli({"delete", file(), "42"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("there is no extension '42' (code 12)"), std::string::npos);
  EXPECT_EQ(Cli({"set-field", file(), "42", "5", "x"}).exitCode, 1);
  EXPECT_EQ(Cli({"update", file(), "43", "--id", "43"}).exitCode, 1);
  EXPECT_EQ(Cli({"update", file(), "43"}).exitCode, 2);
  EXPECT_EQ(Cli({"set-field", file(), "43", "x1", "t"}).exitCode, 2);
  EXPECT_EQ(Cli({"fields", file(), "44"}).exitCode, 1);
  Ok({"delete", file(), "43"});
  EXPECT_EQ(Ok({"list", file()}), "");

  const auto absent = Cli({"list", (dir_ / "none.mrb").string()});
  EXPECT_EQ(absent.exitCode, 1);
  EXPECT_NE(absent.err.find("does not exist"), std::string::npos);
}

TEST_F(DatabaseCommands, FailedChangeLeavesTheFileUntouched) {
  Ok({"new", file()});
  Ok({"add", file(), "1", "HD60"});
  const std::string before = ReadFile(file());
  EXPECT_EQ(Cli({"add", file(), "1", "HD60"}).exitCode, 1);
  EXPECT_EQ(Cli({"add", file(), " ", "HD60"}).exitCode, 1);
  EXPECT_EQ(ReadFile(file()), before);
}

TEST_F(DatabaseCommands, EmbedFieldsAndExtractPictures) {
  Ok({"new", file()});
  Ok({"add", file(), "1", "HD60"});
  Ok({"add", file(), "2", "HD60"});
  std::string bytes(70000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 251);
  WriteFile(dir_ / "logo.PNG", bytes);
  const std::string hash = Ok({"embed", file(), "1", "3", (dir_ / "logo.PNG").string(), "--left",
                               "10", "--width", "1440", "--height", "720", "--locked"});
  EXPECT_EQ(hash.size(), 41u);
  EXPECT_EQ(Ok({"embed", file(), "2", "1", (dir_ / "logo.PNG").string()}), hash);
  Ok({"embed", file(), "2", "2", (dir_ / "logo.PNG").string(), "--link"});

  const auto fields = nlohmann::json::parse(Ok({"fields", file(), "1", "--json"}));
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields[0]["field_id"], 3);
  const auto& g = fields[0]["graphic"];
  EXPECT_EQ(g["fileName"], "C:\\embedded graphic\\upgrade-to-mirn-3_point_2-or-higher-to-see-it.PNG");
  EXPECT_EQ(g["left"], 10);
  EXPECT_EQ(g["width"], 1440);
  EXPECT_EQ(g["locked"], true);
  EXPECT_EQ(g["embedded"], true);
  EXPECT_EQ(g["embeddedHash"], hash.substr(0, 40));
  const auto linked = nlohmann::json::parse(Ok({"fields", file(), "2", "--json"}));
  EXPECT_EQ(linked[1]["graphic"]["embedded"], false);
  EXPECT_EQ(linked[1]["graphic"]["relativeName"], "logo.PNG");

  std::filesystem::create_directories(dir_ / "out");
  EXPECT_EQ(Ok({"extract", file(), hash.substr(0, 40), (dir_ / "out").string()}),
            (dir_ / "out" / "logo.PNG").string() + "\n");
  EXPECT_EQ(ReadFile(dir_ / "out" / "logo.PNG"), bytes);
  EXPECT_EQ(Cli({"extract", file(), hash.substr(0, 40), (dir_ / "out").string()}).exitCode, 1);
  const auto unknown = Cli({"extract", file(), std::string(40, 'f'), (dir_ / "out").string()});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_NE(unknown.err.find("code 15"), std::string::npos);

  // Both labels gone: the picture leaves the file at that save.
  Ok({"delete", file(), "1"});
  Ok({"delete", file(), "2"});
  EXPECT_EQ(Cli({"extract", file(), hash.substr(0, 40), (dir_ / "out").string(), "--force"}).exitCode, 1);
  EXPECT_EQ(Cli({"embed", file(), "1", "0", (dir_ / "logo.PNG").string()}).exitCode, 2);
  // Geometry beyond 32 bits is refused, not wrapped into another number.
  EXPECT_EQ(Cli({"embed", file(), "1", "3", (dir_ / "logo.PNG").string(), "--width", "4294967297"}).exitCode, 2);
  EXPECT_EQ(TempFiles(), 0u);
}

TEST_F(DatabaseCommands, FileOpenElsewhereIsReportedAsAlreadyOpen) {
  Ok({"new", file()});
  int code = -1;
  auto holder = OpenDatabase(file(), code, {nullptr, dir_ / "tmp"});
  ASSERT_TRUE(holder);
  const std::string before = ReadFile(file());
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"add", file(), "1", "HD60"}, {"new", file(), "--force"}}) {
    const auto r = Cli(args);
    EXPECT_EQ(r.exitCode, 1) << args[0];
    EXPECT_NE(r.err.find("already open"), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadFile(file()), before);
  // Reading needs no lock of its own: it shows what was last saved.
  ASSERT_EQ(holder->AddExtension(L"2", L"HD60", L"unsaved"), 0);
  EXPECT_EQ(Ok({"list", file()}), "");
}

// Commands that read open the file in place: saves replace it by a rename, so a listing made
// while another process saves over and over is always one whole saved state.
TEST_F(DatabaseCommands, ListingWhileAnotherProcessSavesShowsWholeSavedStates) {
  Ok({"new", file()});
  int code = -1;
  auto saver = OpenDatabase(file(), code, {nullptr, dir_ / "tmp"});
  ASSERT_TRUE(saver);
  std::atomic<bool> saving{true};
  std::atomic<size_t> listed{0};
  std::vector<ProcessResult> listings;  // the lister's until it is joined
  std::thread lister([&] {
    while (saving) {
      listings.push_back(Cli({"list", file()}));
      ++listed;
    }
  });
  // Each save adds one extension "E000", "E001", ... with a field; it goes on until the other
  // process has listed a good number of times (a slow lister, as under the sanitizers, then
  // lists the last state until it has).
  int saved = 0;
  for (; saved < 999 && (saved < 20 || listed < 12); ++saved) {
    wchar_t id[8];
    std::swprintf(id, 8, L"E%03d", saved);
    if (saver->AddExtension(id, L"HD60", L"Name " + std::wstring(id)) != 0 ||
        saver->SetField(id, 1101, L"text") != 0 || saver->Save({}) != 0) {
      ADD_FAILURE() << "save " << saved << " failed";  // the lister is still joined below
      break;
    }
  }
  while (listed < 12) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  saving = false;
  lister.join();
  ASSERT_GE(listings.size(), 12u);
  std::set<size_t> counts;
  for (const auto& listing : listings) {
    ASSERT_EQ(listing.exitCode, 0) << listing.err;
    EXPECT_EQ(listing.err, "");
    // Extensions E000 up to some number, none missing, each line whole.
    std::istringstream lines(listing.out);
    size_t n = 0;
    for (std::string line; std::getline(lines, line); ++n) {
      char expected[32];
      std::snprintf(expected, sizeof expected, "E%03zu\tHD60\tName E%03zu\t", n, n);
      ASSERT_TRUE(line.starts_with(expected)) << line;
      ASSERT_EQ(line.size(), std::strlen(expected) + 15) << line;
    }
    ASSERT_LE(n, static_cast<size_t>(saved));
    counts.insert(n);
  }
  // The listings saw the file at different saves.
  EXPECT_GT(counts.size(), 1u);
  std::istringstream last(Ok({"list", file()}));
  size_t lines = 0;
  for (std::string line; std::getline(last, line);) ++lines;
  EXPECT_EQ(lines, static_cast<size_t>(saved));
}

TEST_F(DatabaseCommands, InfoNamesForeignFormats) {
  WriteFile(dir_ / "text.mrb", "hello");
  EXPECT_EQ(Ok({"info", (dir_ / "text.mrb").string()}), "format\tnone\n");
  std::string legacy(300, ' ');
  legacy.replace(0, 5, "\x1AMRB\xB7");
  WriteFile(dir_ / "old.mrb", legacy);
  const auto r = Cli({"info", (dir_ / "old.mrb").string()});
  EXPECT_EQ(r.out, "format\tlegacy\n");
}

}  // namespace
}  // namespace mirn::test
