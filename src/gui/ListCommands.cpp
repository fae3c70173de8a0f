#include "gui/ListCommands.h"

#include <QObject>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "extensions/ExtensionCreator.h"
#include "gui/CAddExtDialog.h"
#include "text/TextFormat.h"
#include "gui/CExtNameDlg.h"
#include "gui/CMainFrame.h"
#include "gui/DesignerCommands.h"
#include "layouts/LayoutOfExtension.h"
#include "gui/ListPanel.h"

namespace mirn {
namespace {

// Fills the list when a database opens, selecting what the list model chooses, and empties it
// when one closes.
class ListDocumentEvents final : public QObject, public DocumentListener {
 public:
  ListDocumentEvents(DocumentController& document, ListPanel& panel)
      : QObject(&panel), document_(document), panel_(panel) {
    document_.AddListener(*this);
    document_.SetSelectionSource([this] { return panel_.SelectedIds(); });
  }
  ~ListDocumentEvents() override {
    document_.SetSelectionSource({});
    document_.RemoveListener(*this);
  }
  void DocumentOpened(const std::vector<std::wstring>& selections) override {
    panel_.SetDatabase(document_.Database());
    // A big file's rows arrive in steps; the saved selection is made once they are all there,
    // and the status bar then says what it says after opening a small file, not the list's
    // selection text (that one answers a person's change of the selection).
    panel_.WhenRead([this, selections] {
      panel_.SelectAdded(panel_.List().SelectionAfterOpen(selections));
      document_.RefreshStatusText();
    });
  }
  void DocumentLoading(MRBBase& file) override { panel_.ShowFirstLook(file); }
  void DocumentClosed() override { panel_.SetDatabase(nullptr); }

 private:
  DocumentController& document_;
  ListPanel& panel_;
};

}  // namespace

ListPanel* InstallListCommands(CMainFrame& frame) {
  AppServices& services = frame.Services();
  auto* panel = new ListPanel(services.library, services.ui);
  panel->SetColumnMemory(&services.profile);
  frame.SetListPanel(panel);
  new ListDocumentEvents(services.document, *panel);
  if (services.document.Database() != nullptr) panel->SetDatabase(services.document.Database());
  QObject::connect(panel, &ListPanel::selectedIdsChanged, &frame, [&frame] { frame.UpdateCommandStates(); });
  panel->SetCommandRunner([&frame](int id) { frame.RunCommand(id); });

  frame.SetCommandHandler(cmd::kNewExtension, [&frame, &services, panel] {
    if (MRBBase* db = services.document.Database()) {
      services.document.CommitPendingEdits();
      // New Layout and Edit Layout in the dialog open the designer over it.
      const CAddExtDialog::LayoutEditor layouts = [&frame](QWidget* over, const std::wstring& typeCode,
                                                           std::function<void(const std::wstring&)> saved) {
        DesignerOpening opening{over, std::move(saved)};
        if (typeCode.empty()) {
          OpenLayoutDesigner(frame, LayoutDocument(), std::move(opening));
        } else if (const auto file = LayoutFileOfType(frame.Services().library, typeCode)) {
          OpenLayoutFile(frame, *file, std::move(opening));
        }
      };
      RunNewExtension(&frame, *db, services.library, services.profile, services.ui, *panel, {}, layouts);
      frame.UpdateCommandStates();
    }
  });
  frame.SetCommandHandler(cmd::kDeleteExtension, [&frame, panel] {
    panel->DeleteSelected();
    frame.UpdateCommandStates();
  });
  frame.SetCommandHandler(cmd::kProperties, [panel] { panel->ShowProperties(); },
                          [panel] { return panel->CanShowProperties(); });
  // Refresh reads every row again and keeps the selection.
  frame.SetCommandHandler(cmd::kRefresh, [panel] {
    const std::vector<std::wstring> selected = panel->SelectedIds();
    panel->Rebuild();
    panel->SelectAdded(selected);
  });
  frame.UpdateCommandStates();
  return panel;
}

bool RunNewExtension(QWidget* parent, MRBBase& db, DDFLibrary& library, Profile& profile, UserInterface& ui,
                     ListPanel& list, const std::function<void()>& commitEdits,
                     const CAddExtDialog::LayoutEditor& layouts) {
  const std::vector<std::wstring> selected = list.SelectedIds();
  const std::wstring selectedType = selected.empty() ? std::wstring() : list.List().TypeCode(list.List().FindRow(selected.front()));
  CAddExtDialog dialog(db, library, profile, selectedType, parent);
  if (layouts) dialog.SetLayoutEditor(layouts);
  if (dialog.exec() != QDialog::Accepted) return false;
  AddExtensionsRequest request = dialog.Request();
  request.plainTextFormat = GetDefaultFont(profile);
  const AddExtensionsOutcome outcome = CreateExtensions(db, library, ui, request, commitEdits);
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
