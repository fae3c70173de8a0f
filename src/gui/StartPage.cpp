#include "gui/StartPage.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "db/MRBBase.h"
#include "gui/CommandRegistry.h"
#include "gui/Widgets.h"
#include "util/Text.h"

namespace mirn {

StartPage::StartPage(CommandRegistry& frame, QWidget& area, std::filesystem::path sample)
    : QWidget(&area), document_(frame.Services().document), area_(area) {
  NameControl(this, tr("Start"));
  setAutoFillBackground(false);
  auto* column = new QVBoxLayout(this);
  column->addStretch();
  heading_ = new QLabel(this);
  heading_->setAlignment(Qt::AlignCenter);
  column->addWidget(heading_, 0, Qt::AlignHCenter);
  const auto add = [this, column](const QString& label, std::function<void()> run) {
    auto* button = new QPushButton(label, this);
    NameControl(button, label);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 48);
    connect(button, &QPushButton::clicked, this, std::move(run));
    column->addWidget(button, 0, Qt::AlignHCenter);
    buttons_.push_back(button);
    return button;
  };
  std::error_code error;
  if (std::filesystem::is_regular_file(sample, error)) {
    add(tr("Open the &Sample Database"), [&frame, sample] {
      frame.Services().document.Open(FromPath(sample));
      frame.UpdateCommandStates();
    });
  }
  addExtensions_ = add(tr("&Add Extensions..."), [&frame] { frame.RunCommand(cmd::kNewExtension); });
  newDatabase_ = add(tr("&New Database"), [&frame] { frame.RunCommand(cmd::kFileNew); });
  add(tr("&Open Database..."), [&frame] { frame.RunCommand(cmd::kFileOpen); });
  add(tr("Read &Getting Started"), [&frame] { frame.RunCommand(cmd::kGettingStarted); });
  column->addStretch();
  area.installEventFilter(this);
  setGeometry(area.rect());
  frame.Services().document.AddListener(*this);
  Update();
}

// The page goes with the window's children, after the window itself: it holds the document
// from the start instead of asking the half-destroyed window for it.
StartPage::~StartPage() { document_.RemoveListener(*this); }

void StartPage::DocumentLoading(MRBBase&) {
  loading_ = true;
  Update();
}

void StartPage::DocumentOpened(const std::vector<std::wstring>&) {
  loading_ = false;
  Update();
}

void StartPage::Update() {
  if (loading_) {
    // Nothing to offer while a file opens: only what is going on.
    SetLiveText(heading_, QString::fromStdWString(OpeningText(document_.DocumentPath())));
    for (QPushButton* button : buttons_) button->setVisible(false);
    setVisible(true);
    raise();
    return;
  }
  for (QPushButton* button : buttons_) button->setVisible(true);
  MRBBase* db = document_.Database();
  const bool empty = db != nullptr && db->GetExtensionCount() == 0;
  // The live heading is its own accessible name.
  SetLiveText(heading_, empty ? tr("This database has no extensions yet. To begin:")
                              : tr("No database is open. To begin:"));
  addExtensions_->setVisible(empty);
  newDatabase_->setVisible(db == nullptr);
  setVisible(db == nullptr || empty);
  if (isVisible()) raise();
}

bool StartPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &area_ && event->type() == QEvent::Resize) setGeometry(area_.rect());
  return QWidget::eventFilter(watched, event);
}

}  // namespace mirn
