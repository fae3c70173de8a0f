#pragma once
// New Extension: the IDs to add (ranges allowed), one name for all or a name each through
// the Extension Name Wizard, the telephone model by product family and model, and
// optionally an existing extension of that model to copy from ("Show Templating Options").

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "extensions/AddExtensionsModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirn {

class CAddExtDialog final : public QDialog {
  Q_OBJECT

 public:
  // `selectedTypeCode`: the type code of the first selected extension of the list, if any.
  CAddExtDialog(MRBBase& db, DDFLibrary& library, Profile& profile, const std::wstring& selectedTypeCode,
                QWidget* parent = nullptr);

  // After OK: what the creation step is given.
  const AddExtensionsRequest& Request() const { return request_; }

  // Opens the layout designer over the dialog on the layout of `typeCode` (empty: a new
  // layout); `saved` is told the type code of each save.
  using LayoutEditor = std::function<void(QWidget* over, const std::wstring& typeCode,
                                          std::function<void(const std::wstring& saved)> saved)>;
  // Shows "New Layout..." and "Edit Layout..." beside the model; a saved layout becomes the
  // chosen model.
  void SetLayoutEditor(LayoutEditor editor);
  // Lists the library's families and models afresh and chooses the model of `typeCode`.
  void ChooseModel(const std::wstring& typeCode);

  // Tests and scripts replace the two questions of OK; by default they are the dialogs.
  void SetRangeQuestion(RangeQuestion ask) { askRange_ = std::move(ask); }
  void SetNameWizard(NameWizardRunner wizard) { wizard_ = std::move(wizard); }

  QLineEdit* IdField() const { return ids_; }
  QLineEdit* NameField() const { return name_; }
  QCheckBox* DifferentNames() const { return differentNames_; }
  QComboBox* Families() const { return families_; }
  QComboBox* Models() const { return models_; }
  QComboBox* CopyFrom() const { return copyFrom_; }
  QPushButton* TemplatingButton() const { return templating_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* NewLayoutButton() const { return newLayout_; }
  QPushButton* EditLayoutButton() const { return editLayout_; }

  void accept() override;

 private:
  void FillFamilies(const std::wstring& chosen);
  void FillModels();
  void FillCopyFrom();
  void SetTemplatingShown(bool shown);

  MRBBase& db_;
  DDFLibrary& library_;
  Profile& profile_;
  AddExtensionsRequest request_;
  std::vector<std::wstring> names_;
  RangeQuestion askRange_;
  NameWizardRunner wizard_;

  QLineEdit* ids_ = nullptr;
  QLineEdit* name_ = nullptr;
  QCheckBox* differentNames_ = nullptr;
  QComboBox* families_ = nullptr;
  QComboBox* models_ = nullptr;
  QLabel* copyFromLabel_ = nullptr;
  QComboBox* copyFrom_ = nullptr;
  QPushButton* templating_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* newLayout_ = nullptr;
  QPushButton* editLayout_ = nullptr;
  LayoutEditor layoutEditor_;
  std::wstring wantedTypeCode_;
};

}  // namespace mirn
