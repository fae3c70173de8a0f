#include "gui/CCsvImportSettingsDlg.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

QFont FontOfCsvSettings(const CsvImportSettings& s) {
  QFont font(ToQString(s.face));
  font.setPointSize(s.pointSize > 0 ? s.pointSize : 8);
  font.setWeight(s.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(s.italic);
  font.setUnderline(s.underline);
  font.setStrikeOut(s.strikeOut);
  return font;
}

void ApplyFontToCsvSettings(const QFont& font, const QColor& color, CsvImportSettings& s) {
  s.face = FromQString(font.family()).substr(0, CsvImportSettings::kMaxFaceLength);
  if (font.pointSize() > 0) s.pointSize = font.pointSize();
  s.bold = font.weight() == QFont::Bold;
  s.italic = font.italic();
  s.underline = font.underline();
  s.strikeOut = font.strikeOut();
  // COLORREF: red in the low byte.
  s.color = static_cast<unsigned>(color.red()) | static_cast<unsigned>(color.green()) << 8 |
            static_cast<unsigned>(color.blue()) << 16;
}

CCsvImportSettingsDlg::CCsvImportSettingsDlg(const CsvImportSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("CSV Import Settings"));
  setWindowTitle(tr("CSV Import Settings"));
  auto* heading = new QLabel(tr("Default Font when Importing CSV Files:"), this);
  NameControl(heading, heading->text());
  description_ = new QLabel(this);
  description_->setObjectName(QStringLiteral("Font Description"));
  description_->setFrameShape(QFrame::StyledPanel);
  auto* choose = new QPushButton(tr("Choose &Font..."), this);
  NameControl(choose, choose->text());
  connect(choose, &QPushButton::clicked, this, &CCsvImportSettingsDlg::ChooseFont);
  auto* alignLabel = new QLabel(tr("&Align Text:"), this);
  align_ = new QComboBox(this);
  NameControl(align_, alignLabel->text());
  alignLabel->setBuddy(align_);
  align_->addItems({tr("Left"), tr("Center"), tr("Right"), tr("Full Justify")});
  align_->setCurrentIndex(settings_.alignment >= 0 && settings_.alignment <= 3 ? settings_.alignment : 1);
  connect(align_, &QComboBox::currentIndexChanged, this, [this](int index) { settings_.alignment = index; });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  for (QAbstractButton* b : buttons->buttons()) NameControl(b, b->text());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(heading, 0, 0, 1, 2);
  layout->addWidget(description_, 1, 0);
  layout->addWidget(choose, 1, 1);
  layout->addWidget(alignLabel, 2, 0);
  layout->addWidget(align_, 2, 1);
  layout->addWidget(buttons, 3, 0, 1, 2);
  ShowDescription();

  chooser_ = [this](const QFont& current, QColor& color) -> std::optional<QFont> {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, this, tr("Font"));
    if (!ok) return std::nullopt;
    // The font dialog has no colour of its own: the colour follows in its own dialog.
    const QColor chosen = QColorDialog::getColor(color, this, tr("Color"));
    if (chosen.isValid()) color = chosen;
    return font;
  };
}

const CsvImportSettings& CCsvImportSettingsDlg::Settings() const { return settings_; }

void CCsvImportSettingsDlg::ShowDescription() {
  description_->setText(ToQString(settings_.Describe()));
  description_->setAccessibleName(description_->text());
}

void CCsvImportSettingsDlg::ChooseFont() {
  QColor color(static_cast<int>(settings_.color & 0xFF), static_cast<int>(settings_.color >> 8 & 0xFF),
               static_cast<int>(settings_.color >> 16 & 0xFF));
  const std::optional<QFont> font = chooser_(FontOfCsvSettings(settings_), color);
  if (!font) return;
  ApplyFontToCsvSettings(*font, color, settings_);
  ShowDescription();
}

bool CCsvImportSettingsDlg::Edit(CsvImportSettings& settings, QWidget* parent) {
  CCsvImportSettingsDlg dialog(settings, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  settings = dialog.Settings();
  return true;
}

}  // namespace mirn
