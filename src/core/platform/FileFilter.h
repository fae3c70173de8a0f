#pragma once
// The file-type filters of the open and save dialogs. Flows describe them in one string of
// "|"-separated pairs, "Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||": a display name,
// then its patterns separated by ";". These functions turn that into what a file dialog
// shows, and append the default extension to a chosen name that has none.

#include <filesystem>
#include <string>
#include <vector>

namespace mirn {

struct FileFilterEntry {
  std::wstring name;                   // "Mirn Database (*.mrb)"
  std::vector<std::wstring> patterns;  // {"*.mrb"}
};

// The pairs of a filter string, in order. A trailing name without patterns is dropped;
// "*.*" (every file, also those without an extension) becomes "*".
std::vector<FileFilterEntry> ParseFileFilter(const std::wstring& filter);

// One name filter per pair in the form a file dialog reads: the display name without any
// pattern list of its own, then the patterns in parentheses separated by blanks:
// "Mirn Database (*.mrb)", "All Files (*)".
std::vector<std::wstring> DialogNameFilters(const std::wstring& filter);

// `path` with "." + `extension` appended when its file name has no extension of its own
// and `extension` is not empty; otherwise `path` unchanged.
std::filesystem::path WithDefaultExtension(const std::filesystem::path& path, const std::wstring& extension);

}  // namespace mirn
