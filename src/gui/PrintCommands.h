#pragma once
// The printing commands of the main window: Print (the print dialog, the preview, the job),
// Print Preview, and Precise Printer Adjustment.

namespace mirn {

class CDDFTemplate;
class CommandRegistry;

void InstallPrintCommands(CommandRegistry& frame);

// Prints a layout's test sheet on the printer chosen in the print dialog, or to a PDF file
// asked for, through the one print path (so the printer's adjustment applies).
void PrintLayoutTestSheet(CommandRegistry& frame, const CDDFTemplate& layout);

}  // namespace mirn
