#pragma once
// The pictures of one extension, read from its graphic slots and loaded for drawing.

#include <filesystem>
#include <string_view>
#include <vector>

#include "panel/LabelPainter.h"

namespace mirn {

class KnownFolders;
class MRBBase;

// Every graphic slot of the extension in field order; slots that cannot be read are
// skipped, pictures that cannot be found or loaded stay absent (they draw crossed out).
// Linked pictures are looked for beside `baseFolder` (the open database's folder) too.
std::vector<LabelGraphic> LoadLabelGraphics(MRBBase& db, std::wstring_view extensionId,
                                            const std::filesystem::path& baseFolder,
                                            const KnownFolders& folders, const PictureLoader& loader);

}  // namespace mirn
