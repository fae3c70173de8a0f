#pragma once
// The extended message box as a dialog: the icon of its style, the text, the buttons in the
// order the model gives them (with their own labels), the optional check box. Exec() returns
// the result value: the pressed button's id plus the check box's bit when it was ticked.

#include <QDialog>
#include <functional>
#include <vector>

#include "app/MessageBoxModel.h"

class QCheckBox;
class QPushButton;

namespace mirn {

class CXMessageBox : public QDialog {
  Q_OBJECT

 public:
  explicit CXMessageBox(const MessageBoxRequest& request, QWidget* parent = nullptr);

  // Shows the box modally and returns its result value.
  int Run();

  const MessageBoxModel& Model() const { return model_; }
  QPushButton* Button(int buttonId) const;
  QCheckBox* CheckBox() const { return checkBox_; }
  // What the Help button does (it does not answer the question); the box itself knows no
  // help, so that the user guide can show its own problems in a box like this one.
  void SetHelp(std::function<void()> help) { help_ = std::move(help); }

  // Escape and the window's close button end the box only where the model allows it.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Press(int buttonId);

  MessageBoxModel model_;
  std::vector<std::pair<int, QPushButton*>> buttons_;
  QCheckBox* checkBox_ = nullptr;
  bool alerted_ = false;
  std::function<void()> help_;
};

}  // namespace mirn
