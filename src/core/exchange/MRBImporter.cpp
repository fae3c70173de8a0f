#include "exchange/MRBImporter.h"

#include "db/DbResult.h"
#include "db/MRBBase.h"
#include "util/Text.h"

namespace mirn {

bool MRBImporter::PutExtension(std::wstring_view id, std::wstring_view typeCode, std::wstring_view name) {
  // Most imported ids are new: adding first spares them a delete that finds nothing.
  const int added = db_->AddExtension(id, typeCode, name);
  if (added != db::kExtensionExists) return added == db::kOk;
  db_->DeleteExtension(Trim(id));
  return db_->AddExtension(id, typeCode, name) == db::kOk;
}

}  // namespace mirn
