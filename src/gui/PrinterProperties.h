#pragma once
// A printer's own settings (paper, source, quality) through Qt's print dialog.

#include <string>

class QWidget;

namespace mirn {

class CurrentPrinter;

// Shows the dialog for printer `name` with the settings the program prints with on it;
// accepted settings become the program's printer settings, remembered with the printer.
// The PDF target has none.
void ShowPrinterProperties(CurrentPrinter& current, const std::wstring& name, QWidget* parent);

}  // namespace mirn
