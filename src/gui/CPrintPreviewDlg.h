#pragma once
// The print preview: the job's sheets as they will print (same renderer, adjustment and
// first labels), one page at a time, with page navigation and zoom. "Print" closes it with
// the job to be printed.

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace mirn {

class PrintPreviewJob;

class CPrintPreviewDlg final : public QDialog {
  Q_OBJECT

 public:
  // `dpi` is the printer's resolution: device units per inch of the job.
  CPrintPreviewDlg(PrintPreviewJob& job, int dpi, QWidget* parent = nullptr);

  int PageCount() const { return pages_; }
  int CurrentPage() const { return page_; }
  void ShowPage(int page);
  void SetZoom(int percent);
  QLabel* PageView() const { return view_; }
  QLabel* PageText() const { return pageText_; }

 private:
  PrintPreviewJob& job_;
  int dpi_ = 1440;
  int pages_ = 0;
  int page_ = 0;
  int zoom_ = 75;
  QLabel* view_ = nullptr;
  QLabel* pageText_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QComboBox* zoomBox_ = nullptr;
  QScrollArea* scroll_ = nullptr;
};

}  // namespace mirn
