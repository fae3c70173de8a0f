#pragma once
// File-name work for graphic slots: stored names may come from Windows (C:\Users\Ann\a.png),
// so names are taken apart at "\" as well as "/".

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "db/MRBGraphic.h"

namespace mirn {

class KnownFolders;

// The parts of a stored path between separators ("\" or "/"), empty parts dropped.
std::vector<std::wstring> SplitStoredPath(std::wstring_view path);
// The last part of a stored path: "a.png" for C:\Logos\a.png.
std::wstring StoredFileName(std::wstring_view path);
// The extension of the last part, with its point (".PNG"), or empty text.
std::wstring StoredExtension(std::wstring_view path);
// `folder` joined with the parts of a stored relative path (".\x.png", "Logos\a.png").
std::filesystem::path JoinStoredPath(const std::filesystem::path& folder, std::wstring_view relative);

// What an embedded graphic's slot names instead of the temporary file, so that a reader that
// does not know embedding shows a missing file whose name asks for an upgrade.
std::wstring EmbeddedPlaceholderPath(std::wstring_view extension);

// Where a linked picture is now: the stored path, then beside `baseFolder`, then in the
// user's Pictures and Documents folders (searching the stored folder names from the
// innermost outward). Empty text when it is nowhere.
std::wstring ResolveGraphicPath(const MRBGraphic& graphic, const std::filesystem::path& baseFolder,
                                const KnownFolders& folders);

// The lowercase hexadecimal SHA-1 of a file, read in 32768-byte pieces; empty on failure.
std::wstring Sha1OfFile(const std::filesystem::path& path);
// True for 40 lowercase hexadecimal digits.
bool IsSha1Text(std::wstring_view text);

}  // namespace mirn
