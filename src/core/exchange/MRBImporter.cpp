#include "exchange/MRBImporter.h"

#include "db/DbResult.h"
#include "db/MRBBase.h"
#include "util/Text.h"

namespace mirn {

const std::filesystem::path& MRBImporter::TempFolder() const { return db_->TempFolder(); }

bool MRBImporter::Written(int code) {
  if (code == db::kDiskFull) diskFull_ = true;
  return code == db::kOk;
}

bool MRBImporter::PutExtension(std::wstring_view id, std::wstring_view typeCode, std::wstring_view name) {
  // Most imported ids are new: adding first spares them a delete that finds nothing.
  const int added = db_->AddExtension(id, typeCode, name);
  if (added != db::kExtensionExists) return Written(added);
  ++replaced_;
  db_->DeleteExtension(Trim(id));
  return Written(db_->AddExtension(id, typeCode, name));
}

}  // namespace mirn
