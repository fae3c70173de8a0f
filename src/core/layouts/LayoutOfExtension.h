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

// Nothing unless exactly one extension is selected and the library has its type code.
std::optional<std::filesystem::path> LayoutFileOf(MRBBase* database, const DDFLibrary& library,
                                                  const std::vector<std::wstring>& selectedIds);

}  // namespace mirn
