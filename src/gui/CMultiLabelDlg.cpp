#include "gui/CMultiLabelDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QPainter>
#include <QVBoxLayout>

#include "gui/Widgets.h"
#include "print/PrintTexts.h"
#include "qt/QtText.h"
#include "templates/CDDFTemplate.h"

namespace mirn {
namespace {

QRectF AreaRect(const DiagramFit& fit, const SlotRect& r) {
  const SlotRect a = fit.ToArea(r);
  return QRectF(a.left, a.top, a.right - a.left, a.bottom - a.top);
}

}  // namespace

SheetDiagramView::SheetDiagramView(SheetDiagram diagram, QWidget* parent)
    : QWidget(parent), diagram_(std::move(diagram)) {
  setMinimumSize(170, 220);
  NameControl(this, tr("Sheet"));
  setToolTip(ToQString(ChooserDiagramCaption()));
}

void SheetDiagramView::SetDiagram(SheetDiagram diagram) {
  diagram_ = std::move(diagram);
  update();
}

void SheetDiagramView::SetSelected(int slot) {
  selected_ = slot;
  update();
}

int SheetDiagramView::SlotAt(const QPoint& point) const {
  const DiagramFit fit = FitDiagram(diagram_, width(), height());
  const SlotOrigin page = fit.ToPage(point.x(), point.y());
  return HitSlot(diagram_, page.x, page.y);
}

void SheetDiagramView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const DiagramFit fit = FitDiagram(diagram_, width(), height());
  p.setPen(palette().color(QPalette::WindowText));
  p.setBrush(Qt::white);
  p.drawRect(AreaRect(fit, {0, 0, diagram_.pageWidth, diagram_.pageHeight}));
  for (size_t i = 0; i < diagram_.slots.size(); ++i) {
    const QRectF r = AreaRect(fit, diagram_.slots[i]);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    if (static_cast<int>(i) == selected_) {
      // The active caption colour, as the highlight of the first label.
      p.fillRect(r, QBrush(palette().color(QPalette::Active, QPalette::Highlight), Qt::DiagCrossPattern));
    }
  }
}

void SheetDiagramView::mousePressEvent(QMouseEvent* event) {
  const int slot = SlotAt(event->position().toPoint());
  if (slot >= 0) {
    SetSelected(slot);
    Q_EMIT slotClicked(slot);
  }
}

CMultiLabelDlg::CMultiLabelDlg(const CDDFTemplate& layout, int startSlot, QWidget* parent) : QDialog(parent) {
  setWindowTitle(ToQString(ChooserTitle()));
  NameControl(this, ToQString(ChooserTitle()));
  auto* layoutBox = new QVBoxLayout(this);
  auto* name = new QLabel(ToQString(layout.GetGroupName() + L" " + layout.GetDescription()), this);
  NameControl(name, name->text());
  layoutBox->addWidget(name);
  auto* prompt = new QLabel(ToQString(ChooserPrompt()), this);
  NameControl(prompt, prompt->text());
  layoutBox->addWidget(prompt);

  auto* row = new QHBoxLayout;
  list_ = new QListWidget(this);
  NameControl(list_, tr("Labels"));
  const int slots = static_cast<int>(layout.GetSlots().size());
  for (int i = 0; i < slots; ++i) list_->addItem(ToQString(SlotName(i)));
  row->addWidget(list_);
  auto* right = new QVBoxLayout;
  view_ = new SheetDiagramView(SheetDiagramOf(layout), this);
  right->addWidget(view_, 1);
  auto* caption = new QLabel(ToQString(ChooserDiagramCaption()), this);
  caption->setWordWrap(true);
  NameControl(caption, caption->text());
  right->addWidget(caption);
  row->addLayout(right, 1);
  layoutBox->addLayout(row, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  NameControl(buttons->button(QDialogButtonBox::Ok), tr("OK"));
  NameControl(buttons->button(QDialogButtonBox::Cancel), tr("Cancel"));
  layoutBox->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  connect(list_, &QListWidget::currentRowChanged, view_, &SheetDiagramView::SetSelected);
  connect(view_, &SheetDiagramView::slotClicked, list_, [this](int slot) { list_->setCurrentRow(slot); });
  const int first = startSlot >= 0 && startSlot < slots ? startSlot : 0;
  list_->setCurrentRow(first);
  view_->SetSelected(first);
  resize(460, 380);
}

int CMultiLabelDlg::StartSlot() const { return std::max(0, list_->currentRow()); }

std::optional<int> ChooseFirstLabel(QWidget* parent, const CDDFTemplate& layout, int startSlot) {
  CMultiLabelDlg dialog(layout, startSlot, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.StartSlot();
}

}  // namespace mirn
