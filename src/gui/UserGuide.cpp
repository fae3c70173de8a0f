#include "gui/UserGuide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include "app/TranslatedFile.h"
#include "gui/CXMessageBox.h"
#include "platform/KnownFolders.h"
#include "qt/QtText.h"

namespace mirn {

std::filesystem::path UserGuidePath() { return UserGuideFile(XdgKnownFolders().Get(KnownFolder::Program)); }

bool OpenUserGuide(QWidget* parent) {
  const auto path = UserGuidePath();
  std::error_code error;
  std::wstring problem;
  if (!std::filesystem::is_regular_file(path, error)) {
    problem = FromQString(QCoreApplication::translate("UserGuide", "The user guide was not found.\n\nIt should be at: %1")
                              .arg(PathToQString(path)));
  } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(path)))) {
    problem = FromQString(QCoreApplication::translate(
                              "UserGuide", "No program to show the user guide was found.\n\nYou can open it in a web browser: %1")
                              .arg(PathToQString(path)));
  } else {
    return true;
  }
  CXMessageBox box({problem, {}, mb::kOk | mb::kIconWarning, {}}, parent);
  box.Run();
  return false;
}

}  // namespace mirn
