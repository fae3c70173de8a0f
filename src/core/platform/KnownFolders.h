#pragma once
// The folders the program keeps and finds its files in. Each answer is the root folder; the
// callers append "Mirn" and their file names themselves.

#include <filesystem>
#include <map>

namespace mirn {

enum class KnownFolder {
  LocalAppData,    // per-user data of this machine ($XDG_DATA_HOME, ~/.local/share)
  RoamingAppData,  // per-user settings that travel ($XDG_CONFIG_HOME, ~/.config)
  Cache,           // per-user caches ($XDG_CACHE_HOME, ~/.cache)
  ProgramData,     // all-users data ($MIRN_PROGRAM_DATA, /var/lib)
  Documents,       // the user's documents (user-dirs.dirs, ~/Documents)
  Pictures,        // the user's pictures (user-dirs.dirs, ~/Pictures)
  Temp,            // temporary files ($TMPDIR, /tmp)
  Program,         // the program's own files ($MIRN_PROGRAM_DIR, <prefix>/share/mirn, or the
                   // executable's folder in a build tree)
};

class KnownFolders {
 public:
  virtual ~KnownFolders() = default;
  virtual std::filesystem::path Get(KnownFolder folder) const = 0;
};

// The XDG base directories and user directories, read from the environment at each call so
// that a changed variable takes effect at once.
class XdgKnownFolders final : public KnownFolders {
 public:
  std::filesystem::path Get(KnownFolder folder) const override;
};

// Folders set by a test; an unset folder answers `root`/<name of the folder>.
class FakeKnownFolders final : public KnownFolders {
 public:
  explicit FakeKnownFolders(std::filesystem::path root) : root_(std::move(root)) {}
  std::filesystem::path Get(KnownFolder folder) const override;
  void Set(KnownFolder folder, std::filesystem::path path) { set_[folder] = std::move(path); }

 private:
  std::filesystem::path root_;
  std::map<KnownFolder, std::filesystem::path> set_;
};

// The folder of the running executable (from /proc/self/exe).
std::filesystem::path ExecutableFolder();

// The settings file of the previous generation, "MIRN.INI", read only for one-time
// migrations: the copy under LocalAppData/VirtualStore/Windows when it exists there, else
// the one under RoamingAppData/Mirn (where a user moving from Windows puts it).
std::filesystem::path LegacyIniPath(const KnownFolders& folders);

}  // namespace mirn
