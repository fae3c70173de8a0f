#include "gui/PrinterProperties.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "print/CurrentPrinter.h"
#include "print/PdfTarget.h"
#include "qt/PaperSizes.h"
#include "qt/QtText.h"

namespace mirn {

void ShowPrinterProperties(CurrentPrinter& current, const std::wstring& name, QWidget* parent) {
  if (IsPdfTarget(name)) return;
  std::optional<DeviceMode> mode = current.MakePrinterSetup(name, true);
  if (!mode) return;
  QPrinter printer(QPrinterInfo::printerInfo(ToQString(name)), QPrinter::HighResolution);
  ApplyDeviceMode(printer, *mode);
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
  if (dialog.exec() != QDialog::Accepted) return;
  SetPaperOf(printer.pageLayout().pageSize(), *mode);
  mode->defaultSource = SourceCodeOf(printer.paperSource());
  mode->printQuality = static_cast<std::int16_t>(printer.resolution());
  mode->fields |= kDmDefaultSource | kDmPrintQuality;
  current.UsePrinter(name, *mode);
}

}  // namespace mirn
