#pragma once
// The Extension Name Wizard: an introduction page, then one page per new extension with its
// ID and a name field. Back and Next/Finish keep what was typed.

#include <QDialog>

#include "extensions/ExtNameWizardModel.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace mirn {

class CExtNameWizard final : public QDialog {
  Q_OBJECT

 public:
  CExtNameWizard(std::vector<std::wstring> ids, std::vector<std::wstring> names, QWidget* parent = nullptr);

  const std::vector<std::wstring>& Names() const { return model_.Names(); }
  QLineEdit* NameField() const { return name_; }
  QPushButton* ForwardButton() const { return forward_; }
  QPushButton* BackButton() const { return back_; }

 private:
  void Show();

  ExtNameWizardModel model_;
  QStackedWidget* pages_ = nullptr;
  QLabel* id_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
};

}  // namespace mirn
