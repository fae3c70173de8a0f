// The yardstick of the desktop start-up: a bare Qt main window with a menu, a toolbar and a
// status bar, started as a process and ended, as `mirn` with MIRN_QUIT_WHEN_IDLE, once it is
// on the screen and idle. bench/startup_process.sh times both in turns.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "gui/QuitWhenIdle.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(960, 640);
  window.menuBar()->addMenu("&File")->addAction("E&xit");
  window.addToolBar("Toolbar")->addAction("New");
  window.statusBar()->showMessage("Ready");
  window.setCentralWidget(new QWidget);
  window.show();
  mirn::QuitWhenIdle();
  return QApplication::exec();
}
