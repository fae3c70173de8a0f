#pragma once
// The Tip of the Day window: one tip at a time on a pale yellow card with a light bulb,
// "Next Tip", "Previous Tip", the start-up check box and Close.

#include <QDialog>
#include <filesystem>
#include <memory>

#include "app/TipOfTheDay.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace mirn {

class Profile;

class CTipDlg : public QDialog {
  Q_OBJECT

 public:
  CTipDlg(TipsFile tips, Profile& profile, QWidget* parent = nullptr);
  ~CTipDlg() override;

  const TipOfTheDay& Tips() const { return tips_; }
  QString TipText() const;

 protected:
  void done(int result) override;

 private:
  void ShowTip();

  TipOfTheDay tips_;
  Profile& profile_;
  class TipArea* area_ = nullptr;
  QCheckBox* showAtStartup_ = nullptr;
  bool closed_ = false;
};

// Opens the Tip of the Day over `parent` and waits until it is closed. Returns false
// without a window when `tipsPath` is empty, cannot be read or holds no line.
bool ShowTipOfTheDay(QWidget* parent, Profile& profile, const std::filesystem::path& tipsPath);

}  // namespace mirn
