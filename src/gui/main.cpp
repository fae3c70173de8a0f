// mirn: the desktop program.

#include <QApplication>
#include <QCommandLineParser>
#include <cstdlib>
#include <cstring>

#include "gui/MirnApplication.h"
#include "gui/QuitWhenIdle.h"
#include "platform/IniProfile.h"
#include "platform/KnownFolders.h"
#include "qt/Logging.h"
#include "qt/QtText.h"
#include "qt/Translations.h"
#include "util/StringTable.h"

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

bool AsksForHelpOrVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"--help", "-h", "-?", "--help-all", "--version", "-v"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

// --help and --version print and exit before any window system is asked for, so that they
// work without a display. Every other argument (a file name, /P, /I, /NODELETE, also written
// with "-") goes to the program's own command line as it always has.
[[noreturn]] void ShowHelpOrVersion(int argc, char** argv) {
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("mirn"));
  QCoreApplication::setApplicationVersion(MIRN_VERSION);
  // In the user's language, as the window would be; Qt's translation gives the parser's own
  // lines ("Usage:", "Options:").
  const mirn::IniProfile settings(mirn::IniProfile::DefaultPath(mirn::XdgKnownFolders()));
  mirn::Translations translations(mirn::Translations::ChosenLocale(settings), mirn::Translations::ProgramFolder());
  translations.Install();
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate("MirnHelp",
      "Mirn designs, keeps and prints the paper labels beside the buttons of desk telephones.\n"
      "\n"
      "Switches (written with / or -, in any case):\n"
      "  /P FILE          print every label of the database FILE on the current printer and close\n"
      "  /I FILE.csv      import the CSV file into a new database, then delete the CSV file\n"
      "  /NODELETE        with /I: keep the CSV file\n"
      "  /I FILE.csv /P   import, print the labels and close\n"
      "\n"
      "mirn-cli does the same work from scripts; see mirn-cli(1)."));
  parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QCoreApplication::translate("MirnHelp", "file"),
                               QCoreApplication::translate("MirnHelp", "A label database (.mrb) to open."),
                               QCoreApplication::translate("MirnHelp", "[file]"));
  // The switches are not options of the parser: what it does not know is left alone.
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(version)) parser.showVersion();
  parser.showHelp(0);
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForHelpOrVersion(argc, argv)) ShowHelpOrVersion(argc, argv);
  QApplication app(argc, argv);
  mirn::InstallCoreLogSink();
  const mirn::IniProfile settings(mirn::IniProfile::DefaultPath(mirn::XdgKnownFolders()));
  mirn::Translations translations(mirn::Translations::ChosenLocale(settings), mirn::Translations::ProgramFolder());
  translations.Install();
  QApplication::setOrganizationName(mirn::ToQString(mirn::LoadString(mirn::kStrCompany)));
  QApplication::setApplicationName(mirn::ToQString(mirn::LoadString(mirn::kStrAppTitle)));
  QApplication::setApplicationVersion(MIRN_VERSION);
  mirn::MirnApplication mirnApp;
  if (!mirnApp.Start(CommandLineText(argc, argv))) return 0;
  if (std::getenv("MIRN_QUIT_WHEN_IDLE")) mirn::QuitWhenIdle();
  return QApplication::exec();
}
