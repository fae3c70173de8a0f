// mirn-cli under faults: damaged ids, pipes and devices, two writers, read-only files, a
// full disk, outputs aimed at open databases, kills during a conversion, and the messages
// that must name the cause. Every run that could hang has a time limit.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "db/SQLiteDB.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "support/XbaseWriter.h"
#include "util/Text.h"

namespace mirn::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(MIRN_BINARY_DIR) / "bin" / "samples" / "sample-labels.mrb";
constexpr int kTimedOut = 124;  // what timeout(1) answers when it had to stop the command

class FaultCli : public ::testing::Test {
 protected:
  FaultCli() { fs::create_directories(dir_ / "tmp"); }

  // The real mirn-cli, stopped after `seconds`.
  ProcessResult Cli(std::vector<std::string> args, int seconds = 30) {
    args.insert(args.begin(), {"/usr/bin/timeout", "-s", "KILL", std::to_string(seconds), MIRN_CLI_PATH});
    return RunProcess(args);
  }
  std::string Copy(const std::string& name) {
    const fs::path path = dir_ / name;
    fs::copy_file(kSample, path, fs::copy_options::overwrite_existing);
    return path.string();
  }
  static void Sql(const fs::path& path, const std::wstring& sql) {
    SQLiteDB raw;
    ASSERT_TRUE(raw.Open(path));
    ASSERT_TRUE(raw.Execute(sql)) << raw.LastError();
    ASSERT_TRUE(raw.Commit());
  }
  static bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  TempDir dir_;
  ScopedEnv tmp_{"TMPDIR", (dir_ / "tmp").string()};
};

TEST_F(FaultCli, EmptyAndBlobIdsEndEveryWalk) {
  const std::string db = Copy("e.mrb");
  Sql(db,
      L"INSERT INTO extension SELECT '', typecode, 'blank', modified FROM extension LIMIT 1;"
      L"INSERT INTO extension SELECT x'4142', typecode, 'blob', modified FROM extension LIMIT 1;");
  const auto list = Cli({"list", db});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_TRUE(Contains(list.err, "2 extensions with an empty or non-text ID skipped")) << list.err;
  EXPECT_EQ(Cli({"list", db, "--json"}).exitCode, 0);
  const auto csv = Cli({"export-csv", db, (dir_ / "e.csv").string()});
  EXPECT_EQ(csv.exitCode, 0) << csv.err;
  EXPECT_LT(fs::file_size(dir_ / "e.csv"), 1u << 20);
  EXPECT_EQ(Cli({"export-excel", db, (dir_ / "e.xlsx").string()}).exitCode, 0);
  EXPECT_EQ(Cli({"merge", (dir_ / "m.mrb").string(), db, "--create"}).exitCode, 0);
  const auto pdf = Cli({"print", db, "--pdf", (dir_ / "e.pdf").string(), "--yes"});
  EXPECT_EQ(pdf.exitCode, 0) << pdf.err;
}

// Copying styles to every extension of a layout walks as the other commands do: an ID that is
// not text is skipped and reported, and the rest are copied and saved.
TEST_F(FaultCli, CopyStylesSkipsIdsThatAreNotText) {
  const std::string db = Copy("s.mrb");
  Sql(db, L"INSERT INTO extension SELECT CAST('777' AS BLOB), typecode, 'blob', modified FROM extension WHERE id='201';"
          L"INSERT INTO field SELECT CAST('777' AS BLOB), field_id, content FROM field WHERE extension_id='201';");
  const auto r = Cli({"copy-styles", db, "201", "--all-same-layout", "--styles", "font"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Contains(r.err, "1 extension with an empty or non-text ID skipped")) << r.err;
  EXPECT_FALSE(Contains(r.out + r.err, "stopped")) << r.out << r.err;
}

// A print on fresh adjustments notes their migration in the settings file. That note must not
// cost the user the file: a pipe is left alone, a read-only file stays as it is, a link is
// written through to its target.
TEST_F(FaultCli, SettingsFileIsNeverReplacedByAPrint) {
  const std::string db = Copy("p.mrb");
  const fs::path config = dir_ / "config";
  const fs::path settings = config / "Mirn" / "Mirn Labeling System.conf";
  ScopedEnv xdgConfig("XDG_CONFIG_HOME", config.string());
  ScopedEnv xdgData("XDG_DATA_HOME", (dir_ / "data").string());
  fs::create_directories(settings.parent_path());
  const auto print = [&] { return Cli({"print", db, "--pdf", (dir_ / "p.pdf").string(), "--yes"}); };

  ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
  auto r = print();
  EXPECT_EQ(r.exitCode, 0) << r.err;
  struct stat st {};
  ASSERT_EQ(::lstat(settings.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_TRUE(Contains(r.err, "mirn-cli: " + settings.string() + ": cannot read the settings")) << r.err;
  fs::remove(settings);
  fs::remove_all(dir_ / "data");

  WriteFile(config / "real.conf", "[Keep]\nMe=1\n");
  fs::create_symlink(config / "real.conf", settings);
  r = print();
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(settings));
  const std::string written = ReadFile(config / "real.conf");
  EXPECT_TRUE(Contains(written, "Me=1")) << written;
  EXPECT_TRUE(Contains(written, "Migrated to XML")) << written;
  fs::remove(settings);
  fs::remove_all(dir_ / "data");

  WriteFile(settings, "[Keep]\nMe=1\n");
  ::chmod(settings.c_str(), 0444);
  r = print();
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(ReadFile(settings), "[Keep]\nMe=1\n");
}

TEST_F(FaultCli, PipesAndDevicesAreRefusedWithoutWaiting) {
  const std::string db = Copy("p.mrb");
  fs::create_directories(dir_ / "lib");
  ASSERT_EQ(::mkfifo((dir_ / "lib" / "pipe.ddf").c_str(), 0600), 0);
  fs::copy_file(fs::path(MIRN_BINARY_DIR) / "bin" / "ddf" / "corvane-210.ddf", dir_ / "lib" / "real.ddf");
  const auto listed = Cli({"templates", "--folder", (dir_ / "lib").string(), "--no-cache"}, 10);
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_TRUE(Contains(listed.out, "real.ddf"));

  const std::string fifo = (dir_ / "lib" / "pipe.ddf").string();
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"template", "info", fifo},
           {"template", "dump", fifo},
           {"template", "build", fifo, (dir_ / "out.ddf").string()},
           {"set-field", db, "201", "1", "--file", fifo},
           {"set-field", db, "201", "1", "--file", "/dev/zero"},
           {"list", fifo},
           {"list", "/dev/zero"},
           {"import-csv", db, fifo},
       }) {
    const auto r = Cli(args, 10);
    EXPECT_EQ(r.exitCode, 1) << args[0] << ' ' << args[1] << ": " << r.err;
    EXPECT_TRUE(Contains(r.err, "not a regular file")) << r.err;
  }
}

// strace may be missing, or barred from tracing (a container without ptrace): either way the
// tests that need it are skipped, not failed.
bool StraceCanTrace() {
  if (::access("/usr/bin/strace", X_OK) != 0) return false;
  return RunProcess({"/usr/bin/strace", "-o", "/dev/null", "/bin/true"}).exitCode == 0;
}

// The second writer's lock is held back (strace) until the first has saved a new file over
// the path; it must not lock the replaced file and throw the first one's work away.
TEST_F(FaultCli, SecondWriterDoesNotLockAReplacedFile) {
  if (!StraceCanTrace()) {
    GTEST_SKIP() << "strace cannot trace here: the delayed lock is not tested";
  }
  const std::string db = (dir_ / "two.mrb").string();
  ASSERT_EQ(Cli({"new", db}).exitCode, 0);
  const std::string cli = MIRN_CLI_PATH;
  const auto r = RunProcess(
      {"/bin/sh", "-c",
       // LeakSanitizer cannot run under a tracer; leaks are checked by every other run.
       "ASAN_OPTIONS=detect_leaks=0 strace -f -o /dev/null -e trace=flock -e inject=flock:delay_enter=800000:when=1 " + cli + " add " + db +
           " B HD40 & sleep 0.4; " + cli + " add " + db + " A HD40; a=$?; wait $!; b=$?; echo $a $b"});
  EXPECT_TRUE(r.out.ends_with("0 0\n")) << r.out << r.err;
  const auto list = Cli({"list", db});
  EXPECT_TRUE(Contains(list.out, "A\t")) << list.out;
  EXPECT_TRUE(Contains(list.out, "B\t")) << list.out;
}

TEST_F(FaultCli, ReadOnlyFilesAreRefusedBeforeAnyWork) {
  const std::string db = Copy("ro.mrb");
  ::chmod(db.c_str(), 0444);
  const std::string before = ReadFile(db);
  const auto add = Cli({"add", db, "X1", "HD40"});
  EXPECT_EQ(add.exitCode, 1);
  EXPECT_TRUE(Contains(add.err, "read-only")) << add.err;
  WriteFile(dir_ / "in.csv", "X2,HD40,Name\r\n");
  const auto import = Cli({"import-csv", db, (dir_ / "in.csv").string()});
  EXPECT_EQ(import.exitCode, 1);
  EXPECT_TRUE(Contains(import.err, "read-only")) << import.err;
  EXPECT_EQ(ReadFile(db), before);
  struct stat st {};
  ::stat(db.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST_F(FaultCli, OutputsOntoAnOpenDatabaseAreRefused) {
  const std::string db = Copy("office.mrb");
  const std::string before = ReadFile(db);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"export-csv", db, db},
           {"export-excel", db, db},
           {"print", db, "--pdf", db, "--yes"},
           {"render", db, "201", db},
       }) {
    const auto r = Cli(args);
    EXPECT_EQ(r.exitCode, 1) << args[0] << ": " << r.err;
    EXPECT_TRUE(Contains(r.err, "database that is open")) << r.err;
  }
  EXPECT_EQ(ReadFile(db), before);

  const std::string other = Copy("other.mrb");
  const auto refused = Cli({"convert", db, other});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(Contains(refused.err, "--force")) << refused.err;
  EXPECT_EQ(Cli({"convert", db, other, "--force"}).exitCode, 0);
}

TEST_F(FaultCli, EveryOutputOnAFullDiskKeepsTheOldFileAndSaysWhy) {
  SmallDisk disk(512 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
  const std::string db = Copy("full.mrb");
  std::string hash;
  {
    SQLiteDB raw;
    ASSERT_TRUE(raw.OpenReadOnly(db));
    auto c = raw.Prepare(L"SELECT hash FROM graphics LIMIT 1;", false);
    ASSERT_TRUE(c->Step());
    hash = ToUtf8(c->GetText(0));
  }
  for (const char* name : {"old.csv", "old.xlsx", "old.xls", "old.pdf", "old.png"}) WriteFile(disk / name, "OLD");
  fs::create_directories(disk / "pictures");
  disk.Fill();
  struct Case {
    std::vector<std::string> args;
    fs::path output;
  };
  const std::vector<Case> cases = {
      {{"export-csv", db, (disk / "old.csv").string()}, disk / "old.csv"},
      {{"export-excel", db, (disk / "old.xlsx").string()}, disk / "old.xlsx"},
      {{"export-excel", db, (disk / "old.xls").string()}, disk / "old.xls"},
      {{"print", db, "--pdf", (disk / "old.pdf").string(), "--yes"}, disk / "old.pdf"},
      {{"render", db, "201", (disk / "old.png").string()}, disk / "old.png"},
      {{"convert", db, (disk / "new.mrb").string()}, disk / "new.mrb"},
      {{"extract", db, hash, (disk / "pictures").string()}, {}},
  };
  for (const auto& c : cases) {
    const auto r = Cli(c.args);
    EXPECT_EQ(r.exitCode, 1) << c.args[0] << ": " << r.err;
    EXPECT_TRUE(Contains(r.err, "No space left on device")) << c.args[0] << ": " << r.err;
    if (c.output.empty()) continue;
    EXPECT_TRUE(Contains(r.err, c.output.string())) << r.err;
    if (c.output.extension() == ".mrb") {
      EXPECT_FALSE(fs::exists(c.output));
    } else {
      EXPECT_EQ(ReadFile(c.output), "OLD") << c.args[0];
    }
  }
  EXPECT_TRUE(fs::is_empty(disk / "pictures"));
  size_t hidden = 0;
  for (const auto& e : fs::directory_iterator(disk.Path())) hidden += e.path().filename().string()[0] == '.';
  EXPECT_EQ(hidden, 0u) << "no half-written sibling stays behind";
}

// A conversion onto itself stopped at its first or second rename: the user's name holds a
// complete file, the original or the converted one.
TEST_F(FaultCli, KilledConversionOntoItselfLeavesACompleteFile) {
  if (!StraceCanTrace()) {
    GTEST_SKIP() << "strace cannot trace here: the kill between renames is not tested";
  }
  for (const char* when : {"1", "2"}) {
    const fs::path legacy = dir_ / (std::string("legacy") + when + ".mrb");
    WriteFile(legacy, WriteLegacyDatabase({{"100", "T1", "Reception", "0"}}, {{"100", "1025", "hi"}}));
    RunProcess({"/usr/bin/strace", "-f", "-o", "/dev/null", "-e", "trace=rename,renameat,renameat2", "-e",
                std::string("inject=rename,renameat,renameat2:signal=KILL:when=") + when, MIRN_CLI_PATH, "convert",
                legacy.string(), legacy.string()});
    const int kind = DetectFormat(legacy);
    EXPECT_TRUE(kind == format::kLegacy || kind == format::kCurrent) << "after rename " << when << ": " << kind;
  }
}

TEST_F(FaultCli, MessagesNameTheFileAndTheCause) {
  const std::string db = Copy("m.mrb");
  fs::create_symlink(dir_ / "loop1", dir_ / "loop2");
  fs::create_symlink(dir_ / "loop2", dir_ / "loop1");
  struct Case {
    std::vector<std::string> args;
    std::string says;
  };
  const std::vector<Case> cases = {
      {{"list", (dir_ / "missing.mrb").string()}, "does not exist"},
      {{"list", dir_.Path().string()}, "it is a folder"},
      {{"list", (dir_ / "loop1").string()}, "Too many levels of symbolic links"},
      {{"import-csv", db, dir_.Path().string()}, "it is a folder"},
      {{"new", (dir_ / "nofolder" / "x.mrb").string()}, "cannot create"},
      {{"merge", db, (dir_ / "missing.mrb").string()}, "does not exist"},
      {{"merge", db, db}, "into itself"},
      {{"templates", "--folder", (dir_ / "nofolder").string()}, "does not exist"},
  };
  for (const auto& c : cases) {
    const auto r = Cli(c.args);
    EXPECT_EQ(r.exitCode, 1) << c.args[0] << ": " << r.err;
    EXPECT_TRUE(Contains(r.err, c.says)) << c.args[0] << ": " << r.err;
    EXPECT_TRUE(r.err.starts_with("mirn-cli: ")) << r.err;
    EXPECT_TRUE(Contains(r.err, "(code ")) << r.err;
    EXPECT_FALSE(Contains(r.err, "previous content")) << r.err;
  }

  // A temporary folder that cannot take the working copy is named as such; commands that
  // only read make no working copy and do not need one.
  {
    ScopedEnv badTmp("TMPDIR", (dir_ / "no-such-tmp").string());
    const auto r = Cli({"delete", db, "201"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "temporary folder")) << r.err;
    const auto list = Cli({"list", db});
    EXPECT_EQ(list.exitCode, 0) << list.err;
  }

  // A newer generation's file is called that, not "not a label database".
  Sql(dir_ / "m.mrb", L"UPDATE meta SET value='400' WHERE key='versions';");
  const auto newer = Cli({"convert", db, (dir_ / "n.mrb").string()});
  EXPECT_EQ(newer.exitCode, 1);
  EXPECT_TRUE(Contains(newer.err, "newer generation")) << newer.err;

  // Qt's note about a missing runtime folder is not the batch tool's business.
  ScopedEnv noRuntime("XDG_RUNTIME_DIR", std::nullopt);
  const std::string fresh = Copy("r.mrb");
  const auto render = Cli({"render", fresh, "201", (dir_ / "r.png").string()});
  EXPECT_EQ(render.exitCode, 0) << render.err;
  EXPECT_FALSE(Contains(render.err, "XDG_RUNTIME_DIR")) << render.err;
}

}  // namespace
}  // namespace mirn::test
