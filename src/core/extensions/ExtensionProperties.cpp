#include "extensions/ExtensionProperties.h"

#include <optional>

#include "util/StringTable.h"
#include "db/DbResult.h"
#include "db/MRBBase.h"
#include "platform/UserInterface.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"

namespace mirn {

bool LoadExtensionProperties(MRBBase& db, const DDFLibrary& library, const std::wstring& id,
                             ExtensionProperties& out) {
  LocalDateTime modified;
  out = ExtensionProperties{};
  if (db.GetExtension(id, out.typeCode, out.name, &modified) != db::kOk) return false;
  out.id = id;
  if (library.Contains(out.typeCode)) {
    const CDDFInfo& info = library.GetInfo(out.typeCode);
    out.family = info.groupName;
    out.model = info.description;
  }
  wchar_t text[32];
  std::swprintf(text, std::size(text), L"%04d-%02d-%02d %02d:%02d:%02d", modified.year, modified.month,
                modified.day, modified.hour, modified.minute, modified.second);
  out.modified = text;
  out.modifiedAt = modified;
  return true;
}

PropertiesOutcome ApplyExtensionProperties(MRBBase& db, UserInterface& ui, ExtensionProperties& props,
                                           const std::wstring& idField, const std::wstring& nameField) {
  const std::wstring id = Trim(idField);
  const std::wstring name = Trim(nameField);
  if (id != props.id && db.ExtensionExists(id)) {
    ui.Message(FormatString(LoadString(kStrIdTaken), {props.id, id}));
    return PropertiesOutcome::kIdTaken;
  }
  std::optional<std::wstring> newId;
  std::optional<std::wstring> newName;
  if (id != props.id) newId = id;
  if (name != props.name) newName = name;
  if (newId || newName) {
    const int code = db.UpdateExtension(props.id, newId, newName);
    if (code != db::kOk) {
      // The database's reason (such as an empty ID) is shown rather than a silent refusal.
      ui.Message(DbResultText(code));
      return PropertiesOutcome::kFailed;
    }
  }
  props.id = id;
  props.name = name;
  return PropertiesOutcome::kSaved;
}

}  // namespace mirn
