#include "qt/PrintTargets.h"

#include "qt/CupsPrinterSystem.h"
#include "qt/PdfPrinterSystem.h"
#include "qt/QPainterCanvas.h"

namespace mirn {

std::unique_ptr<PrinterSystem> MakeCupsPrinterSystem() { return std::make_unique<CupsPrinterSystem>(); }

std::unique_ptr<PrinterSystem> MakePdfPrinterSystem(const std::filesystem::path& file) {
  return std::make_unique<PdfPrinterSystem>(file);
}

std::unique_ptr<PictureLoader> MakePictureLoader() { return std::make_unique<QtPictureLoader>(); }

}  // namespace mirn
