#pragma once
// The updater utility, a separate program beside mirn: Check for Updates, Updates Options
// and the one silent check a minute after start-up start it with their arguments. Whether
// it exists decides whether the two Help commands are enabled.

#include <filesystem>
#include <string>

namespace mirn {

class Launcher;
class UserInterface;

class Updater {
 public:
  // `program` is the updater's full path.
  Updater(std::filesystem::path program, Launcher& launcher, UserInterface& ui);

  // "mirn-updater" in `folder` (the folder of the running program).
  static std::filesystem::path PathIn(const std::filesystem::path& folder);

  // True while a regular file is at the updater's path.
  bool Exists() const;
  // Check for Updates: the message when the updater is missing, else it starts with
  // "/checknow" and the silent check is no longer due.
  void CheckNow();
  // Updates Options: the message when missing, else it starts with "/configure" and the
  // main window's id in decimal.
  void Configure(unsigned long long mainWindowId);
  // The start-up timer's tick: the first one starts a silent check ("/silent") when the
  // updater exists; later ones, and any after Check for Updates, do nothing.
  void TimerTick();
  bool SilentCheckDue() const { return silentCheckDue_; }

 private:
  bool Found();

  std::filesystem::path program_;
  Launcher& launcher_;
  UserInterface& ui_;
  bool silentCheckDue_ = true;
};

}  // namespace mirn
