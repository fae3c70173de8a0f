#pragma once
// The custom codes dialogs: the list of codes with New, Edit and Delete (saved on OK), and the
// dialog of one code with its text and, optionally, its style.

#include <QDialog>
#include <filesystem>
#include <vector>

#include "text/CustomCodes.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace mirn {

class UserInterface;

class CCustomCodeDlg : public QDialog {
  Q_OBJECT

 public:
  // `withStyle`: the code carries its own style (the check box starts ticked).
  CCustomCodeDlg(const CustomCode& code, bool withStyle, const TextFormat& defaultStyle, QWidget* parent = nullptr);
  // The code as edited: with the box cleared it takes the default style.
  CustomCode Code() const;
  QPlainTextEdit* TextEdit() const { return text_; }
  QCheckBox* IncludeFormatting() const { return include_; }
  QComboBox* AlignmentList() const { return alignment_; }

 private:
  void ChooseFont();
  void ChooseColor();
  void UpdateControls();

  TextFormat style_;
  TextFormat defaultStyle_;
  QPlainTextEdit* text_ = nullptr;
  QCheckBox* include_ = nullptr;
  QPushButton* font_ = nullptr;
  QPushButton* color_ = nullptr;
  QLabel* description_ = nullptr;
  QComboBox* alignment_ = nullptr;
};

class CCustomCodesDlg : public QDialog {
  Q_OBJECT

 public:
  CCustomCodesDlg(std::vector<CustomCode> codes, std::filesystem::path file, TextFormat defaultStyle,
                  UserInterface& ui, QWidget* parent = nullptr);
  const std::vector<CustomCode>& Codes() const { return codes_; }
  QListWidget* List() const { return list_; }

  void New();
  void Edit();
  void Delete();
  void accept() override;

 private:
  void Rebuild(int selectIndex = -1);
  void UpdateButtons();
  std::vector<int> SelectedIndexes() const;

  std::vector<CustomCode> codes_;
  std::filesystem::path file_;
  TextFormat defaultStyle_;
  UserInterface& ui_;
  QListWidget* list_ = nullptr;
  QPushButton* edit_ = nullptr;
  QPushButton* delete_ = nullptr;
};

}  // namespace mirn
