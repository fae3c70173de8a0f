#pragma once
// The import filters in the main window: their entries in the "Import Data" and "Configure
// Data Import" submenus, configuring one (its program started with the window waiting), the
// watch on the started program and the filter socket over which a filter reports
// "FilterDone" and "ConversionDone".

#include <vector>

namespace mirn {

class CMainFrame;
class ImportFilterController;
class PrintAfterImport;
struct ImportFilter;

// Scans the filter folders and attaches the commands. Call after InstallExchangeCommands.
void InstallFilterCommands(CMainFrame& frame);
// The same with a given list of filters (tests).
void InstallFilterCommands(CMainFrame& frame, std::vector<ImportFilter> filters);

ImportFilterController* FrameFilterController(const CMainFrame& frame);
// The print after import that the filters' "FilterDone" carries out (null before
// InstallFilterCommands).
PrintAfterImport* FramePrintAfterImport(const CMainFrame& frame);

}  // namespace mirn
