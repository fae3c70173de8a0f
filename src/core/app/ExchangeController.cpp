#include "app/ExchangeController.h"

#include "app/AppNotify.h"
#include "app/AppServices.h"
#include "app/DocumentController.h"
#include "db/MRBBase.h"
#include "exchange/TableImportPage.h"
#include "platform/Notifier.h"
#include "platform/UserInterface.h"
#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr size_t kNotesShown = 10;  // skipped lines listed in the report, the rest counted

}  // namespace

ReplaceReply MessageBoxReplaceQuestion::Ask(const std::wstring& id) {
  MessageBoxRequest request;
  request.caption = Tr("ExchangeController", "Importing");
  request.text = ReplaceQuestionText(id);
  request.style = mb::kYesNoCancel | mb::kIconWarning | mb::kDontAskAgain;
  request.labels = {{mb::kIdYes, Tr("ExchangeController", "&Replace")},
                    {mb::kIdNo, Tr("ExchangeController", "&Don't Replace")},
                    {mb::kIdCancel, Tr("ExchangeController", "&Stop Importing")}};
  const int result = ui_.MessageBox(request);
  ReplaceReply reply;
  switch (result & mb::kButtonMask) {
    case mb::kIdYes: reply.answer = ReplaceAnswer::Replace; break;
    case mb::kIdNo: reply.answer = ReplaceAnswer::DontReplace; break;
    default: reply.answer = ReplaceAnswer::StopImporting; break;  // Cancel, Escape, closing
  }
  reply.dontAskAgain = (result & static_cast<int>(mb::kDontAskAgain)) != 0;
  return reply;
}

ExchangeController::ExchangeController(AppServices& services, Notifier* notifier, ExchangeHooks hooks,
                                       DatabaseOptions mergeOptions)
    : services_(services), notifier_(notifier), hooks_(std::move(hooks)), mergeOptions_(std::move(mergeOptions)) {}

bool ExchangeController::DatabaseOpen() const { return services_.document.Database() != nullptr; }

void ExchangeController::Report(const std::wstring& name, const std::wstring& text) {
  lastReport_ = text;
  AppNotify(notifier_, services_.ui, name, text, false, true);
}

void ExchangeController::ReportFailure(const std::wstring& text) {
  lastReport_ = text;
  services_.ui.Message(text, mb::kIconWarning);
}

void ExchangeController::ExportCsv() {
  MRBBase* db = services_.document.Database();
  if (!db) return;
  FileDialogRequest request;
  request.defaultExtension = L"csv";
  request.filter = Tr("ExchangeController", "Comma-Separated Value (CSV) Files|*.csv|All Files|*.*||");
  request.promptOverwrite = true;
  const auto path = services_.ui.SaveFileName(request);
  if (!path) return;
  ExchangeOutcome outcome;
  {
    auto progress = services_.ui.OpenProgress(Tr("ExchangeController", "Exporting"));
    outcome = RunCsvExport(*db, services_.library, *path, *progress);
  }
  if (outcome.ok) {
    Report(notification::kExportComplete, outcome.message);
  } else {
    ReportFailure(outcome.message);
  }
}

void ExchangeController::ExportExcel() {
  MRBBase* db = services_.document.Database();
  if (!db) return;
  ExcelExportOptions options = ExcelExportOptions::Read(services_.profile);
  if (hooks_.editExcelOptions) {
    if (!hooks_.editExcelOptions(options)) return;
    options.Write(services_.profile);
  }
  FileDialogRequest request;
  request.defaultExtension = L"xlsx";
  request.filter = Tr("ExchangeController", "Microsoft Excel 2007/2010|*.xlsx|Microsoft Excel 97/2000/XP|*.xls||");
  request.promptOverwrite = true;
  const auto chosen = services_.ui.SaveFileName(request);
  if (!chosen) return;
  const std::filesystem::path path = *chosen;
  ExchangeOutcome outcome;
  {
    auto progress = services_.ui.OpenProgress(Tr("ExchangeController", "Exporting"));
    outcome = RunExcelExport(*db, services_.library, path, options, *progress);
  }
  if (!outcome.ok) {
    ReportFailure(outcome.message);
    return;
  }
  if (!options.openAfterExport) {
    Report(notification::kExportComplete, outcome.message);
    return;
  }
  lastReport_ = outcome.message;
  if (NotificationsOn(notifier_)) {
    AppNotify(notifier_, services_.ui, notification::kExportComplete, outcome.message, false, false);
    AppNotify(notifier_, services_.ui, notification::kExportComplete, Tr("ExchangeController", "Opening spreadsheet..."),
              false, false);
  }
  if (hooks_.openFile && !hooks_.openFile(path)) {
    services_.ui.Message(outcome.message + L"\n\nNo program to open " + FromPath(path) +
                             L" was found. Open the spreadsheet with a spreadsheet program.",
                         mb::kIconWarning);
  }
}

void ExchangeController::FinishImport(const ExchangeOutcome& outcome) {
  if (hooks_.refreshList) hooks_.refreshList();
  if (!outcome.ok) {
    std::wstring text = outcome.message;
    if (!outcome.lineNotes.empty()) text += L"\n\n" + CsvLineNotesText(outcome.lineNotes, kNotesShown);
    ReportFailure(text);
    return;
  }
  if (outcome.lineNotes.empty()) {
    Report(notification::kImportComplete, outcome.message);
    return;
  }
  // Lines that were skipped or not stored whole are worth a look: they are listed in a
  // message box rather than passing by in a notification.
  ReportFailure(outcome.message + L" (" + ImportCountsText(outcome) + L").\n\n" +
                CsvLineNotesText(outcome.lineNotes, kNotesShown));
}

void ExchangeController::RunImportCommand(const FileDialogRequest& request, const ImportRunner& run) {
  MRBBase* db = services_.document.Database();
  if (!db) return;
  const auto path = services_.ui.OpenFileName(request);
  if (!path) return;
  RunImport(*path, run);
}

void ExchangeController::RunImport(const std::filesystem::path& path, const ImportRunner& run) {
  MRBBase* db = services_.document.Database();
  if (!db) return;
  MessageBoxReplaceQuestion question(services_.ui);
  ExchangeOutcome outcome;
  {
    auto progress = services_.ui.OpenProgress(Tr("ExchangeController", "Importing"));
    outcome = run(*db, path, *progress, question);
  }
  FinishImport(outcome);
}

void ExchangeController::ImportCsv() {
  if (!services_.document.Database()) return;
  FileDialogRequest request;
  request.defaultExtension = L"csv";
  request.filter = Tr("ExchangeController", "CSV Files|*.txt; *.csv|Workbooks|*.xlsx; *.ods|All Files|*.*||");
  request.fileMustExist = true;
  const auto path = services_.ui.OpenFileName(request);
  if (!path) return;
  std::vector<std::wstring> presetProblems;
  TableImportPage page(services_.library, LoadImportPresets(PresetFolders(services_.folders), &presetProblems),
                       TableFile{*path, std::nullopt});
  if (page.Plan().ownFormat && page.Plan().problem.empty()) {
    RunImport(*path, [this](MRBBase& db, const std::filesystem::path& file, ProgressWindow& progress,
                            ReplaceQuestion& question) {
      return RunCsvImport(db, services_.library, services_.profile, file, progress, &question);
    });
    return;
  }
  page.Recall(services_.profile);
  if (hooks_.editTableImport && !hooks_.editTableImport(page)) return;
  page.Remember(services_.profile);
  const TablePlan& plan = page.Plan();
  if (!plan.problem.empty()) {
    ReportFailure(page.File().DisplayName() + L": " + plan.problem);
    return;
  }
  TableImportOptions options = page.Options();
  if (plan.bad != 0) {
    MessageBoxRequest ask;
    ask.caption = Tr("ExchangeController", "Importing");
    ask.text = page.ImportRestQuestion();
    ask.style = mb::kYesNo | mb::kIconWarning;
    ask.labels = {{mb::kIdYes, Tr("ExchangeController", "&Import the Rest")},
                  {mb::kIdNo, Tr("ExchangeController", "&Cancel")}};
    if ((services_.ui.MessageBox(ask) & mb::kButtonMask) != mb::kIdYes) {
      lastReport_ = Tr("ExchangeController", "Nothing was imported.");
      return;
    }
    options.importRest = true;
  }
  const std::vector<ImportPreset> presets = LoadImportPresets(PresetFolders(services_.folders));
  RunImport(*path, [&](MRBBase& db, const std::filesystem::path&, ProgressWindow& progress, ReplaceQuestion& question) {
    return RunTableImport(db, services_.library, services_.profile, presets, page.File(), options, progress,
                          &question);
  });
}

void ExchangeController::Merge() {
  FileDialogRequest request;
  request.defaultExtension = L"mrb";
  request.filter = Tr("ExchangeController", "Mirn Databases|*.mrb|All Files|*.*||");
  request.fileMustExist = true;
  RunImportCommand(request, [this](MRBBase& db, const std::filesystem::path& path, ProgressWindow& progress,
                                   ReplaceQuestion& question) {
    return RunMerge(db, path, mergeOptions_, progress, &question);
  });
}

void ExchangeController::ConfigureCsvImport() {
  if (!hooks_.editCsvSettings) return;
  CsvImportSettings settings = CsvImportSettings::Read(services_.profile);
  if (!hooks_.editCsvSettings(settings)) return;
  if (!settings.Write(services_.profile)) ReportFailure(Tr("ExchangeController", "The CSV import settings could not be saved."));
}

}  // namespace mirn
