#include "gui/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "app/DocumentTitle.h"
#include "app/StringTable.h"
#include "qt/QtText.h"

namespace mirn {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MainFrame");
  resize(960, 640);
  CreateActions();
  auto* placeholder = new QLabel(this);
  placeholder->setAlignment(Qt::AlignCenter);
  setCentralWidget(placeholder);
  statusBar()->showMessage(tr("Ready"));
  SetDocumentName(LoadString(kStrUntitled));
}

void CMainFrame::SetDocumentName(const std::wstring& documentName) {
  setWindowTitle(ToQString(MainWindowTitle(documentName)));
}

void CMainFrame::CreateActions() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* exit = file->addAction(tr("E&xit"));
  exit->setShortcut(QKeySequence::Quit);
  connect(exit, &QAction::triggered, this, &QWidget::close);
}

}  // namespace mirn
