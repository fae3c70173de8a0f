#include "gui/CPrinterAdjustmentDlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/MeasureSpinBox.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

const char* const kPageTexts[2] = {
    QT_TRANSLATE_NOOP("mirn::CPrinterAdjustmentDlg",
                      "These settings will be used when printing in portrait mode. Most Mirn labels are printed in "
                      "portrait mode."),
    QT_TRANSLATE_NOOP("mirn::CPrinterAdjustmentDlg",
                      "These settings will be used when printing in landscape mode. Very few Mirn label layouts use "
                      "landscape mode.")};

QLabel* Wrapped(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  NameControl(label, text);
  return label;
}

}  // namespace

CPrinterAdjustmentDlg::CPrinterAdjustmentDlg(const PrinterAdjustment& adjustment, MeasureUnit unit, QWidget* parent)
    : QDialog(parent), adjustment_(adjustment), unit_(unit) {
  setWindowTitle(tr("Precise Printer Adjustment"));
  NameControl(this, tr("Precise Printer Adjustment"));
  auto* box = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  NameControl(pages_, tr("Pages"));
  const int decimals = unit == MeasureUnit::Millimetres ? 1 : 2;
  const double step = unit == MeasureUnit::Millimetres ? 0.1 : 0.01;
  const double limit = static_cast<double>(LimitSteps(unit)) * step;
  // [landscape][vertical]
  const std::int32_t values[2][2] = {{adjustment.portraitX, adjustment.portraitY},
                                     {adjustment.landscapeX, adjustment.landscapeY}};
  for (int landscape = 0; landscape < 2; ++landscape) {
    auto* page = new QWidget(pages_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Wrapped(tr("These adjustments will affect the following printer:"), page));
    // The adjustment kept for a system without a printer is stored under "None".
    const bool noPrinter = adjustment.name == AdjustmentPrinterName(L"");
    auto* printer = new QLabel(noPrinter ? tr("No printer") : ToQString(adjustment.name), page);
    NameControl(printer, tr("Printer"));
    QFont bold = printer->font();
    bold.setBold(true);
    printer->setFont(bold);
    layout->addWidget(printer);
    layout->addWidget(Wrapped(tr(kPageTexts[landscape]), page));
    const QString labels[2] = {tr("&Horizontal Adjustment:"), tr("&Vertical Adjustment:")};
    const QString explanations[2] = {
        tr("A negative number will shift your printed text to the left. A positive number will shift your printed "
           "text to the right."),
        tr("A negative number will shift your printed text toward the top edge of the paper. A positive number will "
           "shift your printed text toward the bottom edge of the paper.")};
    for (int vertical = 1; vertical >= 0; --vertical) {
      auto* form = new QFormLayout;
      auto* spin = new MeasureSpinBox(page);
      // The spin stops at the same limit OK checks; typed values beyond it are refused on OK.
      spin->setDecimals(decimals);
      spin->setSingleStep(step);
      spin->setRange(-limit, limit);
      spin->setSuffix(" " + ToQString(UnitName(unit)));
      spin->setValue(static_cast<double>(TwipsToSteps(values[landscape][vertical], unit)) * step);
      NameControl(spin, PlainText(labels[vertical]).remove(':'));
      auto* label = new QLabel(labels[vertical], page);
      label->setBuddy(spin);
      form->addRow(label, spin);
      layout->addLayout(form);
      layout->addWidget(Wrapped(explanations[vertical], page));
      fields_[landscape][vertical] = spin;
    }
    layout->addStretch();
    pages_->addTab(page, landscape ? tr("Landscape") : tr("Portrait"));
  }
  box->addWidget(pages_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* calibration = buttons->addButton(tr("Print &Calibration Sheet"), QDialogButtonBox::ActionRole);
  NameControl(calibration, calibration->text());
  NameControl(buttons->button(QDialogButtonBox::Ok), tr("OK"));
  NameControl(buttons->button(QDialogButtonBox::Cancel), tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(calibration, &QPushButton::clicked, this, [this] {
    if (printCalibration) printCalibration();
  });
  box->addWidget(buttons);
}

QDoubleSpinBox* CPrinterAdjustmentDlg::Field(bool landscape, bool vertical) const {
  return fields_[landscape ? 1 : 0][vertical ? 1 : 0];
}

std::optional<PrinterAdjustment> CPrinterAdjustmentDlg::Values() const {
  PrinterAdjustment a = adjustment_;
  std::int32_t* targets[2][2] = {{&a.portraitX, &a.portraitY}, {&a.landscapeX, &a.landscapeY}};
  for (int landscape = 0; landscape < 2; ++landscape) {
    for (int vertical = 0; vertical < 2; ++vertical) {
      const std::optional<std::int32_t> twips =
          ParseAdjustment(FromQString(QString::number(fields_[landscape][vertical]->value(), 'f',
                                                      fields_[landscape][vertical]->decimals())),
                          unit_);
      if (!twips) return std::nullopt;
      *targets[landscape][vertical] = *twips;
    }
  }
  return a;
}

void CPrinterAdjustmentDlg::accept() {
  if (!Values()) {
    // The limits in the reader's own number format ("-200", "−200"...).
    const int limit = unit_ == MeasureUnit::Millimetres ? 200 : 10;
    QMessageBox::warning(this, windowTitle(),
                         tr("Please enter a number between %1 and %2.").arg(locale().toString(-limit), locale().toString(limit)));
    return;
  }
  QDialog::accept();
}

}  // namespace mirn
