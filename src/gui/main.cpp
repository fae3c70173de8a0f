// mirn: the desktop program.

#include <QApplication>

#include "app/StringTable.h"
#include "gui/CMainFrame.h"
#include "qt/QtText.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(mirn::ToQString(mirn::LoadString(mirn::kStrCompany)));
  QApplication::setApplicationName(mirn::ToQString(mirn::LoadString(mirn::kStrAppTitle)));
  QApplication::setApplicationVersion(MIRN_VERSION);
  mirn::CMainFrame frame;
  frame.show();
  return QApplication::exec();
}
