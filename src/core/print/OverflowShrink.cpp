#include "print/OverflowShrink.h"

#include <memory>

#include "db/DbResult.h"
#include "db/MRBBase.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFLibrary.h"
#include "text/MRBFieldTextSource.h"

namespace mirn {

std::vector<ShrunkField> ShrinkOverflowingFields(const std::vector<OverflowingField>& fields, MRBBase& database,
                                                 DDFLibrary& library, Canvas& canvas) {
  const MRBFieldTextSource codes(database);
  std::vector<ShrunkField> shrunk;
  for (const OverflowingField& f : fields) {
    const std::shared_ptr<const CDDFTemplate> layout = library.FindTemplate(f.typeCode);
    const CDDFObject* object = layout ? layout->FindObject(f.field) : nullptr;
    if (!object) continue;
    std::wstring stored = database.GetField(f.id, static_cast<int>(f.field));
    std::optional<ShrunkText> text = ShrinkToFit(stored, *object, canvas, f.id, database.GetName(f.id), &codes);
    if (text) shrunk.push_back({f, std::move(stored), std::move(*text)});
  }
  return shrunk;
}

EditStep StoreShrunkFields(const std::vector<ShrunkField>& shrunk, MRBBase& database) {
  EditStep step;
  for (const ShrunkField& s : shrunk) {
    if (database.SetField(s.field.id, static_cast<int>(s.field.field), s.shrunk.stored) != db::kOk) continue;
    step.changes.push_back({s.field.field, s.before, s.shrunk.stored, s.field.id});
  }
  if (!step.changes.empty()) step.extensionId = step.changes.front().extensionId;
  return step;
}

}  // namespace mirn
