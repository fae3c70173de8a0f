#pragma once
// The recent files list: the last databases opened or saved, newest first, kept in the
// settings under "Recent Files"/"file1" … "file6" and shown in the File menu and under the
// toolbar's Open button with shortened names.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace mirn {

class Profile;

class RecentFiles {
 public:
  static constexpr std::size_t kMaxEntries = 6;
  static constexpr std::size_t kMenuTextLength = 30;

  // Reads the entries from the settings; empty keys are skipped.
  void Load(const Profile& profile);
  // Writes every key, emptying those past the last entry, so that removed entries stay gone.
  void Save(Profile& profile) const;

  // Puts `path` (made absolute) at the front; an entry for the same file moves there, and the
  // oldest entry drops off past kMaxEntries.
  void Add(const std::filesystem::path& path);
  // Removes every entry that names the same absolute path.
  void Remove(const std::filesystem::path& path);
  void RemoveAt(std::size_t index);

  const std::vector<std::filesystem::path>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }

  // The menu text of entry `index`: "&1 " and the path shortened to kMenuTextLength.
  std::wstring MenuText(std::size_t index) const;

 private:
  std::vector<std::filesystem::path> entries_;
};

// Shortens a path to at most `maxLength` characters for a menu: the whole path when it fits,
// else the root, "..." and as many trailing folders as fit before the file name, else the
// file name alone.
std::wstring AbbreviatePath(const std::filesystem::path& path, std::size_t maxLength);

// The absolute, lexically normal form used to compare paths of the list.
std::filesystem::path NormalizedAbsolute(const std::filesystem::path& path);

}  // namespace mirn
