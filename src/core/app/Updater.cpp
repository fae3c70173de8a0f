#include "app/Updater.h"

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "platform/Launcher.h"
#include "platform/UserInterface.h"

namespace mirn {

Updater::Updater(std::filesystem::path program, Launcher& launcher, UserInterface& ui)
    : program_(std::move(program)), launcher_(launcher), ui_(ui) {}

std::filesystem::path Updater::PathIn(const std::filesystem::path& folder) { return folder / "mirn-updater"; }

bool Updater::Exists() const {
  std::error_code error;
  return std::filesystem::is_regular_file(program_, error);
}

bool Updater::Found() {
  if (Exists()) return true;
  ui_.MessageBox({Tr("Updater", "The Mirn updater utility was not found."), LoadString(kStrAppTitle), mb::kOk, {}});
  return false;
}

void Updater::CheckNow() {
  if (!Found()) return;
  silentCheckDue_ = false;
  launcher_.Start(program_, {"/checknow"});  // a failure to start is not reported
}

void Updater::Configure(unsigned long long mainWindowId) {
  if (!Found()) return;
  launcher_.Start(program_, {"/configure", std::to_string(mainWindowId)});
}

void Updater::TimerTick() {
  if (!silentCheckDue_) return;
  silentCheckDue_ = false;
  if (Exists()) launcher_.Start(program_, {"/silent"});
}

}  // namespace mirn
