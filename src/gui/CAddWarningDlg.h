#pragma once
// "Creating Extensions": confirms a range of more than 25 IDs. Create with the choice "all"
// (expand it) or "one" (take the text as one ID, preselected), Skip, or Cancel.

#include <QDialog>

#include "extensions/ExtensionIdList.h"

class QRadioButton;

namespace mirn {

class CAddWarningDlg final : public QDialog {
  Q_OBJECT

 public:
  CAddWarningDlg(const std::wstring& item, long long count, QWidget* parent = nullptr);

  // The answer after exec(): Create gives kCreateAll or kCreateOne.
  RangeChoice Choice() const { return choice_; }
  QRadioButton* AllChoice() const { return all_; }

  // Shows the dialog for one range and answers the person's choice.
  static RangeChoice Ask(const std::wstring& item, long long count, QWidget* parent);

 private:
  QRadioButton* all_ = nullptr;
  QRadioButton* one_ = nullptr;
  RangeChoice choice_ = RangeChoice::kCancel;
};

}  // namespace mirn
