#include "gui/ListCommands.h"

#include "app/ExtensionCreator.h"
#include "gui/CAddExtDialog.h"
#include "gui/CExtNameDlg.h"
#include "gui/ListPanel.h"

namespace mirn {

bool RunNewExtension(QWidget* parent, MRBBase& db, DDFLibrary& library, Profile& profile, UserInterface& ui,
                     ListPanel& list, const std::function<void()>& commitEdits) {
  const std::vector<std::wstring> selected = list.SelectedIds();
  const std::wstring selectedType = selected.empty() ? std::wstring() : list.List().TypeCode(list.List().FindRow(selected.front()));
  CAddExtDialog dialog(db, library, profile, selectedType, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const AddExtensionsOutcome outcome = CreateExtensions(db, library, ui, dialog.Request(), commitEdits);
  // Rows written before a Cancel in the replace question stay, so the list shows them too.
  if (outcome.ok) {
    list.SelectAdded(dialog.Request().ids);
  } else {
    for (const std::wstring& id : outcome.created) list.RefreshRow(id);
    list.List().Resort();
  }
  return outcome.ok;
}

std::optional<std::wstring> RunInsertExtensionName(QWidget* parent, MRBBase& db, Profile& profile) {
  CExtNameDlg dialog(db, profile, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.InsertText();
}

}  // namespace mirn
