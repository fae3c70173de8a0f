#pragma once
// The main window: the frame around the extension list and the label panel.

#include <QMainWindow>
#include <string>

namespace mirn {

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(QWidget* parent = nullptr);

  // Shows `documentName` in the title bar (empty: the program's name alone).
  void SetDocumentName(const std::wstring& documentName);

 private:
  void CreateActions();
};

}  // namespace mirn
