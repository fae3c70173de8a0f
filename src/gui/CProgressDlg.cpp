#include "gui/CProgressDlg.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <limits>

#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {
namespace {
constexpr int kBarSteps = 10000;  // bar resolution when the range exceeds an int
}

CProgressDlg::CProgressDlg(const QString& title, QWidget* owner)
    // No Qt parent: disabling the owner would otherwise disable this window and its Stop
    // button with it. The owner only places it (transient parent) and is disabled by hand.
    : QDialog(nullptr), owner_(owner != nullptr ? owner->window() : nullptr) {
  setObjectName(QStringLiteral("Progress"));
  setWindowTitle(title);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  // Modal to the whole program, so that it takes input even when the loop runs under
  // another modal dialog (a wizard) that would otherwise block a window it does not own.
  setWindowModality(Qt::ApplicationModal);

  line_ = new QLabel(this);
  line_->setObjectName(QStringLiteral("Line"));
  line_->setTextFormat(Qt::PlainText);
  line_->setMinimumWidth(360);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("Progress"));
  bar_->setAccessibleName(tr("Progress"));
  bar_->setRange(0, 1);
  bar_->setValue(0);
  stop_ = new QPushButton(tr("Stop"), this);
  NameControl(stop_, stop_->text());
  connect(stop_, &QPushButton::clicked, this, &CProgressDlg::PressStop);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(stop_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(line_);
  layout->addWidget(bar_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  if (owner_ != nullptr) {
    ownerWasEnabled_ = owner_->isEnabled();
    owner_->setEnabled(false);
    winId();  // creates the native window so it can be placed over the owner
    if (QWindow* own = windowHandle(); own != nullptr && owner_->windowHandle() != nullptr) {
      own->setTransientParent(owner_->windowHandle());
    }
  }
  qApp->installEventFilter(this);
  show();
  raise();
  stop_->setFocus();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

CProgressDlg::~CProgressDlg() {
  qApp->removeEventFilter(this);
  hide();
  if (owner_ != nullptr && ownerWasEnabled_) {
    owner_->setEnabled(true);
    owner_->activateWindow();
  }
}

void CProgressDlg::SetLine(const std::wstring& text) {
  lineText_ = ToQString(text);
  if (PaintDue()) Paint();
}

QString CProgressDlg::Line() const { return lineText_; }

bool CProgressDlg::PaintDue() const { return !painted_.isValid() || painted_.elapsed() >= kPaintIntervalMs; }

void CProgressDlg::Paint() {
  if (line_->accessibleName() != lineText_) {
    line_->setText(line_->fontMetrics().elidedText(lineText_, Qt::ElideMiddle, line_->width()));
    line_->setToolTip(lineText_);
    line_->setAccessibleName(lineText_);
  }
  ShowPosition();
  // Counted from the end of the update, so that two updates are a full interval apart
  // however long one takes.
  painted_.start();
}

void CProgressDlg::SetRange(long long total) {
  total_ = total < 0 ? 0 : total;
  if (position_ > total_) position_ = total_;
  bar_->setRange(0, total_ <= std::numeric_limits<int>::max() ? static_cast<int>(std::max(total_, 1LL)) : kBarSteps);
  ShowPosition();
}

void CProgressDlg::Step() {
  if (position_ < total_) ++position_;
  if (!PaintDue()) return;
  Paint();
  // However long each step takes, Stop and repainting are answered every interval.
  QApplication::processEvents(QEventLoop::AllEvents);
}

void CProgressDlg::MoveToEnd() {
  position_ = total_;
  Paint();
}

void CProgressDlg::ShowPosition() {
  if (total_ <= std::numeric_limits<int>::max()) {
    bar_->setValue(static_cast<int>(position_));
  } else {
    bar_->setValue(static_cast<int>(position_ * kBarSteps / total_));
  }
}

int CProgressDlg::BarValue() const {
  if (total_ <= std::numeric_limits<int>::max()) return static_cast<int>(position_);
  return static_cast<int>(position_ * kBarSteps / total_);
}

bool CProgressDlg::RunPendingMessages() {
  // Loops call this every few items; painting here only when due keeps the window's
  // updates at most one per interval however often it is called.
  if (PaintDue()) Paint();
  QApplication::processEvents(QEventLoop::AllEvents);
  return !quitRequested_;
}

void CProgressDlg::PressStop() {
  stopPressed_ = true;
  stop_->setEnabled(false);
}

void CProgressDlg::reject() { PressStop(); }

bool CProgressDlg::eventFilter(QObject* watched, QEvent* event) {
  // A quit request while the loop runs: remember it so the loop ends, and let it through
  // so that the main loop still quits once the long operation has returned.
  if (watched == qApp && event->type() == QEvent::Quit) quitRequested_ = true;
  return QDialog::eventFilter(watched, event);
}

}  // namespace mirn
