#include "gui/CPrefsDlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/LanguageChoice.h"
#include "gui/CXMessageBox.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

QColor FromColorRef(Color color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

QFont ToQFont(const TextFormat& format) {
  QFont font(ToQString(format.face));
  font.setPointSizeF(std::max(1, format.size) / 2.0);
  font.setBold(format.bold != 0);
  font.setItalic(format.italic != 0);
  font.setUnderline(format.underline != 0);
  font.setStrikeOut(format.strikeout != 0);
  return font;
}

// A combo box with its label; both are named after the label's text without "&" and ":".
QComboBox* LabelledCombo(QWidget* parent, QFormLayout* form, const QString& label, const QStringList& items) {
  auto* combo = new QComboBox(parent);
  combo->addItems(items);
  QString name = PlainText(label);
  if (name.endsWith(QLatin1Char(':'))) name.chop(1);
  combo->setObjectName(name);
  combo->setAccessibleName(name);
  auto* text = new QLabel(label, parent);
  text->setBuddy(combo);
  form->addRow(text, combo);
  return combo;
}

}  // namespace

QStringList DefaultJustificationTexts() {
  return {CPrefsDlg::tr("Align Left"), CPrefsDlg::tr("Center"), CPrefsDlg::tr("Align Right"), CPrefsDlg::tr("Full Justify")};
}

QStringList DefaultZoomLevelTexts() {
  return {CPrefsDlg::tr("50%"),  CPrefsDlg::tr("75%"), CPrefsDlg::tr("100%"), CPrefsDlg::tr("150%"),
          CPrefsDlg::tr("200%"), CPrefsDlg::tr("Fit to Window Width"), CPrefsDlg::tr("Fit Entire Label")};
}

CPrefsDlg::CPrefsDlg(Profile& profile, QStringList justifications, QStringList zoomLevels, QWidget* parent)
    : QDialog(parent), profile_(profile), model_(profile) {
  setObjectName(QStringLiteral("Options"));
  setWindowTitle(tr("Options"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  if (justifications.size() != OptionsModel::kJustifications) justifications = DefaultJustificationTexts();
  if (zoomLevels.size() != OptionsModel::kZoomLevels) zoomLevels = DefaultZoomLevelTexts();

  auto* fontBox = new QGroupBox(tr("Default font for new text"), this);
  fontBox->setObjectName(fontBox->title());
  fontBox->setAccessibleName(fontBox->title());
  description_ = new QLabel(fontBox);
  description_->setObjectName(QStringLiteral("Font"));
  description_->setFrameShape(QFrame::StyledPanel);
  description_->setFrameShadow(QFrame::Sunken);
  description_->setMinimumWidth(260);
  description_->setMinimumHeight(28);
  description_->setAutoFillBackground(true);
  auto* choose = new QPushButton(tr("Choose &Font..."), fontBox);
  NameControl(choose, choose->text());
  connect(choose, &QPushButton::clicked, this, &CPrefsDlg::ChooseFont);
  // The font dialog has no colour of its own; the colour has its own button.
  auto* color = new QPushButton(tr("Co&lor..."), fontBox);
  NameControl(color, color->text());
  connect(color, &QPushButton::clicked, this, &CPrefsDlg::ChooseColor);
  auto* fontRow = new QHBoxLayout(fontBox);
  fontRow->addWidget(description_, 1);
  fontRow->addWidget(choose);
  fontRow->addWidget(color);

  auto* form = new QFormLayout;
  justification_ = LabelledCombo(this, form, tr("&Justification:"), justifications);
  zoom_ = LabelledCombo(this, form, tr("Default &zoom:"), zoomLevels);
  connect(justification_, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.SetJustification(index);
  });
  connect(zoom_, &QComboBox::currentIndexChanged, this, [this](int index) { model_.SetZoomLevel(index); });
  QStringList languages;
  for (const LanguageOption& option : LanguageOptions()) languages << ToQString(option.name);
  language_ = LabelledCombo(this, form, tr("&Language:"), languages);
  connect(language_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const auto options = LanguageOptions();
    if (index >= 0 && index < static_cast<int>(options.size())) model_.SetLanguage(options[static_cast<size_t>(index)].code);
  });
  auto* restart = new QLabel(tr("A new language shows when Mirn is started again."), this);
  restart->setWordWrap(true);
  form->addRow(QString(), restart);

  showTips_ = new QCheckBox(tr("Show the &Tip of the Day at start-up"), this);
  NameControl(showTips_, showTips_->text());
  connect(showTips_, &QCheckBox::toggled, this, [this](bool on) { model_.SetShowTips(on); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* reset = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
  for (auto* button : buttons->buttons()) NameControl(button, button->text());
  connect(reset, &QPushButton::clicked, this, &CPrefsDlg::Reset);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPrefsDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fontBox);
  layout->addLayout(form);
  layout->addWidget(showTips_);
  layout->addWidget(buttons);
  ShowModel();
}

QString CPrefsDlg::Description() const { return description_->text(); }

void CPrefsDlg::ShowModel() {
  const QSignalBlocker a(justification_), b(zoom_), c(showTips_), d(language_);
  const auto languages = LanguageOptions();
  const auto chosen = std::find_if(languages.begin(), languages.end(),
                                   [&](const LanguageOption& o) { return o.code == model_.Language(); });
  language_->setCurrentIndex(chosen == languages.end() ? 0 : static_cast<int>(chosen - languages.begin()));
  justification_->setCurrentIndex(model_.Justification());
  zoom_->setCurrentIndex(model_.ZoomLevel());
  showTips_->setChecked(model_.ShowTips());
  description_->setText(ToQString(model_.Description()));
  description_->setAccessibleName(tr("Font: %1").arg(description_->text()));
  QPalette palette = description_->palette();
  palette.setColor(QPalette::WindowText, FromColorRef(model_.Font().color));
  palette.setColor(QPalette::Window, palette.color(QPalette::Base));
  description_->setPalette(palette);
}

void CPrefsDlg::ChooseFont() {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(model_.Font()), this, tr("Font"));
  if (!ok) return;
  TextFormat format = model_.Font();
  format.face = FromQString(chosen.family());
  format.size = std::clamp(static_cast<int>(std::lround(chosen.pointSizeF() * 2)), 2, 144);
  format.bold = chosen.weight() >= QFont::Bold ? 1 : 0;
  format.italic = chosen.italic() ? 1 : 0;
  format.underline = chosen.underline() ? 1 : 0;
  format.strikeout = chosen.strikeOut() ? 1 : 0;
  model_.SetFont(format);
  ShowModel();
}

void CPrefsDlg::ChooseColor() {
  const QColor chosen = QColorDialog::getColor(FromColorRef(model_.Font().color), this, tr("Color"));
  if (!chosen.isValid()) return;
  TextFormat format = model_.Font();
  format.color = static_cast<Color>(chosen.red()) | (static_cast<Color>(chosen.green()) << 8) |
                 (static_cast<Color>(chosen.blue()) << 16);
  model_.SetFont(format);
  ShowModel();
}

void CPrefsDlg::Reset() {
  model_.Reset();
  ShowModel();
}

void CPrefsDlg::accept() {
  if (!model_.Save(profile_)) {
    CXMessageBox box({FromQString(tr("The options could not be saved: the settings file cannot be written.")),
                      FromQString(tr("Options")),
                      mb::kOk | mb::kIconWarning, {}},
                     this);
    box.Run();
    return;
  }
  QDialog::accept();
}

}  // namespace mirn
