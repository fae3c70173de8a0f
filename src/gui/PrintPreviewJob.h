#pragma once
// A print job drawn page by page into images for the preview: the same layouts, renderer,
// adjustment and start slots as printing, on the paper of the chosen printer. Counting the
// pages runs the job without drawing; drawing a page draws only that page's labels.

#include <QImage>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "print/PrintLabels.h"

namespace mirn {

struct PreviewRequest {
  std::wstring printer;
  DeviceMode mode;
  std::vector<std::wstring> ids;
  int copies = 1;
  std::map<std::wstring, int> startSlots;  // as the job offers them
};

class PrintPreviewJob {
 public:
  // Everything is borrowed and must outlive the object.
  PrintPreviewJob(PrinterSystem& printers, PreviewRequest request, MRBBase& database, DDFLibrary& library,
                  PrinterAdjustment adjustment, PictureSource pictures);

  int PageCount();
  // The page as printed, `scale` image pixels per device unit of the printer; a null image
  // when there is no such page.
  QImage Page(int index, double scale);

 private:
  // Runs the job; draws page `wanted` (none when -1) into `image`. Answers the pages.
  int Run(int wanted, QImage* image, double scale);
  // Asks the printer for its paper and reads the extensions' layouts once: every page drawn
  // runs the job again, and neither changes while the preview is open.
  void Prepare();

  PrinterSystem& printers_;
  PreviewRequest request_;
  MRBBase& database_;
  DDFLibrary& library_;
  PrinterAdjustment adjustment_;
  PictureSource pictures_;
  int pages_ = -1;
  bool prepared_ = false;
  std::optional<PrinterCapabilities> capabilities_;
  PrintJobRequest job_;
};

}  // namespace mirn
