#include "panel/LabelGraphics.h"

#include "db/GraphicFiles.h"
#include "db/MRBBase.h"
#include "util/Text.h"

namespace mirn {

std::vector<LabelGraphic> LoadLabelGraphics(MRBBase& db, std::wstring_view extensionId,
                                            const std::filesystem::path& baseFolder,
                                            const KnownFolders& folders, const PictureLoader& loader) {
  std::vector<LabelGraphic> graphics;
  for (int field = db.GetNextFieldId(extensionId, 0); IsGraphicSlot(field);
       field = db.GetNextFieldId(extensionId, field)) {
    MRBGraphic record;
    if (db.GetGraphicField(extensionId, field, record) != db::kOk) continue;
    LabelGraphic graphic{record.left, record.top, record.width, record.height, nullptr};
    const std::wstring path = ResolveGraphicPath(record, baseFolder, folders);
    if (!path.empty()) graphic.picture = loader.LoadFile(ToPath(path));
    graphics.push_back(std::move(graphic));
  }
  return graphics;
}

}  // namespace mirn
