#include "gui/CGraphicPropDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "db/GraphicFiles.h"
#include "gui/Widgets.h"
#include "panel/GraphicTexts.h"
#include "panel/LabelPainter.h"
#include "platform/Canvas.h"
#include "platform/UserInterface.h"
#include "qt/QPainterCanvas.h"
#include "qt/QtText.h"
#include "util/Text.h"

namespace mirn {
namespace {

// Draws the embedded picture as the label shows it.
class PicturePreview final : public QWidget {
 public:
  PicturePreview(std::shared_ptr<const Picture> picture, QWidget* parent)
      : QWidget(parent), picture_(std::move(picture)) {
    setMinimumSize(160, 120);
    // (Not a Q_OBJECT: its text names its context itself.)
    setAccessibleName(QCoreApplication::translate("mirn::PicturePreview", "Picture"));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QPainterCanvas canvas(painter);
    DeviceRect area{0, 0, width(), height()};
    if (picture_ && picture_->Width() > 0 && picture_->Height() > 0) {
      // Keep the picture's proportions inside the preview.
      const double scale = std::min(double(width()) / picture_->Width(), double(height()) / picture_->Height());
      const int w = int(picture_->Width() * scale);
      const int h = int(picture_->Height() * scale);
      area = {(width() - w) / 2, (height() - h) / 2, (width() - w) / 2 + w, (height() - h) / 2 + h};
      canvas.FillRect({0, 0, width(), height()}, kWhite);
    }
    PaintGraphic(canvas, area, picture_.get());
  }

 private:
  std::shared_ptr<const Picture> picture_;
};

// `name` (English) finds the value in tests; `accessible` is its row's translated label.
QLabel* ValueLabel(const std::wstring& text, const QString& name, const QString& accessible, QWidget* parent) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setObjectName(name);
  label->setAccessibleName(accessible);
  return label;
}

}  // namespace

CGraphicPropDlg::CGraphicPropDlg(const GraphicProperties& properties, UserInterface& ui, QWidget* parent)
    : QDialog(parent), properties_(properties), ui_(ui) {
  const MRBGraphic& r = properties_.record;
  setWindowTitle(r.embedded ? tr("Embedded Picture Properties") : tr("Picture Properties"));
  setObjectName(r.embedded ? "Embedded Picture Properties" : "Picture Properties");
  const bool metric = LocaleUsesMetric();
  const wchar_t point = QLocale().decimalPoint().front().unicode();
  const Picture* picture = properties_.picture.get();
  const std::wstring format = PictureFormatName(picture ? picture->Format() : PictureFormat::Unknown);
  const std::wstring natural =
      picture ? GraphicSizeText(PixelsToTwips(picture->Width(), properties_.screenDpi),
                                PixelsToTwips(picture->Height(), properties_.screenDpi), metric, point)
              : FromQString(tr("Unknown"));
  const std::wstring onLabel = GraphicSizeText(r.width, r.height, metric, point);

  auto* form = new QFormLayout;
  if (!r.embedded) {
    form->addRow(tr("File name:"), ValueLabel(r.fileName, "File name", tr("File name"), this));
    form->addRow(tr("Found at:"), ValueLabel(FoundPathText(r.fileName, properties_.foundPath), "Found at", tr("Found at"), this));
  }
  form->addRow(tr("Format:"), ValueLabel(format, "Format", tr("Format"), this));
  form->addRow(tr("Natural size:"), ValueLabel(natural, "Natural size", tr("Natural size"), this));
  form->addRow(tr("Size on label:"), ValueLabel(onLabel, "Size on label", tr("Size on label"), this));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  if (r.embedded) {
    layout->addWidget(new PicturePreview(properties_.picture, this));
    QPushButton* save = buttons->addButton(tr("&Save a Copy..."), QDialogButtonBox::ActionRole);
    NameControl(save, save->text());
    save->setEnabled(picture != nullptr);
    connect(save, &QPushButton::clicked, this, &CGraphicPropDlg::SaveCopy);
  }
  NameControl(buttons->button(QDialogButtonBox::Ok), tr("OK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

void CGraphicPropDlg::SaveCopy() {
  const MRBGraphic& r = properties_.record;
  const std::wstring name = r.originalName.empty() ? StoredFileName(r.fileName) : r.originalName;
  const std::wstring extension = StoredExtension(name);
  FileDialogRequest request;
  request.filter = SaveCopyFilter(PictureFormatName(properties_.picture->Format()), extension);
  request.defaultExtension = extension.empty() ? std::wstring() : extension.substr(1);
  request.initialPath = std::filesystem::path(name);
  request.promptOverwrite = true;
  request.pathMustExist = true;
  const auto target = ui_.SaveFileName(request);
  if (!target) return;
  std::error_code error;
  std::filesystem::copy_file(r.fileName, *target, std::filesystem::copy_options::overwrite_existing, error);
  if (error)
    ui_.Message(target->wstring() + L"\n\nThe copy could not be saved: " + FromUtf8(error.message()) + L".");
}

}  // namespace mirn
