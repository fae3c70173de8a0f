#pragma once
// The Copy Styles wizard: five pages (instructions, the source, the destinations of the
// source's layout, the styles with "Everything", the ready summary) over the core's
// CopyStylesWizard, ending in the copy under the progress window.

#include <QDialog>

#include "find/CopyStylesWizard.h"

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace mirn {

class ExtensionListView;

class CCopyStylesWizard : public QDialog {
  Q_OBJECT

 public:
  CCopyStylesWizard(MRBBase& db, DDFLibrary& library, UserInterface& ui, QWidget* parent = nullptr);

  CopyStylesWizard& Model() { return model_; }
  ExtensionListView* SourceList() const { return source_; }
  ExtensionListView* DestinationList() const { return destinations_; }
  QListWidget* StyleList() const { return styles_; }
  QPushButton* NextButton() const { return next_; }
  QPushButton* BackButton() const { return back_; }
  // The outcome of the copy, once it ran.
  const CopyStylesOutcome& Outcome() const { return outcome_; }

  // The buttons, as a click runs them.
  void GoNext();
  void GoBack();

 private:
  QWidget* MakeSummaryPage();
  void ShowPage();
  void TakeChoices();
  void OnStyleChanged(int row);

  MRBBase& db_;
  CopyStylesWizard model_;
  QLabel* heading_ = nullptr;
  QLabel* instructions_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  ExtensionListView* source_ = nullptr;
  ExtensionListView* destinations_ = nullptr;
  QListWidget* styles_ = nullptr;
  QLabel* summary_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;
  CopyStylesOutcome outcome_;
  bool syncingStyles_ = false;
};

}  // namespace mirn
