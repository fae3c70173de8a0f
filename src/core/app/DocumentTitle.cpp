#include "app/DocumentTitle.h"

#include "util/StringTable.h"

namespace mirn {

std::wstring MainWindowTitle(std::wstring_view documentName) {
  std::wstring title = LoadString(kStrAppTitle);
  if (!documentName.empty()) {
    title += L" - ";
    title += documentName;
  }
  return title;
}

}  // namespace mirn
