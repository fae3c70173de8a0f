#pragma once
// The files an open database keeps in the temporary folder (its working copy and extracted
// pictures), their names, and the sweep that removes those of processes that were killed.

#include <filesystem>
#include <string>

namespace mirn {

// "mirn-GUID.work": the name of a working copy. In use it is held locked.
std::filesystem::path WorkFileName(const std::wstring& guid);

// "mirn-legacy-PID-GUID": the name of a table unpacked from a legacy file, or of the database
// converted from it, by this process. The files beside it add their own extension.
std::filesystem::path LegacyTemporaryName(const std::wstring& guid);

// "mirn-filters-PID-TAG": the name of this process's socket for import filters (the desktop
// program makes it in the temporary folder).
std::string FilterSocketName(const std::string& tag);

// Removes from `folder` the working copies that no process holds locked (with their
// journals), and the extracted pictures ("PID-HASH.ext"), legacy conversion files
// ("mirn-legacy-PID-…") and filter sockets ("mirn-filters-PID-…") of processes that no
// longer run.
void RemoveStaleWorkFiles(const std::filesystem::path& folder);

}  // namespace mirn
