#pragma once
// Insert Extension Name: picks another extension of the database whose name a field should
// show, and the style of the inserted code (name alone, or with "Ext." and the ID).

#include <QDialog>
#include <optional>

#include "extensions/ExtensionNameChoice.h"

class QTreeWidget;
class QRadioButton;
class QPushButton;

namespace mirn {

class CExtNameDlg final : public QDialog {
  Q_OBJECT

 public:
  CExtNameDlg(MRBBase& db, Profile& profile, QWidget* parent = nullptr);

  // After OK: the text to insert into the field.
  const std::optional<std::wstring>& InsertText() const { return insertText_; }

  QTreeWidget* Lines() const { return lines_; }
  QRadioButton* StyleButton(int style) const { return styles_[style]; }
  QPushButton* OkButton() const { return ok_; }

  void accept() override;

  // The "About Extension Name Codes" box.
  static void ShowAbout(QWidget* parent);

 private:
  Profile& profile_;
  std::vector<ExtensionNameLine> entries_;
  std::optional<std::wstring> insertText_;
  QTreeWidget* lines_ = nullptr;
  QRadioButton* styles_[3] = {};
  QPushButton* ok_ = nullptr;
};

}  // namespace mirn
