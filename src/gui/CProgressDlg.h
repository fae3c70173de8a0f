#pragma once
// The progress window of long loops: a title, one line of text, a bar and "Stop". While it
// is open the window that started the loop (its owner) is disabled; the destructor enables
// it again. The loop calls RunPendingMessages between items so that the program repaints
// and the Stop button is seen at once.

#include <QDialog>
#include <QElapsedTimer>
#include <QString>

#include "platform/UserInterface.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace mirn {

class CProgressDlg final : public QDialog, public ProgressWindow {
  Q_OBJECT

 public:
  // Opens and shows the window over `owner` (may be null), which it disables.
  CProgressDlg(const QString& title, QWidget* owner);
  ~CProgressDlg() override;

  void SetLine(const std::wstring& text) override;
  void SetRange(long long total) override;
  void Step() override;
  long long Position() const override { return position_; }
  void MoveToEnd() override;
  bool StopPressed() const override { return stopPressed_; }
  bool RunPendingMessages() override;

  QPushButton* StopButton() const { return stop_; }
  QString Line() const;
  int BarValue() const;

  // Escape and the close button mean Stop; the loop closes the window.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PressStop();
  void ShowPosition();
  // Puts the latest line and position on the screen; the loop's calls only record them, at
  // most every kPaintInterval, so that painting never slows a long loop down.
  void Paint();
  bool PaintDue() const;

  static constexpr qint64 kPaintIntervalMs = 50;

  QWidget* owner_ = nullptr;
  bool ownerWasEnabled_ = false;
  QLabel* line_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QPushButton* stop_ = nullptr;
  long long total_ = 0;
  long long position_ = 0;
  bool stopPressed_ = false;
  bool quitRequested_ = false;
  QString lineText_;      // the latest line, shown at the next paint
  QElapsedTimer painted_;  // since the window was last brought up to date

};

}  // namespace mirn
