#include "platform/KnownFolders.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace mirn {
namespace {

namespace fs = std::filesystem;

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

fs::path Home() {
  const std::string home = Env("HOME");
  return home.empty() ? fs::path("/") : fs::path(home);
}

// An XDG base variable: used when it is an absolute path, else the default under $HOME.
fs::path XdgBase(const char* variable, const char* fallbackUnderHome) {
  const std::string v = Env(variable);
  if (!v.empty() && v.front() == '/') return fs::path(v);
  return Home() / fallbackUnderHome;
}

// One entry of $XDG_CONFIG_HOME/user-dirs.dirs, as xdg-user-dir reads it: the variable of the
// environment first, then the line XDG_<NAME>_DIR="$HOME/..." of the file.
fs::path UserDir(const char* name, const char* fallbackUnderHome) {
  const std::string variable = std::string("XDG_") + name + "_DIR";
  std::string value = Env(variable.c_str());
  if (value.empty()) {
    std::ifstream in(XdgBase("XDG_CONFIG_HOME", ".config") / "user-dirs.dirs");
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind(variable + "=", 0) != 0) continue;
      std::string v = line.substr(variable.size() + 1);
      if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
      if (v.rfind("$HOME", 0) == 0) {
        v = Home().string() + v.substr(5);
      } else if (v.empty() || v.front() != '/') {
        continue;
      }
      value = v;
    }
  }
  return value.empty() ? Home() / fallbackUnderHome : fs::path(value);
}

fs::path ProgramFolder() {
  const std::string overridden = Env("MIRN_PROGRAM_DIR");
  if (!overridden.empty()) return fs::path(overridden);
  const fs::path exe = ExecutableFolder();
  std::error_code ec;
  const fs::path installed = exe.parent_path() / MIRN_PROGRAM_SUBDIR;
  if (exe.filename() == "bin" && fs::is_directory(installed, ec)) return installed;
  return exe;
}

}  // namespace

fs::path ExecutableFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path(ec) : exe.parent_path();
}

fs::path XdgKnownFolders::Get(KnownFolder folder) const {
  switch (folder) {
    case KnownFolder::LocalAppData: return XdgBase("XDG_DATA_HOME", ".local/share");
    case KnownFolder::RoamingAppData: return XdgBase("XDG_CONFIG_HOME", ".config");
    case KnownFolder::Cache: return XdgBase("XDG_CACHE_HOME", ".cache");
    case KnownFolder::ProgramData: {
      const std::string v = Env("MIRN_PROGRAM_DATA");
      return v.empty() ? fs::path("/var/lib") : fs::path(v);
    }
    case KnownFolder::Documents: return UserDir("DOCUMENTS", "Documents");
    case KnownFolder::Pictures: return UserDir("PICTURES", "Pictures");
    case KnownFolder::Temp: {
      const std::string v = Env("TMPDIR");
      return v.empty() ? fs::path("/tmp") : fs::path(v);
    }
    case KnownFolder::Program: return ProgramFolder();
  }
  return {};
}

fs::path FakeKnownFolders::Get(KnownFolder folder) const {
  if (const auto it = set_.find(folder); it != set_.end()) return it->second;
  switch (folder) {
    case KnownFolder::LocalAppData: return root_ / "local";
    case KnownFolder::RoamingAppData: return root_ / "roaming";
    case KnownFolder::Cache: return root_ / "cache";
    case KnownFolder::ProgramData: return root_ / "programdata";
    case KnownFolder::Documents: return root_ / "Documents";
    case KnownFolder::Pictures: return root_ / "Pictures";
    case KnownFolder::Temp: return root_ / "tmp";
    case KnownFolder::Program: return root_ / "program";
  }
  return root_;
}

fs::path LegacyIniPath(const KnownFolders& folders) {
  const fs::path redirected =
      folders.Get(KnownFolder::LocalAppData) / "VirtualStore" / "Windows" / "MIRN.INI";
  std::error_code ec;
  if (fs::exists(redirected, ec)) return redirected;
  return folders.Get(KnownFolder::RoamingAppData) / "Mirn" / "MIRN.INI";
}

}  // namespace mirn
