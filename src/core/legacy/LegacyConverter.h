#pragma once
// Converting the unpacked tables of a legacy database into a current-format database.

#include <filesystem>

#include "legacy/LegacyUnpacker.h"

namespace mirn {

// Reads the extension and field tables of `parts` one record at a time and writes them into
// a new version 300 database at `target` (an empty file or none): extensions with their type
// code, name and modification time, fields with their text converted from Windows-1252, and
// legacy picture records as graphic descriptions. Deleted records are skipped, and so are
// records (and their fields) whose extension id is blank; answers how many such extension
// records there were. Throws LegacyError or xbase::Exception; the target then holds no
// committed data.
long long ConvertLegacyTables(const LegacyParts& parts, const std::filesystem::path& target);

}  // namespace mirn
