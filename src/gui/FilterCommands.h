#pragma once
// The import filters in the main window: their entries in the "Import Data" and "Configure
// Data Import" submenus, configuring one (its program started with the window waiting), the
// watch on the started program and the filter socket over which a filter reports
// "FilterDone" and "ConversionDone".

#include <vector>

namespace mirn {

class CommandRegistry;
class ExchangeCommands;
class FilterCommands;
class ImportFilterController;
class PrintAfterImport;
struct ImportFilter;

// Scans the filter folders and attaches the commands, with an entry for each filter in the
// import submenus of `exchange`; answers them (owned by the frame).
FilterCommands& InstallFilterCommands(CommandRegistry& frame, ExchangeCommands& exchange);
// The same with a given list of filters (tests).
FilterCommands& InstallFilterCommands(CommandRegistry& frame, ExchangeCommands& exchange, std::vector<ImportFilter> filters);

ImportFilterController& FilterControllerOf(FilterCommands& commands);
// The print after import that the filters' "FilterDone" carries out.
PrintAfterImport& PrintAfterImportOf(FilterCommands& commands);

}  // namespace mirn
