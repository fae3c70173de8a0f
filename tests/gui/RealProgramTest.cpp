// The real program under a virtual display: started with a database on its command line, its
// main window's title names the file. A second start on the same file is refused with the
// already-open message instead of opening a second writer. Keys typed with no delay between
// them all reach the field.

#include <unistd.h>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

// Runs `mirn` with `arguments` under xvfb-run in a private home (twice, two seconds apart,
// when `twice`), waits up to 20 seconds until `expected` stands in at least `count` lines of
// the window tree, and answers the tree it last saw.
std::string WindowsWhileRunning(const fs::path& home, const std::string& arguments, const std::string& expected,
                                bool twice = false, int count = 1) {
  const std::string script =
      "unset QT_QPA_PLATFORM\n"
      "export HOME='" + home.string() + "' XDG_CONFIG_HOME='" + home.string() + "/config' XDG_DATA_HOME='" +
      home.string() + "/data' XDG_CACHE_HOME='" + home.string() + "/cache' TMPDIR='" + home.string() + "'\n"
      "'" MIRN_BINARY_DIR "/bin/mirn' " + arguments + " >/dev/null 2>&1 &\n"
      "pids=$!\n"
      "if [ " + std::string(twice ? "1" : "0") + " = 1 ]; then sleep 2; '" MIRN_BINARY_DIR "/bin/mirn' " + arguments +
      " >/dev/null 2>&1 & pids=\"$pids $!\"; fi\n"
      "for i in $(seq 1 80); do\n"
      "  tree=$(xwininfo -root -tree)\n"
      "  [ \"$(printf '%s\\n' \"$tree\" | grep -cF -- '" + expected + "')\" -ge " + std::to_string(count) +
      " ] && break\n"
      "  sleep 0.25\n"
      "done\n"
      "printf '%s\\n' \"$tree\"\n"
      "kill $pids; wait\n";
  const test::ProcessResult result =
      test::RunProcess({"/usr/bin/xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "sh", "-c", script});
  return result.out;
}

bool HaveDisplayTools() {
  return ::access("/usr/bin/xvfb-run", X_OK) == 0 && ::access("/usr/bin/xwininfo", X_OK) == 0;
}

TEST(RealProgram, OpensTheDatabaseNamedOnItsCommandLine) {
  if (!HaveDisplayTools()) GTEST_SKIP() << "xvfb-run and xwininfo are needed";
  test::TempDir home;
  fs::copy_file(fs::path(MIRN_BINARY_DIR) / "bin/samples/sample-labels.mrb", home / "office.mrb");
  const std::string tree =
      WindowsWhileRunning(home.Path(), "'" + (home / "office.mrb").string() + "'", "Mirn Labeling System - office.mrb");
  EXPECT_NE(tree.find("\"Mirn Labeling System - office.mrb\""), std::string::npos) << tree;
}

TEST(RealProgram, ASecondStartOnTheSameFileIsRefused) {
  if (!HaveDisplayTools()) GTEST_SKIP() << "xvfb-run and xwininfo are needed";
  test::TempDir home;
  fs::copy_file(fs::path(MIRN_BINARY_DIR) / "bin/samples/sample-labels.mrb", home / "office.mrb");
  // The second program closes its document before it opens the file, so while its message
  // box is up both its window and the box carry the program's name alone; the file's name
  // stays on the first program's window only.
  const std::string bare = "\"Mirn Labeling System\": (\"mirn\"";
  const std::string tree =
      WindowsWhileRunning(home.Path(), "'" + (home / "office.mrb").string() + "'", bare, true, 2);
  size_t bareCount = 0;
  for (size_t at = tree.find(bare); at != std::string::npos; at = tree.find(bare, at + 1)) ++bareCount;
  EXPECT_EQ(bareCount, 2u) << tree;
  const std::string titled = "\"Mirn Labeling System - office.mrb\"";
  EXPECT_NE(tree.find(titled), std::string::npos) << tree;
  EXPECT_EQ(tree.find(titled, tree.find(titled) + 1), std::string::npos) << tree;
}

// --help and --version answer before any window system is asked for: they work with no
// display at all, and the switches of the program's own command line are described.
TEST(RealProgram, HelpAndVersionNeedNoDisplay) {
  const std::string mirn = (fs::path(MIRN_BINARY_DIR) / "bin" / "mirn").string();
  const auto help = test::RunProcess({"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                                      mirn, "--help"});
  EXPECT_EQ(help.exitCode, 0) << help.err;
  for (const char* text : {"/P FILE", "/I FILE.csv", "/NODELETE", "--version", "[file]"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text << " in\n" << help.out;
  }
  const auto version = test::RunProcess({"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                         "QT_QPA_PLATFORM", mirn, "-p", "--version"});
  EXPECT_EQ(version.exitCode, 0) << version.err;
  EXPECT_EQ(version.out, std::string("mirn ") + MIRN_VERSION + "\n");
  // In the user's language, Qt's own lines ("Usage:") with it.
  const auto german = test::RunProcess({"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                        "QT_QPA_PLATFORM", "LANGUAGE=de", "LC_ALL=de_DE.UTF-8", mirn, "--help"});
  EXPECT_EQ(german.exitCode, 0) << german.err;
  for (const char* text : {"/P DATEI", "Tastenbeschriftungen", "[Datei]", "Aufruf:"}) {
    EXPECT_NE(german.out.find(text), std::string::npos) << text << " in\n" << german.out;
  }
}

// "Desk 9" typed into a field by the X server's test extension with no delay between keys,
// on a freshly started program three times: each time the field stores all six characters.
// The editor window takes the keyboard a moment after the first key opens it.
TEST(RealProgram, KeysTypedWithoutDelayAllReachTheField) {
  if (!HaveDisplayTools() || ::access("/usr/bin/xdotool", X_OK) != 0) GTEST_SKIP() << "xvfb-run and xdotool are needed";
  test::TempDir home;
  const std::string dir = home.Path().string();
  const fs::path sample = fs::path(MIRN_BINARY_DIR) / "bin/samples/sample-labels.mrb";
  for (int run = 1; run <= 3; ++run) {
    const fs::path file = home / ("office" + std::to_string(run) + ".mrb");
    fs::copy_file(sample, file);
    const std::string title = "Mirn Labeling System - " + file.filename().string();
    // Tab goes from the list to the label, Down to its second field; Ctrl+Enter ends the edit.
    const std::string script =
        "unset QT_QPA_PLATFORM\n"
        "export HOME='" + dir + "' XDG_CONFIG_HOME='" + dir + "/config' XDG_DATA_HOME='" +
        dir + "/data' XDG_CACHE_HOME='" + dir + "/cache' TMPDIR='" + dir + "'\n"
        "'" MIRN_BINARY_DIR "/bin/mirn' '" + file.string() + "' >/dev/null 2>&1 &\n"
        "pid=$!\n"
        "for i in $(seq 1 80); do xdotool search --name '" + title + "' >/dev/null 2>&1 && break; sleep 0.25; done\n"
        "sleep 1.5\n"
        "xdotool key Tab; sleep 0.3; xdotool key Down; sleep 0.3\n"
        "xdotool type --delay 0 'Desk 9'\n"
        "sleep 0.5; xdotool key ctrl+Return; sleep 0.3; xdotool key ctrl+s; sleep 1\n"
        "kill $pid; wait\n";
    test::RunProcess({"/usr/bin/xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "sh", "-c", script});
    const test::ProcessResult fields = test::RunProcess({(fs::path(MIRN_BINARY_DIR) / "bin" / "mirn-cli").string(), "fields", file.string(), "201"});
    EXPECT_NE(fields.out.find("\\qc Desk 9}"), std::string::npos) << "run " << run << ":\n" << fields.out;
  }
}

}  // namespace
}  // namespace mirn
