#include "gui/CPrintPreviewDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/PrintPreviewJob.h"
#include "gui/Widgets.h"

namespace mirn {
namespace {

constexpr int kZooms[] = {25, 50, 75, 100, 150, 200};
constexpr int kScreenDpi = 96;

}  // namespace

CPrintPreviewDlg::CPrintPreviewDlg(PrintPreviewJob& job, int dpi, QWidget* parent)
    : QDialog(parent), job_(job), dpi_(dpi > 0 ? dpi : 1440) {
  setWindowTitle(tr("Print Preview"));
  NameControl(this, tr("Print Preview"));
  auto* box = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto* print = new QPushButton(tr("&Print"), this);
  NameControl(print, print->text());
  previous_ = new QPushButton(tr("Pre&vious Page"), this);
  NameControl(previous_, previous_->text());
  next_ = new QPushButton(tr("&Next Page"), this);
  NameControl(next_, next_->text());
  pageText_ = new QLabel(this);
  NameControl(pageText_, tr("Page"));
  zoomBox_ = new QComboBox(this);
  NameControl(zoomBox_, tr("Zoom"));
  // The percent sign where the language puts it ("75 %" in German and French).
  for (int z : kZooms) zoomBox_->addItem(tr("%1%").arg(QLocale().toString(z)), z);
  zoomBox_->setCurrentIndex(2);
  auto* close = new QPushButton(tr("&Close"), this);
  NameControl(close, close->text());
  bar->addWidget(print);
  bar->addWidget(previous_);
  bar->addWidget(next_);
  bar->addWidget(pageText_);
  bar->addStretch();
  bar->addWidget(zoomBox_);
  bar->addWidget(close);
  box->addLayout(bar);
  scroll_ = new QScrollArea(this);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setBackgroundRole(QPalette::Dark);
  view_ = new QLabel;
  NameControl(view_, tr("Sheet"));
  scroll_->setWidget(view_);
  box->addWidget(scroll_, 1);

  connect(print, &QPushButton::clicked, this, &QDialog::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(previous_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
  connect(zoomBox_, &QComboBox::currentIndexChanged, this, [this](int i) { SetZoom(zoomBox_->itemData(i).toInt()); });

  pages_ = job_.PageCount();
  resize(760, 860);
  ShowPage(0);
}

void CPrintPreviewDlg::ShowPage(int page) {
  page_ = std::clamp(page, 0, std::max(0, pages_ - 1));
  const double scale = static_cast<double>(zoom_) * kScreenDpi / 100.0 / dpi_;
  const QImage image = pages_ > 0 ? job_.Page(page_, scale) : QImage();
  view_->setPixmap(QPixmap::fromImage(image));
  view_->resize(image.size());
  SetLiveText(pageText_, tr("Page %1 of %2").arg(pages_ > 0 ? page_ + 1 : 0).arg(pages_));
  previous_->setEnabled(page_ > 0);
  next_->setEnabled(page_ + 1 < pages_);
}

void CPrintPreviewDlg::SetZoom(int percent) {
  zoom_ = percent;
  ShowPage(page_);
}

}  // namespace mirn
