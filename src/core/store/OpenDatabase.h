#pragma once
// Finding out what kind of file a path holds, and opening it as the right database class.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

#include "db/MRBBase.h"

namespace mirn {

class Clock;

// 0 not a label database (or unreadable), 2 the previous generation, 3 the current one,
// 999 written by a newer generation. Never changes the file.
int DetectFormat(const std::filesystem::path& path);

// Where a database keeps its temporary files and which clock stamps its changes; defaults:
// the user's temporary folder and the system clock.
struct DatabaseOptions {
  const Clock* clock = nullptr;
  std::filesystem::path tempFolder;
  // When given and the open fails on a file: the system's cause and the file or folder it is
  // about (see MRBBase::LastFileError).
  std::error_code* fileError = nullptr;
  std::filesystem::path* fileErrorPath = nullptr;
  // For work that only reads: a current-format file is opened in place and read-only (no
  // working copy; saving is refused). Other files open as always.
  bool readOnly = false;
  // See MRBBase::SetWhileCopying.
  std::function<void()> whileCopying{};
  // From this size on, copying a file for editing takes visible time: a window shows the
  // first rows of the file as it stands meanwhile (DocumentListener::DocumentLoading).
  std::uintmax_t firstLookBytes = 8u << 20;
};

// Opens `path` (empty: a new, untitled database). On failure answers null with `code` set to
// the result of Open (or kLegacyFailed for a previous-generation file that cannot be read).
std::unique_ptr<MRBBase> OpenDatabase(const std::filesystem::path& path, int& code,
                                      const DatabaseOptions& options = {});

// A current-format file opened where it is, read-only, with no working copy; null for any
// other file or when it cannot be opened so.
std::unique_ptr<MRBBase> OpenInPlaceReadOnly(const std::filesystem::path& path);

}  // namespace mirn
