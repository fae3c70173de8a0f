#include "db/DbResult.h"

namespace mirn {

std::wstring DbResultText(int code) {
  switch (code) {
    case db::kOk: return L"success";
    case db::kNoRow: return L"no such row";
    case db::kSqlFailed: return L"a database statement failed";
    case db::kNotCurrentFormat: return L"the file is not a label database of this generation";
    case db::kLegacyFailed: return L"the legacy database could not be read or converted";
    case db::kNotOpen: return L"no database is open";
    case db::kEmptyId: return L"the extension id is empty";
    case db::kCannotCopyOrLock: return L"the file is already open or cannot be read";
    case db::kExtensionExists: return L"an extension with that id already exists";
    case db::kNoSuchExtension: return L"there is no extension with that id";
    case db::kEmptyGraphicSlot: return L"the graphic slot is empty";
    case db::kBadGraphic: return L"the graphic description cannot be read";
    case db::kGraphicIo: return L"the picture file or stored picture cannot be read or written";
    case db::kVersionMissing: return L"the database lacks the schema version needed";
    case db::kSaveFailed: return L"the file could not be written; it keeps its previous content";
    case db::kReadOnly: return L"the file is read-only; you may not write it";
    case db::kDiskFull: return L"no space left on the device";
    default: return L"unknown error";
  }
}

}  // namespace mirn
