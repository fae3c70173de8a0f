#pragma once
// A document drawn with QPainter on a paged device (a printer or a PDF file). Device units
// are the device's dots, with (0, 0) at the top left of the printable area, as the print
// engine expects; pages are separated with newPage.

#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <memory>

#include "platform/PrinterSystem.h"

namespace mirn {

// Makes the canvas that draws with a document's painter.
using PainterCanvasFactory = std::function<std::shared_ptr<Canvas>(QPainter& painter, QPagedPaintDevice& device)>;

// The QPainterCanvas at the device's resolution; what documents draw with unless told otherwise.
PainterCanvasFactory DefaultCanvasFactory();

class PainterDocument final : public PrintDocument {
 public:
  // Finishes the document: ends the painter and hands the output on (submits the job,
  // moves the file into place). It is told how many pages were started, so that a document
  // without pages can be withdrawn instead of feeding a blank sheet. Answers success.
  using Finisher = std::function<bool(std::unique_ptr<QPagedPaintDevice>& device, QPainter& painter, int pages)>;

  // Takes the device; the painter must already be active on it.
  PainterDocument(std::unique_ptr<QPagedPaintDevice> device, std::unique_ptr<QPainter> painter,
                  QPointF printableOffset, PainterCanvasFactory canvasFactory, Finisher finish);
  ~PainterDocument() override;

  bool StartPage() override;
  Canvas& PageCanvas() override;
  bool EndPage() override;
  bool End() override;

  QPainter& Painter() { return *painter_; }

 private:
  std::unique_ptr<QPagedPaintDevice> device_;
  std::unique_ptr<QPainter> painter_;
  QPointF offset_{};
  PainterCanvasFactory canvasFactory_;
  Finisher finish_;
  std::shared_ptr<Canvas> canvas_;
  int pages_ = 0;
  bool ended_ = false;
};

}  // namespace mirn
