#include "app/TranslatedFile.h"

#include <system_error>

#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn {

std::filesystem::path TranslatedFile(const std::filesystem::path& folder, const std::wstring& translatedName,
                                     const std::wstring& englishName) {
  const std::filesystem::path english = folder / ToPath(englishName);
  const std::filesystem::path name = ToPath(translatedName);
  // Only a bare file name: a translation must not point the program at another folder.
  if (name.empty() || name != name.filename() || name == "." || name == "..") return english;
  std::error_code error;
  const std::filesystem::path translated = folder / name;
  return std::filesystem::is_regular_file(translated, error) ? translated : english;
}

std::filesystem::path UserGuideFile(const std::filesystem::path& programFolder) {
  return TranslatedFile(programFolder, Tr("UserGuide", "user-guide.html"), L"user-guide.html");
}

}  // namespace mirn
