#include "app/Updater.h"

#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "platform/Launcher.h"
#include "platform/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

using Args = std::vector<std::string>;

TEST(Updater, MissingUtilitySaysSoForTheCommandsAndStaysQuietOnTheTimer) {
  test::TempDir dir;
  RecordingLauncher launcher;
  ScriptedUserInterface ui;
  Updater updater(Updater::PathIn(dir.Path()), launcher, ui);
  EXPECT_FALSE(updater.Exists());
  updater.CheckNow();
  updater.Configure(42);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, L"The Mirn updater utility was not found.");
  EXPECT_EQ(ui.messages[0].style, mb::kOk);
  updater.TimerTick();
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_TRUE(launcher.launches.empty());
  // A folder of that name is not the utility.
  std::filesystem::create_directory(Updater::PathIn(dir.Path()));
  EXPECT_FALSE(updater.Exists());
}

TEST(Updater, ArgumentsOfTheThreeStartsAndTheTimerFiresOnce) {
  test::TempDir dir;
  { std::ofstream(Updater::PathIn(dir.Path())) << "#!/bin/sh\n"; }
  RecordingLauncher launcher;
  ScriptedUserInterface ui;
  {
    Updater updater(Updater::PathIn(dir.Path()), launcher, ui);
    updater.TimerTick();
    updater.TimerTick();
    updater.Configure(1234567);
    updater.CheckNow();
    ASSERT_EQ(launcher.launches.size(), 3u);
    EXPECT_EQ(launcher.launches[0].program, dir / "mirn-updater");
    EXPECT_EQ(launcher.launches[0].arguments, Args{"/silent"});
    EXPECT_EQ(launcher.launches[1].arguments, (Args{"/configure", "1234567"}));
    EXPECT_EQ(launcher.launches[2].arguments, Args{"/checknow"});
  }
  launcher.launches.clear();
  launcher.succeeds = false;  // a start that fails is not reported
  Updater updater(Updater::PathIn(dir.Path()), launcher, ui);
  updater.CheckNow();
  EXPECT_FALSE(updater.SilentCheckDue());
  updater.TimerTick();  // Check for Updates stopped the timer
  EXPECT_EQ(launcher.launches.size(), 1u);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(PosixLauncher, PassesArgumentsUntouchedAndReportsAMissingProgram) {
  test::TempDir dir;
  const auto script = dir / "echo args";
  const auto out = dir / "out.txt";
  {
    std::ofstream file(script);
    file << "#!/bin/sh\nfor a in \"$0\" \"$@\"; do printf '%s\\n' \"$a\"; done > \"" << out.string() << ".part\"\n"
         << "mv \"" << out.string() << ".part\" \"" << out.string() << "\"\n";
  }
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  PosixLauncher launcher;
  ASSERT_TRUE(launcher.Start(script, {"/configure", "a b; rm -rf $HOME", "$(id)"}));
  for (int i = 0; i < 500 && !std::filesystem::exists(out); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(out);
  std::string line;
  Args seen;
  while (std::getline(in, line)) seen.push_back(line);
  EXPECT_EQ(seen, (Args{script.string(), "/configure", "a b; rm -rf $HOME", "$(id)"}));
  EXPECT_FALSE(launcher.Start(dir / "missing", {}));
}

}  // namespace
}  // namespace mirn
