// mirn: the desktop program.

#include <QApplication>

#include "util/StringTable.h"
#include "gui/MirnApplication.h"
#include "qt/QtText.h"

namespace {

// The command line after the program name, as one text: arguments that hold blanks are put
// back in double quotes so that the tokens come out as they went in.
std::wstring CommandLineText(int argc, char** argv) {
  std::wstring text;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg = mirn::FromQString(QString::fromLocal8Bit(argv[i]));
    if (!text.empty()) text += L' ';
    text += arg.find(L' ') != std::wstring::npos ? L"\"" + arg + L"\"" : arg;
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(mirn::ToQString(mirn::LoadString(mirn::kStrCompany)));
  QApplication::setApplicationName(mirn::ToQString(mirn::LoadString(mirn::kStrAppTitle)));
  QApplication::setApplicationVersion(MIRN_VERSION);
  mirn::MirnApplication mirnApp;
  if (!mirnApp.Start(CommandLineText(argc, argv))) return 0;
  return QApplication::exec();
}
