#include "gui/PrintAllLabels.h"

#include "app/AppServices.h"
#include "app/DocumentController.h"
#include "app/StringTable.h"
#include "app/UiPrintJobUi.h"
#include "platform/KnownFolders.h"
#include "print/CurrentPrinter.h"
#include "print/PrintLabels.h"
#include "print/PrintTexts.h"
#include "print/PrinterAdjustment.h"
#include "print/PrinterSettings.h"
#include "platform/Clock.h"
#include "qt/PrintTargets.h"
#include "util/Text.h"

namespace mirn {

bool PrintAllLabels(AppServices& s, const std::vector<std::wstring>& ids) {
  MRBBase* database = s.document.Database();
  if (!database || ids.empty()) return false;
  const std::unique_ptr<PrinterSystem> printers = MakeCupsPrinterSystem();
  if (printers->ListPrinters().empty()) {
    s.ui.Message(kNoPrintersAvailable, mb::kIconWarning, LoadString(kStrAppTitle));
    return false;
  }
  PrinterSettingsStore store;
  const auto settingsFile = PrinterSettingsPath(s.folders);
  store.Load(settingsFile, s.clock.Now());
  CurrentPrinter current(*printers, store, s.clock);
  current.SelectRememberedPrinter();
  std::optional<DeviceMode> mode = current.GetPrinterDefaults();
  if (!mode) {
    s.ui.Message(kNoPrinterInstalled, mb::kIconWarning, LoadString(kStrAppTitle));
    return false;
  }
  store.Save(settingsFile, current.GetCurrentPrinterName());
  mode->orientation = JobOrientation(ids, *database, s.library);
  mode->fields |= kDmOrientation;

  PrinterAdjustmentStore adjustments(PrinterAdjustmentsPath(s.folders), s.profile);
  PrintLabelsRequest request;
  request.printer = current.GetCurrentPrinterName();
  request.mode = *mode;
  request.title = s.document.DocumentName();
  request.ids = ids;
  UiPrintJobUi ui(s.ui);
  const std::unique_ptr<PictureLoader> pictures = MakePictureLoader();
  const PictureSource source{pictures.get(), s.document.DocumentPath().parent_path(), &s.folders};
  const PrintJobResult result =
      PrintLabels(*printers, request, *database, s.library, adjustments.Load(request.printer), ui, source);
  return result.outcome == PrintOutcome::Completed && result.labelsPrinted > 0;
}

}  // namespace mirn
