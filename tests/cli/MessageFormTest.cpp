// Every failure of mirn-cli says "mirn-cli: FILE: what happened (code N)": each command is run
// against a table of bad inputs and every line it writes about the failure is held to the
// form, so that a new command or a new failure cannot slip out of it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <regex>

#include "db/SQLiteDB.h"
#include "support/TestSupport.h"

namespace mirn::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(MIRN_BINARY_DIR) / "bin" / "samples" / "sample-labels.mrb";

class MessageForm : public ::testing::Test {
 protected:
  MessageForm() {
    fs::create_directories(dir_ / "tmp");
    fs::copy_file(kSample, db_);
    fs::create_symlink(dir_ / "loop1", dir_ / "loop2");
    fs::create_symlink(dir_ / "loop2", dir_ / "loop1");
    ::mkfifo(fifo_.c_str(), 0600);
    WriteFile(dir_ / "no-type.csv", "9,\r\n10,\r\n");
    WriteFile(dir_ / "binary.txt", std::string("a\0b\x81\n", 5));
    WriteFile(dir_ / "bad.json", "{\"typeCode\": 5}");
    WriteFile(dir_ / "plain.xlsx", "plain text");
  }

  ProcessResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"/usr/bin/timeout", "-s", "KILL", "60", MIRN_CLI_PATH});
    return RunProcess(args);
  }

  TempDir dir_;
  ScopedEnv tmp_{"TMPDIR", (dir_ / "tmp").string()};
  ScopedEnv config_{"XDG_CONFIG_HOME", (dir_ / "config").string()};
  ScopedEnv data_{"XDG_DATA_HOME", (dir_ / "data").string()};
  const std::string db_ = (dir_ / "m.mrb").string();
  const std::string fifo_ = (dir_ / "fifo").string();
  const std::string missing_ = (dir_ / "missing.mrb").string();
  const std::string noFolder_ = (dir_ / "no-folder").string();
};

// The lines that tell of the failure: everything on standard error but the usage lines and
// the lists a command adds below its message.
void ExpectTheForm(const std::vector<std::string>& args, const ProcessResult& r) {
  static const std::regex form(R"(^mirn-cli: .+: .+ \(code -?[0-9]+\)$)");
  std::string command;
  for (const auto& a : args) command += a + " ";
  EXPECT_EQ(r.exitCode, 1) << command << "\n" << r.err;
  EXPECT_FALSE(r.err.empty()) << command;
  std::istringstream lines(r.err);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(std::regex_match(line, form)) << command << "\n  " << line;
  }
}

TEST_F(MessageForm, EveryCommandAgainstBadInputs) {
  const std::vector<std::vector<std::string>> cases = {
      // A database that is missing, a pipe, a folder, a loop of links.
      {"check", missing_}, {"check", fifo_}, {"info", fifo_}, {"info", dir_.Path().string()},
      {"list", (dir_ / "loop1").string()}, {"fields", missing_, "201"}, {"convert", fifo_, (dir_ / "c.mrb").string()},
      {"render", missing_, "201", (dir_ / "r.png").string()}, {"replace", fifo_, "a", "b"},
      {"delete", missing_, "201"}, {"update", missing_, "201", "--name", "x"},
      // Extensions that exist, or do not.
      {"add", db_, "201", "HD40"}, {"add", db_, "9001", "HD40", "--copy-from", "nope"},
      {"copy-styles", db_, "nope", "--all-same-layout", "--styles", "font"},
      {"copy-styles", db_, "201", "nope", "--styles", "font"}, {"fields", db_, "nope"},
      {"render", db_, "nope", (dir_ / "r.png").string()},
      {"print", db_, "--ids", "nope", "--pdf", (dir_ / "p.pdf").string()},
      // Outputs that cannot be written.
      {"print", db_, "--pdf", (dir_ / "no-folder" / "p.pdf").string(), "--yes"},
      {"export-csv", db_, (dir_ / "loop1").string()}, {"export-excel", db_, dir_.Path().string()},
      {"extract", db_, "0123456789abcdef0123456789abcdef01234567", noFolder_},
      {"export-csv", db_, fifo_},
      // Inputs that hold nothing usable.
      {"import-csv", db_, (dir_ / "no-type.csv").string()}, {"import-csv", db_, fifo_},
      {"merge", db_, missing_}, {"add", db_, "9001", "HD40", "--names-file", (dir_ / "binary.txt").string()},
      {"add", db_, "9001", "HD40", "--names-file", missing_},
      // Layout files that are not layouts, a layout source that is not one, a printer that
      // is not there.
      {"template", "info", (dir_ / "binary.txt").string()}, {"template", "dump", (dir_ / "binary.txt").string()},
      {"template", "build", (dir_ / "bad.json").string(), (dir_ / "out.ddf").string()},
      {"convert-types", missing_}, {"print", db_, "--printer", "No Such Printer", "--yes"},
  };
  for (const auto& args : cases) ExpectTheForm(args, Cli(args));
}

// Under German and French the form stays "mirn-cli: FILE: what happened (code N)" with only
// the words translated; the exit codes are those of an English run, and what scripts read
// (--json) is the same bytes in every language.
TEST_F(MessageForm, InAnotherLanguageOnlyTheWordsChange) {
  const auto inLanguage = [&](const std::string& language, std::vector<std::string> args) {
    const std::string locale = language == "de" ? "de_DE.UTF-8" : "fr_FR.UTF-8";
    args.insert(args.begin(), {"/usr/bin/env", "LANGUAGE=" + language, "LC_ALL=" + locale, "LANG=" + locale,
                               "/usr/bin/timeout", "-s", "KILL", "60", MIRN_CLI_PATH});
    return RunProcess(args);
  };
  struct Case {
    std::vector<std::string> args;
    std::string german, french;  // words of the translated message
  };
  const std::vector<Case> cases = {
      {{"info", missing_}, "Lesen nicht möglich: die Datei oder ihr Ordner existiert nicht",
       "lecture impossible: le fichier ou son dossier n'existe pas"},
      {{"fields", db_, "nope"}, "es gibt keine Nebenstelle 'nope'", "il n'y a pas de poste 'nope'"},
      {{"add", db_, "9001", "HD40", "--names-file", missing_}, "die Namen können nicht gelesen werden",
       "les noms ne peuvent pas être lus"},
      {{"extract", db_, "0123456789abcdef0123456789abcdef01234567", noFolder_}, "der Ordner kann nicht gelesen werden",
       "le dossier ne peut pas être lu"},
      // The readers of other files' formats: a workbook that is none, a layout source with a
      // wrong value (its key stays the key).
      {{"import-sheet", db_, (dir_ / "plain.xlsx").string()}, "keine Arbeitsmappe (.xlsx oder .ods)",
       "pas un classeur (.xlsx ou .ods)"},
      {{"template", "build", (dir_ / "bad.json").string(), (dir_ / "out.ddf").string()}, "source: „format“ fehlt",
       "source\u00a0: «\u00a0format\u00a0» manque"},
  };
  for (const Case& c : cases) {
    const ProcessResult english = Cli(c.args);
    for (const std::string language : {"de", "fr"}) {
      const ProcessResult translated = inLanguage(language, c.args);
      ExpectTheForm(c.args, translated);
      EXPECT_EQ(translated.exitCode, english.exitCode) << c.args[0];
      EXPECT_NE(translated.err.find(language == "de" ? c.german : c.french), std::string::npos)
          << language << ": " << translated.err;
      EXPECT_NE(translated.err, english.err) << language;
    }
  }
  // A usage error keeps its exit status; the help is translated.
  EXPECT_EQ(inLanguage("de", {"list"}).exitCode, 2);
  EXPECT_NE(inLanguage("de", {"list"}).err.find("Argumente fehlen"), std::string::npos);
  const std::string help = inLanguage("fr", {"--help"}).out;
  EXPECT_NE(help.find("commandes\u00a0:"), std::string::npos) << help;
  EXPECT_NE(help.find("crée une base d'étiquettes vide"), std::string::npos) << help;

  // Numbers in what the tool lists keep the point: scripts read the listing too.
  ASSERT_EQ(Cli({"update", db_, "601", "--name", "Warehouse Office"}).exitCode, 0);
  const ProcessResult check = inLanguage("de", {"check", db_, "--ids", "601"});
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_NE(check.out.find("601\tNT3\tFeld 1101\tWarehouse Office\t1.9 mm zu breit\n"), std::string::npos) << check.out;
  EXPECT_NE(check.err.find("1 Feld hat mehr Text, als hineinpasst."), std::string::npos) << check.err;

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"list", db_, "--json"}, {"info", db_, "--json"}, {"check", db_, "--json"},
        {"fields", db_, "201", "--json"}, {"info", missing_, "--json"}}) {
    const ProcessResult english = Cli(args);
    for (const std::string language : {"de", "fr"}) {
      const ProcessResult translated = inLanguage(language, args);
      EXPECT_EQ(translated.out, english.out) << language << " " << args[0];
      EXPECT_EQ(translated.err, english.err) << language << " " << args[0];
      EXPECT_EQ(translated.exitCode, english.exitCode) << language << " " << args[0];
    }
  }
}

// A binary workbook holds 65,536 rows: an export that needs more says so before any work.
TEST_F(MessageForm, XlsRowLimitIsNamedWithTheWayOut) {
  {
    SQLiteDB raw;
    ASSERT_TRUE(raw.Open(db_));
    ASSERT_TRUE(raw.Execute(
        L"WITH RECURSIVE n(i) AS (SELECT 100000 UNION ALL SELECT i + 1 FROM n WHERE i < 166000) "
        L"INSERT INTO extension SELECT i, 'HD40', '', '2026-01-01T00:00:00' FROM n;"))
        << raw.LastError();
    ASSERT_TRUE(raw.Commit());
  }
  const std::vector<std::string> args = {"export-excel", db_, (dir_ / "big.xls").string()};
  // The counts are grouped as the locale groups digits; the listing of `info` is read by
  // scripts and keeps its plain digits.
  const auto inLocale = [&](const std::string& language, const std::string& locale, std::vector<std::string> command) {
    command.insert(command.begin(), {"/usr/bin/env", "LANGUAGE=" + language, "LC_ALL=" + locale, "LANG=" + locale,
                                     "/usr/bin/timeout", "-s", "KILL", "60", MIRN_CLI_PATH});
    return RunProcess(command);
  };
  const auto r = inLocale("en", "en_US.UTF-8", args);
  ExpectTheForm(args, r);
  EXPECT_NE(r.err.find("65,536 rows and this export needs 66,042"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(".xlsx"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir_ / "big.xls"));
  const auto german = inLocale("de", "de_DE.UTF-8", args);
  EXPECT_NE(german.err.find("65.536 Zeilen"), std::string::npos) << german.err;
  // The C locale, the one of many servers and scheduled jobs, writes plain digits.
  const auto plain = inLocale("en", "C", args);
  EXPECT_NE(plain.err.find("65536 rows and this export needs 66042"), std::string::npos) << plain.err;
  EXPECT_NE(inLocale("de", "de_DE.UTF-8", {"info", db_}).out.find("extensions\t66041\n"), std::string::npos);
}

// A file this user may not read is "permission denied", not "no database".
TEST_F(MessageForm, UnreadableFileSaysPermissionDenied) {
  const fs::path locked = dir_ / "locked.mrb";
  fs::copy_file(kSample, locked);
  ::chmod(locked.c_str(), 0);
  std::vector<std::string> prefix;
  if (::geteuid() == 0) {
    // The superuser reads any file: run as nobody, who may enter the folders but not read it.
    if (RunProcess({"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "/bin/true"}).exitCode != 0) {
      GTEST_SKIP() << "setpriv cannot change the user here";
    }
    for (fs::path p = locked.parent_path(); p != p.root_path(); p = p.parent_path()) {
      fs::permissions(p, fs::perms::others_exec, fs::perm_options::add);
    }
    prefix = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
  }
  for (const char* command : {"info", "convert"}) {
    std::vector<std::string> args = prefix;
    args.push_back(MIRN_CLI_PATH);
    args.push_back(command);
    args.push_back(locked.string());
    if (std::string(command) == "convert") args.push_back((dir_ / "tmp" / "c.mrb").string());
    const auto r = RunProcess(args);
    ExpectTheForm(args, r);
    EXPECT_NE(r.err.find("permission denied"), std::string::npos) << command << ": " << r.err;
  }
}

}  // namespace
}  // namespace mirn::test
