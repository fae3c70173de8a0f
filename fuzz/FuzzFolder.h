#pragma once
// A scratch folder for one fuzzing process under the temporary folder, removed with its
// content when the process ends normally (libFuzzer ends through exit() when its runs or its
// time are up), so that fuzzing leaves nothing behind.
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "db/MRBBase.h"
#include "store/OpenDatabase.h"

namespace mirn::fuzz {

inline std::filesystem::path& ScratchFolderPath() {
  static std::filesystem::path path;
  return path;
}

inline const std::filesystem::path& ScratchFolder(const char* name) {
  static const std::filesystem::path folder = [name] {
    std::string pattern = (std::filesystem::temp_directory_path() / (std::string("mirn-fuzz-") + name + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    ScratchFolderPath() = pattern;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolderPath(), ignored);
    });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

inline void WriteBytes(const std::filesystem::path& file, const uint8_t* data, size_t size) {
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Empties a folder the target fills per input (backups, pictures, working copies).
inline void EmptyFolder(const std::filesystem::path& folder) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

// Opens `file` (empty: a new database) with its working copy in `temp`; a new database that
// cannot be made is a fault of the environment, not of the input.
inline std::unique_ptr<MRBBase> OpenWithTempFolder(const std::filesystem::path& file, const std::filesystem::path& temp,
                                                  bool mustOpen) {
  std::filesystem::create_directories(temp);
  int code = 0;
  DatabaseOptions options;
  options.tempFolder = temp;
  std::unique_ptr<MRBBase> db = OpenDatabase(file, code, options);
  if (!db && mustOpen) abort();
  return db;
}

}  // namespace mirn::fuzz
