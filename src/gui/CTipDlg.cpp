#include "gui/CTipDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/BulbIcon.h"
#include "gui/Widgets.h"
#include "platform/Profile.h"
#include "qt/QtText.h"
#include "util/StringTable.h"

namespace mirn {

// The card the tip is shown on: painted background and bulb, with the heading and the
// tip as labels placed at fixed offsets, so that assistive technology reads both.
class TipArea : public QWidget {
 public:
  explicit TipArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tip"));
    // (Not a Q_OBJECT: its texts name their context themselves.)
    setAccessibleName(QCoreApplication::translate("mirn::TipArea", "Tip"));
    // Japanese text leaves no room for the heading; the tip then starts higher.
    withHeading_ = QLocale::system().language() != QLocale::Japanese;
    heading_ = new QLabel(QCoreApplication::translate("mirn::TipArea", "Did you know..."), this);
    heading_->setObjectName(QStringLiteral("Did you know..."));
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    heading_->setFont(bold);
    heading_->setVisible(withHeading_);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("Tip text"));
    text_->setTextFormat(Qt::PlainText);  // "&" and "<" are shown as they are
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette black = text_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    text_->setPalette(black);
    heading_->setPalette(black);
    setMinimumSize(420, 190);
  }

  void SetText(const QString& text) {
    text_->setText(text);
    text_->setAccessibleName(text);
  }
  QString Text() const { return text_->text(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 255, 224));
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawPixmap(15, 15, BulbPixmap(32, devicePixelRatioF()));
  }

  void resizeEvent(QResizeEvent*) override {
    heading_->setGeometry(62, 21, width() - 62 - 30, heading_->sizeHint().height());
    const int top = withHeading_ ? 52 : 21;
    text_->setGeometry(62, top, width() - 62 - 30, height() - top - 20);
  }

 private:
  QLabel* heading_ = nullptr;
  QLabel* text_ = nullptr;
  bool withHeading_ = true;
};

CTipDlg::CTipDlg(TipsFile tips, Profile& profile, QWidget* parent)
    : QDialog(parent), tips_(std::move(tips), profile), profile_(profile) {
  setObjectName(QStringLiteral("Tip of the Day"));
  setWindowTitle(tr("Tip of the Day"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  area_ = new TipArea(this);
  showAtStartup_ = new QCheckBox(ToQString(LoadString(kShowTipsString)), this);
  NameControl(showAtStartup_, showAtStartup_->text());
  showAtStartup_->setChecked(TipOfTheDay::ShowAtStartup(profile));

  auto* previous = new QPushButton(tr("&Previous Tip"), this);
  NameControl(previous, previous->text());
  auto* next = new QPushButton(tr("&Next Tip"), this);
  NameControl(next, next->text());
  auto* close = new QPushButton(tr("Close"), this);
  NameControl(close, close->text());
  close->setDefault(true);
  connect(previous, &QPushButton::clicked, this, [this] {
    tips_.Previous();
    ShowTip();
  });
  connect(next, &QPushButton::clicked, this, [this] {
    tips_.Next();
    ShowTip();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(showAtStartup_);
  buttons->addStretch(1);
  buttons->addWidget(previous);
  buttons->addWidget(next);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(area_, 1);
  layout->addLayout(buttons);
  ShowTip();
  close->setFocus();
}

CTipDlg::~CTipDlg() {
  // A window closed any other way still remembers the tip it showed.
  if (!closed_) tips_.Close(profile_, std::nullopt);
}

QString CTipDlg::TipText() const { return area_->Text(); }

void CTipDlg::ShowTip() { area_->SetText(ToQString(tips_.Text())); }

void CTipDlg::done(int result) {
  if (!closed_) {
    closed_ = true;
    tips_.Close(profile_, result == QDialog::Accepted ? std::optional<bool>(showAtStartup_->isChecked()) : std::nullopt);
  }
  QDialog::done(result);
}

bool ShowTipOfTheDay(QWidget* parent, Profile& profile, const std::filesystem::path& tipsPath) {
  auto tips = TipsFile::Load(tipsPath);
  if (!tips) return false;
  CTipDlg dialog(std::move(*tips), profile, parent);
  dialog.exec();
  return true;
}

}  // namespace mirn
