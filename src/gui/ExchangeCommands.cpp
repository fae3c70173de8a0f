#include "gui/ExchangeCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>
#include <QWidget>
#include <memory>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "app/ExchangeController.h"
#include "gui/CCsvImportSettingsDlg.h"
#include "gui/CExportExcelDlg.h"
#include "gui/CTableImportDlg.h"
#include "gui/CommandRegistry.h"
#include "gui/ListPanel.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

// Owns the controller for the life of the frame and builds the two submenus.
class ExchangeCommands final : public QObject {
 public:
  ExchangeCommands(CommandRegistry& frame, Notifier* notifier, ListPanel* list) : QObject(&frame.Window()), frame_(frame) {
    ExchangeHooks hooks;
    hooks.editExcelOptions = [this](ExcelExportOptions& o) { return CExportExcelDlg::Edit(o, &frame_.Window()); };
    hooks.editCsvSettings = [this](CsvImportSettings& s) { return CCsvImportSettingsDlg::Edit(s, &frame_.Window()); };
    hooks.editTableImport = [this](TableImportPage& page) {
      return CTableImportDlg::Edit(page, frame_.Services().library, &frame_.Window());
    };
    hooks.openFile = [](const std::filesystem::path& path) {
      return QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(path)));
    };
    hooks.refreshList = [this, list] {
      if (list) list->Rebuild();
      frame_.Services().document.RefreshStatusText();
      frame_.UpdateCommandStates();
    };
    controller_ = std::make_unique<ExchangeController>(frame.Services(), notifier, std::move(hooks));
  }

  ExchangeController& Controller() { return *controller_; }
  std::function<void(QMenu*, QMenu*)> extender;

  // Turns the "Import Data" and "Configure Data Import" items into submenus whose entries
  // are rebuilt each time they open.
  void BuildSubmenus() {
    importMenu_ = MakeSubmenu(cmd::kImportData);
    configureMenu_ = MakeSubmenu(cmd::kConfigureImport);
    connect(importMenu_, &QMenu::aboutToShow, this, &ExchangeCommands::Rebuild);
    connect(configureMenu_, &QMenu::aboutToShow, this, &ExchangeCommands::Rebuild);
    Rebuild();
  }

  void Rebuild() {
    importMenu_->clear();
    const bool open = controller_->DatabaseOpen();
    Entry(importMenu_, QCoreApplication::translate("ExchangeCommands", "From &CSV File"), cmd::kImportCsv, open);
    Entry(importMenu_, QCoreApplication::translate("ExchangeCommands", "From &MRB File (Merge Databases)"), cmd::kImportMerge, open);
    configureMenu_->clear();
    Entry(configureMenu_, QCoreApplication::translate("ExchangeCommands", "&CSV File"), cmd::kConfigureCsvImport, true);
    if (extender) extender(importMenu_, configureMenu_);
  }

 private:
  QMenu* MakeSubmenu(int id) {
    QAction* item = frame_.Action(id);
    auto* menu = new QMenu(item != nullptr ? item->text() : QString(), &frame_.Window());
    menu->setObjectName(item != nullptr ? PlainText(item->text()) : QString());
    if (item != nullptr) item->setMenu(menu);
    return menu;
  }

  void Entry(QMenu* menu, const QString& text, int id, bool enabled) {
    QAction* action = menu->addAction(text);
    action->setObjectName(PlainText(text));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, id] { frame_.RunCommand(id); });
  }

  CommandRegistry& frame_;
  std::unique_ptr<ExchangeController> controller_;
  QMenu* importMenu_ = nullptr;
  QMenu* configureMenu_ = nullptr;
};

ExchangeCommands& InstallExchangeCommands(CommandRegistry& frame, Notifier* notifier, ListPanel* list) {
  auto* commands = new ExchangeCommands(frame, notifier, list);
  ExchangeController& c = commands->Controller();
  const auto open = [&c] { return c.DatabaseOpen(); };
  // Each exchange works on the labels as shown: a field edit still open is stored first.
  DocumentController& document = frame.Services().document;
  const auto afterEdits = [&c, &document](void (ExchangeController::*run)()) {
    return [&c, &document, run] {
      document.CommitPendingEdits();
      (c.*run)();
    };
  };
  frame.SetCommandHandler(cmd::kExportCsv, afterEdits(&ExchangeController::ExportCsv), open);
  frame.SetCommandHandler(cmd::kExportExcel, afterEdits(&ExchangeController::ExportExcel), open);
  frame.SetCommandHandler(cmd::kImportCsv, afterEdits(&ExchangeController::ImportCsv), open);
  frame.SetCommandHandler(cmd::kImportMerge, afterEdits(&ExchangeController::Merge), open);
  frame.SetCommandHandler(cmd::kConfigureCsvImport, [&c] { c.ConfigureCsvImport(); });
  // The two submenu items run nothing themselves; they are enabled so that they open.
  frame.SetCommandHandler(cmd::kImportData, [] {}, open);
  frame.SetCommandHandler(cmd::kConfigureImport, [] {});
  commands->BuildSubmenus();
  return *commands;
}

ExchangeController& ExchangeControllerOf(ExchangeCommands& commands) { return commands.Controller(); }

void SetImportMenuExtender(ExchangeCommands& commands, std::function<void(QMenu*, QMenu*)> extend) {
  commands.extender = std::move(extend);
  commands.Rebuild();
}

}  // namespace mirn
