#pragma once
// Files the program ships in several languages, such as the tips and the user guide. The
// English file has a fixed name; the translation of that name in the user's language names
// the file of that language ("tips.tip" -> "tips.de.tip"), so a language gets its own file by
// its translation file alone.

#include <filesystem>
#include <string>

namespace mirn {

// The file `translatedName` in `folder` when the folder has it, else `englishName` there (which
// may be missing too; the caller says so). A translated name that is empty or reaches out of
// the folder is not used.
std::filesystem::path TranslatedFile(const std::filesystem::path& folder, const std::wstring& translatedName,
                                     const std::wstring& englishName);

// The user guide in the program folder: "user-guide.de.html" in German where it is installed,
// else the English "user-guide.html".
std::filesystem::path UserGuideFile(const std::filesystem::path& programFolder);

}  // namespace mirn
