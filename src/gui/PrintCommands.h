#pragma once
// The printing commands of the main window: Print (the print dialog, the preview, the job),
// Print Preview, and Precise Printer Adjustment.

namespace mirn {

class CommandRegistry;

void InstallPrintCommands(CommandRegistry& frame);

}  // namespace mirn
