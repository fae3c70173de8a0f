#include "qt/PainterDocument.h"

#include <stdexcept>

#include "qt/QPainterCanvas.h"

namespace mirn {

PainterCanvasFactory DefaultCanvasFactory() {
  return [](QPainter& painter, QPagedPaintDevice& device) {
    return std::make_shared<QPainterCanvas>(painter, device.logicalDpiX(), device.logicalDpiY(), true);
  };
}

PainterDocument::PainterDocument(std::unique_ptr<QPagedPaintDevice> device, std::unique_ptr<QPainter> painter,
                                 QPointF printableOffset, PainterCanvasFactory canvasFactory, Finisher finish)
    : device_(std::move(device)),
      painter_(std::move(painter)),
      offset_(printableOffset),
      canvasFactory_(canvasFactory ? std::move(canvasFactory) : DefaultCanvasFactory()),
      finish_(std::move(finish)) {}

PainterDocument::~PainterDocument() { End(); }

bool PainterDocument::StartPage() {
  if (ended_ || !painter_->isActive()) return false;
  // The painter starts on the first page; every later page is a new one.
  if (pages_ > 0 && !device_->newPage()) return false;
  ++pages_;
  painter_->resetTransform();
  painter_->translate(offset_);
  if (auto* canvas = dynamic_cast<QPainterCanvas*>(canvas_.get())) canvas->NewPage();
  return true;
}

Canvas& PainterDocument::PageCanvas() {
  if (!canvas_ && canvasFactory_) canvas_ = canvasFactory_(*painter_, *device_);
  if (!canvas_) throw std::logic_error("this document has no canvas");
  return *canvas_;
}

bool PainterDocument::EndPage() { return !ended_ && painter_->isActive(); }

bool PainterDocument::End() {
  if (ended_) return true;
  ended_ = true;
  canvas_.reset();
  return finish_ ? finish_(device_, *painter_, pages_) : painter_->end();
}

}  // namespace mirn
