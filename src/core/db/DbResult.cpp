#include "db/DbResult.h"

#include "util/Catalog.h"

namespace mirn {

std::wstring DbResultText(int code) {
  switch (code) {
    case db::kOk: return Tr("DbResult", "success");
    case db::kNoRow: return Tr("DbResult", "no such row");
    case db::kSqlFailed: return Tr("DbResult", "a database statement failed");
    case db::kNotCurrentFormat: return Tr("DbResult", "the file is not a label database of this generation");
    case db::kLegacyFailed: return Tr("DbResult", "the legacy database could not be read or converted");
    case db::kNotOpen: return Tr("DbResult", "no database is open");
    case db::kEmptyId: return Tr("DbResult", "the extension id is empty");
    case db::kCannotCopyOrLock: return Tr("DbResult", "the file is already open or cannot be read");
    case db::kExtensionExists: return Tr("DbResult", "an extension with that id already exists");
    case db::kNoSuchExtension: return Tr("DbResult", "there is no extension with that id");
    case db::kEmptyGraphicSlot: return Tr("DbResult", "the graphic slot is empty");
    case db::kBadGraphic: return Tr("DbResult", "the graphic description cannot be read");
    case db::kGraphicIo: return Tr("DbResult", "the picture file or stored picture cannot be read or written");
    case db::kVersionMissing: return Tr("DbResult", "the database lacks the schema version needed");
    case db::kSaveFailed: return Tr("DbResult", "the file could not be written; it keeps its previous content");
    case db::kReadOnly: return Tr("DbResult", "the file is read-only; you may not write it");
    case db::kDiskFull: return Tr("DbResult", "no space left on the device");
    default: return Tr("DbResult", "unknown error");
  }
}

}  // namespace mirn
