#pragma once
// The Find and Replace dialogs: the text to find (and, for Replace, its replacement),
// "Match case", and "Start from beginning of database", which is offered only while an
// earlier search can be continued.

#include <QDialog>

#include "find/FindReplace.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace mirn {

class CFindDlg : public QDialog {
  Q_OBJECT

 public:
  // `last` fills the texts and the case choice of the previous search.
  CFindDlg(FindMode mode, const SearchState& last, bool canContinue, QWidget* parent = nullptr);

  // What the person chose.
  FindRequest Request() const;

  QLineEdit* FindEdit() const { return find_; }
  QLineEdit* ReplaceEdit() const { return replace_; }
  QCheckBox* MatchCase() const { return matchCase_; }
  QCheckBox* FromBeginning() const { return fromBeginning_; }
  QPushButton* StartButton() const { return start_; }

 private:
  FindMode mode_;
  QLineEdit* find_ = nullptr;
  QLineEdit* replace_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QCheckBox* fromBeginning_ = nullptr;
  QPushButton* start_ = nullptr;
};

}  // namespace mirn
