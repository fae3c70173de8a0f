#pragma once
// Temporary files owned by an object: created exclusively (never an existing file, never
// through a link), readable and writable by the user only, and removed when the owner goes.

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace mirn {

class TempFile {
 public:
  // Creates the empty file `dir`/`name`. Fails (nothing) when it exists or cannot be made.
  static std::optional<TempFile> CreateNamed(const std::filesystem::path& dir,
                                             const std::filesystem::path& name,
                                             std::error_code* error = nullptr);
  // Creates a file with a fresh GUID name plus `suffix` ("" or an extension such as ".dbf").
  static std::optional<TempFile> CreateUnique(const std::filesystem::path& dir,
                                              std::string_view suffix = {},
                                              std::error_code* error = nullptr);

  TempFile(TempFile&& other) noexcept;
  TempFile& operator=(TempFile&& other) noexcept;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile();

  const std::filesystem::path& Path() const { return path_; }
  // Gives the file up: it stays on disk and this object no longer removes it.
  std::filesystem::path Release();
  // Removes the file now; true when it is gone.
  bool Remove();

 private:
  explicit TempFile(std::filesystem::path path) : path_(std::move(path)) {}
  std::filesystem::path path_;
};

// Makes the folder `path` with mode 0700 whatever the umask; false when it exists or cannot
// be made.
bool CreatePrivateFolder(const std::filesystem::path& path, std::error_code* error = nullptr);

// Makes `path` exclusively with mode 0600; false when it exists or cannot be made.
bool CreateFileExclusive(const std::filesystem::path& path, std::error_code* error = nullptr);

// An unnamed file in the folder `dir`, open for reading and writing with mode 0600: having no
// name, it goes with its last descriptor, however the process ends. -1 and `error` when the
// folder cannot take one (its file system may not make unnamed files).
int OpenUnnamedFile(const std::filesystem::path& dir, std::error_code* error = nullptr);

}  // namespace mirn
