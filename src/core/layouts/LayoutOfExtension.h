#pragma once
// Which layout file "Edit Layout..." opens: the layout of the one selected extension, as the
// library holds it (the user's edited copy where there is one).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mirn {

class DDFLibrary;
class MRBBase;

// The file the library holds for a type code; nothing when it has none.
std::optional<std::filesystem::path> LayoutFileOfType(const DDFLibrary& library, const std::wstring& typeCode);

// Nothing unless exactly one extension is selected and the library has its type code.
std::optional<std::filesystem::path> LayoutFileOf(MRBBase* database, const DDFLibrary& library,
                                                  const std::vector<std::wstring>& selectedIds);

}  // namespace mirn
