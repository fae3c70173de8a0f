#pragma once
// The Custom Zoom dialog: 50, 75, 100, 150, 200 % or Other with a typed percentage,
// limited to 15..1000 % on OK.

#include <QDialog>
#include <optional>
#include <vector>

class QLineEdit;
class QRadioButton;

namespace mirn {

class CZoomDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens showing `percent`: its choice when it is one, else Other with the number.
  explicit CZoomDialog(int percent, QWidget* parent = nullptr);

  // The percentage the controls stand for, within the limits.
  int Percent() const;
  QLineEdit* NumberField() const { return number_; }
  QRadioButton* Choice(int index) const { return choices_[static_cast<std::size_t>(index)]; }

 private:
  int CheckedChoice() const;

  std::vector<QRadioButton*> choices_;
  QLineEdit* number_ = nullptr;
};

// Asks for a zoom percentage starting from `percent`; none when cancelled.
std::optional<int> AskCustomZoom(QWidget* parent, int percent);

}  // namespace mirn
