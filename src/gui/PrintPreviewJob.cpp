#include "gui/PrintPreviewJob.h"

#include <QPainter>

#include "db/MRBBase.h"
#include "qt/QPainterCanvas.h"

namespace mirn {
namespace {

// The job's page being previewed: pages before and after it are counted, not drawn.
class PreviewDocument final : public PrintDocument {
 public:
  PreviewDocument(int wanted, QImage* image, double scale, const PrintContext& context)
      : wanted_(wanted), image_(image), scale_(scale), context_(context) {}
  ~PreviewDocument() override { Finish(); }

  bool StartPage() override {
    Finish();
    ++page_;
    if (page_ == wanted_ && image_) {
      *image_ = QImage(std::max(1, static_cast<int>(context_.paperWidth * scale_ + 0.5)),
                       std::max(1, static_cast<int>(context_.paperHeight * scale_ + 0.5)), QImage::Format_RGB32);
      image_->fill(Qt::white);
      painter_ = std::make_unique<QPainter>(image_);
      painter_->setRenderHint(QPainter::Antialiasing, true);
      painter_->setRenderHint(QPainter::TextAntialiasing, true);
      painter_->scale(scale_, scale_);
      // Device (0, 0) is the printable area's corner, as on the printer.
      painter_->translate(context_.offsetLeft, context_.offsetTop);
      canvas_ = std::make_unique<QPainterCanvas>(*painter_, context_.dpiX, context_.dpiY, true);
    }
    return true;
  }
  Canvas& PageCanvas() override { return *canvas_; }
  bool EndPage() override {
    Finish();
    return true;
  }
  bool End() override { return true; }
  bool Drawing() const { return canvas_ != nullptr; }
  int Pages() const { return page_ + 1; }

 private:
  void Finish() {
    canvas_.reset();
    if (painter_) painter_->end();
    painter_.reset();
  }
  int wanted_ = -1;
  QImage* image_ = nullptr;
  double scale_ = 1;
  const PrintContext& context_;
  int page_ = -1;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterCanvas> canvas_;
};

// The chosen printer's geometry with documents that preview instead of print.
class PreviewPrinters final : public PrinterSystem {
 public:
  PreviewPrinters(PrinterSystem& target, PreviewDocument*& made, int wanted, QImage* image, double scale,
                  const PrintContext& context)
      : target_(target), made_(made), wanted_(wanted), image_(image), scale_(scale), context_(context) {}
  std::vector<std::wstring> ListPrinters() override { return target_.ListPrinters(); }
  std::wstring DefaultPrinter() override { return target_.DefaultPrinter(); }
  std::optional<PrinterInfo> Info(const std::wstring& name) override { return target_.Info(name); }
  std::optional<DeviceMode> DefaultDeviceMode(const std::wstring& name) override {
    return target_.DefaultDeviceMode(name);
  }
  std::optional<PrinterCapabilities> Capabilities(const std::wstring& name, const DeviceMode& mode) override {
    return target_.Capabilities(name, mode);
  }
  std::unique_ptr<PrintDocument> StartDocument(const std::wstring&, const DeviceMode&, const std::wstring&) override {
    auto document = std::make_unique<PreviewDocument>(wanted_, image_, scale_, context_);
    made_ = document.get();
    return document;
  }

 private:
  PrinterSystem& target_;
  PreviewDocument*& made_;
  int wanted_;
  QImage* image_;
  double scale_;
  const PrintContext& context_;
};

// Draws only the labels of the page being previewed.
class PreviewRenderer final : public LabelRenderer {
 public:
  PreviewRenderer(LabelRenderer& inner, PreviewDocument*& document) : inner_(inner), document_(document) {}
  std::optional<RunLayout> FindLayout(const std::wstring& typeCode) override { return inner_.FindLayout(typeCode); }
  void DrawLabel(PrintDocument& document, const std::wstring& typeCode, const std::wstring& id, int slot) override {
    if (document_ && document_->Drawing()) inner_.DrawLabel(document, typeCode, id, slot);
  }

 private:
  LabelRenderer& inner_;
  PreviewDocument*& document_;
};

}  // namespace

PrintPreviewJob::PrintPreviewJob(PrinterSystem& printers, PreviewRequest request, MRBBase& database,
                                 DDFLibrary& library, PrinterAdjustment adjustment, PictureSource pictures)
    : printers_(printers),
      request_(std::move(request)),
      database_(database),
      library_(library),
      adjustment_(std::move(adjustment)),
      pictures_(std::move(pictures)) {}

int PrintPreviewJob::PageCount() {
  if (pages_ < 0) pages_ = Run(-1, nullptr, 1);
  return pages_;
}

QImage PrintPreviewJob::Page(int index, double scale) {
  QImage image;
  Run(index, &image, scale);
  return image;
}

void PrintPreviewJob::Prepare() {
  if (prepared_) return;
  prepared_ = true;
  capabilities_ = printers_.Capabilities(request_.printer, request_.mode);
  PrintLabelsRequest labels;
  labels.printer = request_.printer;
  labels.mode = request_.mode;
  labels.ids = request_.ids;
  labels.copies = request_.copies;
  labels.startSlots = request_.startSlots;
  job_ = MakeJobRequest(labels, database_);
}

int PrintPreviewJob::Run(int wanted, QImage* image, double scale) {
  Prepare();
  if (!capabilities_) return 0;
  const PrintContext context = MakePrintContext(request_.mode, *capabilities_);
  PreviewDocument* document = nullptr;
  PreviewPrinters printers(printers_, document, wanted, image, scale, context);
  TemplateLabelRenderer renderer(library_, database_, context, adjustment_, pictures_);
  PreviewRenderer preview(renderer, document);
  QuietPrintJobUi ui;
  const PrintJobResult result = RunPrintJob(printers, job_, ui, preview);
  return static_cast<int>(result.pagesPrinted);
}

}  // namespace mirn
