#pragma once
// Import filters: separate programs, each described by a "<name>.inf" file in the program
// folder's "filters" folder or in the user's own "filters" folder. The File menu lists
// them; configuring one starts "<folder>/<name>" with "/CONFIG" and "/HWND:<window id>" and
// keeps the main window disabled, with the wait cursor, until the program ends or reports
// that it is done over the filter socket (docs/filters.md).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirn {

class KnownFolders;
class Launcher;
class PrintAfterImport;
class UserInterface;

struct ImportFilter {
  std::wstring name;         // the description file's name without ".inf"
  std::wstring description;  // the menu text, at most 255 characters
  int interactiveImport = 0;
  int configInterface = 0;   // non-zero: the program has a configuration mode
  int win32Only = 0;
  std::filesystem::path folder;  // where the description file and the program are
};

// Reads one description file's bytes (INI text, section "Filter"); nothing unless its
// "APIVersion" is exactly 3.
std::optional<ImportFilter> ParseFilterDescription(std::string_view bytes, std::wstring name,
                                                   std::filesystem::path folder);

// The filters described in `folders`, in order: each folder's "*.inf" files by name. A name
// found again in a later folder is left out (the first folder wins).
std::vector<ImportFilter> ScanImportFilters(const std::vector<std::filesystem::path>& folders);

// The program folder's "filters", then the user's data folder's "Mirn/filters".
std::vector<std::filesystem::path> ImportFilterFolders(const KnownFolders& folders);

// The program and the arguments that start filter `filter` in its configuration mode.
std::filesystem::path FilterProgram(const ImportFilter& filter);
std::vector<std::string> FilterConfigArguments(unsigned long long windowId);

// The "FilterDone" and "ConversionDone" reports a filter sends over the filter socket, one
// line each: "FilterDone" or "ConversionDone <code>".
struct FilterMessage {
  enum class Kind { kFilterDone, kConversionDone } kind = Kind::kFilterDone;
  long long code = 0;
};
std::optional<FilterMessage> ParseFilterMessage(std::string_view line);

// The filter list and the configuration runs of the main window.
class ImportFilterController {
 public:
  // `launcher` starts the filter programs; `windowId` names the main window to them.
  ImportFilterController(UserInterface& ui, Launcher& launcher, std::vector<ImportFilter> filters,
                         std::function<void()> refreshStatus = {});

  // Moves the main window behind the other windows when a filter program starts, so that
  // the program's own windows come up in front of the waiting window.
  void SetLowerMainWindow(std::function<void()> lower) { lowerMainWindow_ = std::move(lower); }

  const std::vector<ImportFilter>& Filters() const { return filters_; }
  void SetWindowId(unsigned long long windowId) { windowId_ = windowId; }

  // Starts filter `index` in its configuration mode. False (and nothing changed) for an
  // index out of range, a filter without a configuration mode, or a program that does not
  // start.
  bool Configure(size_t index);
  // Whether a configuration program is running (the main window waits for it).
  bool Waiting() const { return waiting_; }
  // Set when a filter program has been started; never cleared.
  bool Started() const { return started_; }
  // The program reported "FilterDone": the main window comes back, and a pending print after
  // import (see SetPrintAfterImport) is carried out.
  void FilterDone();
  // The program ended: the main window comes back if it still waits.
  void ProgramEnded();
  // The automatic print that "FilterDone" carries out when one is pending (borrowed; may be
  // null).
  void SetPrintAfterImport(PrintAfterImport* print) { printAfterImport_ = print; }
  // "ConversionDone": the conversion is over with `code`.
  void ConversionDone(long long code);
  bool ConversionRunning() const { return conversionRunning_; }
  long long LastConversionResult() const { return conversionResult_; }

 private:
  void EndWait();

  UserInterface& ui_;
  Launcher& launcher_;
  std::vector<ImportFilter> filters_;
  std::function<void()> refreshStatus_;
  std::function<void()> lowerMainWindow_;
  PrintAfterImport* printAfterImport_ = nullptr;
  unsigned long long windowId_ = 0;
  bool waiting_ = false;
  bool started_ = false;
  bool conversionRunning_ = false;
  long long conversionResult_ = 0;
};

}  // namespace mirn
