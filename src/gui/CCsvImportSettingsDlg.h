#pragma once
// "CSV Import Settings": the one character format that imported fields get. Shows the
// format's description, "Choose &Font..." opens the font dialog preset to it, and
// "Align Text:" picks the alignment.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>

#include "exchange/MRBCSVImportSettings.h"

class QComboBox;
class QLabel;

namespace mirn {

class CCsvImportSettingsDlg final : public QDialog {
  Q_OBJECT

 public:
  CCsvImportSettingsDlg(const CsvImportSettings& settings, QWidget* parent);
  const CsvImportSettings& Settings() const;

  // The font chooser: preset with the current font, answers the chosen one or nothing
  // when cancelled. The system font dialog unless a test puts its own.
  using FontChooser = std::function<std::optional<QFont>(const QFont& current, QColor& color)>;
  void SetFontChooser(FontChooser chooser) { chooser_ = std::move(chooser); }
  void ChooseFont();

  static bool Edit(CsvImportSettings& settings, QWidget* parent);

 private:
  void ShowDescription();

  CsvImportSettings settings_;
  QLabel* description_ = nullptr;
  QComboBox* align_ = nullptr;
  FontChooser chooser_;
};

// The font the settings describe (weight 700 when bold, 400 otherwise), and the settings
// a chosen font gives: whole points, bold exactly when the weight is 700.
QFont FontOfCsvSettings(const CsvImportSettings& settings);
void ApplyFontToCsvSettings(const QFont& font, const QColor& color, CsvImportSettings& settings);

}  // namespace mirn
