#pragma once
// The settings store kept in an INI file (by default
// $XDG_CONFIG_HOME/Mirn/Mirn Labeling System.conf).
//
// The file is read when it changed since the last look (its time and size are checked on
// every read), so that mirn-cli and the GUI see each other's writes; every write re-reads the
// file, changes one value and replaces the file atomically (a value the file already holds
// is not written again). The file and its folder are made
// on the first write. A file that exists but cannot be read is never written: replacing it
// would keep only the value being written.

#include <filesystem>
#include <functional>
#include <system_error>
#include <mutex>

#include "platform/IniDocument.h"
#include "platform/Profile.h"

namespace mirn {

class KnownFolders;

class IniProfile final : public Profile {
 public:
  explicit IniProfile(std::filesystem::path file);
  // The user's settings file under the roaming folder of `folders`.
  static std::filesystem::path DefaultPath(const KnownFolders& folders);

  int GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const override;
  std::wstring GetString(std::wstring_view section, std::wstring_view key,
                         std::wstring_view defaultValue) const override;
  bool WriteInt(std::wstring_view section, std::wstring_view key, int value) override;
  bool WriteString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override;
  bool Has(std::wstring_view section, std::wstring_view key) const override;

  const std::filesystem::path& File() const { return file_; }

  // Told once when the file exists but cannot be read (and again only after it could be read
  // in between); until then every write answers false and reads answer what was last read.
  using ReadFailureHandler = std::function<void(const std::filesystem::path&, std::error_code)>;
  void SetReadFailureHandler(ReadFailureHandler handler);

 private:
  void RefreshLocked() const;
  void NoteReadFailureLocked(std::error_code cause) const;

  std::filesystem::path file_;
  mutable std::mutex mutex_;
  mutable IniDocument doc_;
  mutable std::filesystem::file_time_type stamp_{};
  mutable std::uintmax_t size_ = static_cast<std::uintmax_t>(-1);
  mutable bool loaded_ = false;
  mutable std::error_code readError_;
  mutable bool reported_ = false;
  ReadFailureHandler onReadFailure_;
};

}  // namespace mirn
