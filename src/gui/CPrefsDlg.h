#pragma once
// The Options dialog: the default font for new text (with its description drawn in the
// font's colour), its justification, the default zoom for new databases, and whether the
// Tip of the Day shows at start-up. OK writes the settings; Reset only fills the controls.

#include <QDialog>
#include <QStringList>

#include "app/OptionsModel.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace mirn {

class Profile;

class CPrefsDlg : public QDialog {
  Q_OBJECT

 public:
  // `justifications` and `zoomLevels` are the list texts (the menu texts of the alignment
  // and zoom commands, without "&"); empty lists take the built-in English texts.
  CPrefsDlg(Profile& profile, QStringList justifications, QStringList zoomLevels, QWidget* parent = nullptr);

  const OptionsModel& Model() const { return model_; }
  QString Description() const;

  void accept() override;

 private:
  void ChooseFont();
  void ChooseColor();
  void Reset();
  void ShowModel();

  Profile& profile_;
  OptionsModel model_;
  QLabel* description_ = nullptr;
  QComboBox* justification_ = nullptr;
  QComboBox* zoom_ = nullptr;
  QComboBox* language_ = nullptr;  // takes effect at the next start
  QCheckBox* showTips_ = nullptr;
};

// The built-in list texts of the Options dialog.
QStringList DefaultJustificationTexts();
QStringList DefaultZoomLevelTexts();

}  // namespace mirn
