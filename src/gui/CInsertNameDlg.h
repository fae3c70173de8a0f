#pragma once
// "Insert Extension Name": picks another extension of the open database and the style in
// which its name code is written.

#include <QDialog>
#include <optional>
#include <string>

class QButtonGroup;
class QTreeWidget;

namespace mirn {

class MRBBase;
class Profile;
class UserInterface;

class CInsertNameDlg : public QDialog {
  Q_OBJECT

 public:
  CInsertNameDlg(MRBBase& db, Profile& profile, UserInterface& ui, QWidget* parent = nullptr);
  // The code to insert; nothing when no extension was chosen.
  std::optional<std::wstring> Code() const { return code_; }
  QTreeWidget* List() const { return list_; }

  void accept() override;

 private:
  Profile& profile_;
  UserInterface& ui_;
  QTreeWidget* list_ = nullptr;
  QButtonGroup* styles_ = nullptr;
  std::optional<std::wstring> code_;
};

}  // namespace mirn
