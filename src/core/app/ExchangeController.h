#pragma once
// The import and export commands of the main window: Export to CSV, Export to Excel,
// Import Data from a CSV file or another label database (merge), and the CSV import
// settings. Each asks for its file and options through the user interface, runs under the
// progress window with Stop, asks the replace question through the message box and reports
// through the desktop notification or a message box. The window supplies the two option
// dialogs, opening a file with its program and refreshing the extension list.

#include <filesystem>
#include <functional>
#include <string>

#include "exchange/MRBCSVImportSettings.h"
#include "exchange/MRBExporterCommands.h"
#include "store/OpenDatabase.h"

namespace mirn {

struct AppServices;
class TableImportPage;
struct FileDialogRequest;
class MRBBase;
class Notifier;
class ProgressWindow;
class UserInterface;

// The "Importing" question of an import that meets an existing extension, asked with the
// extended message box: "&Replace", "&Don't Replace", "&Stop Importing" and a check box
// "Don't ask me again" that keeps the answer for the rest of the import.
class MessageBoxReplaceQuestion final : public ReplaceQuestion {
 public:
  explicit MessageBoxReplaceQuestion(UserInterface& ui) : ui_(ui) {}
  ReplaceReply Ask(const std::wstring& id) override;

 private:
  UserInterface& ui_;
};

struct ExchangeHooks {
  // The "Export to Excel" options dialog, preset with `options`; false when cancelled.
  std::function<bool(ExcelExportOptions& options)> editExcelOptions;
  // The "CSV Import Settings" dialog, preset with `settings`; false when cancelled.
  std::function<bool(CsvImportSettings& settings)> editCsvSettings;
  // Opens a file with the program the desktop associates with it; false when there is none
  // (or it could not be started).
  std::function<bool(const std::filesystem::path& path)> openFile;
  // The extension list shows the database again after an import.
  std::function<void()> refreshList;
  // The import page for a table from another system (a header row, a workbook): the user
  // chooses the columns' targets and the layout; false when cancelled. Without it the
  // table imports with the detected (or remembered) mapping.
  std::function<bool(TableImportPage& page)> editTableImport;
};

class ExchangeController {
 public:
  // `notifier` may be null (reports go to message boxes).
  ExchangeController(AppServices& services, Notifier* notifier, ExchangeHooks hooks,
                     DatabaseOptions mergeOptions = {});

  void SetNotifier(Notifier* notifier) { notifier_ = notifier; }

  // Whether a database is open (the commands' enabled rule).
  bool DatabaseOpen() const;

  void ExportCsv();
  void ExportExcel();
  // Import Data > From CSV File: Mirn's own CSV files as they always were; tables with a
  // header row and workbooks through the import page, asking whether to import the rest
  // when rows cannot be imported.
  void ImportCsv();
  void Merge();
  void ConfigureCsvImport();

  // The text of the last report (tests, the status of a run without a window).
  const std::wstring& LastReport() const { return lastReport_; }

 private:
  void Report(const std::wstring& name, const std::wstring& text);
  void ReportFailure(const std::wstring& text);
  void FinishImport(const ExchangeOutcome& outcome);
  using ImportRunner = std::function<ExchangeOutcome(MRBBase&, const std::filesystem::path&, ProgressWindow&,
                                                     ReplaceQuestion&)>;
  // Asks for the file, runs the import under the "Importing" progress window with the
  // replace question, and reports.
  void RunImportCommand(const FileDialogRequest& request, const ImportRunner& run);
  void RunImport(const std::filesystem::path& path, const ImportRunner& run);

  AppServices& services_;
  Notifier* notifier_ = nullptr;
  ExchangeHooks hooks_;
  DatabaseOptions mergeOptions_;
  std::wstring lastReport_;
};

}  // namespace mirn
