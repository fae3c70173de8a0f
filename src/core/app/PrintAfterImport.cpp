#include "app/PrintAfterImport.h"

#include "app/DocumentController.h"
#include "db/MRBBase.h"

namespace mirn {

bool PrintEveryExtension(const DocumentController& document,
                         const std::function<bool(const std::vector<std::wstring>&)>& print) {
  MRBBase* database = document.Database();
  if (!database || database->GetExtensionCount() < 1 || !print) return false;
  std::vector<std::wstring> ids;
  for (std::wstring id; database->GetNextExtension(id, id);) ids.push_back(id);
  return print(ids);
}

PrintAfterImport::PrintAfterImport(DocumentController& document, PrintAfterImportHooks hooks)
    : document_(document), hooks_(std::move(hooks)) {}

bool PrintAfterImport::FilterDone() {
  // Events that arrived with the report run first (the filter's last window changes); a
  // program that is quitting does nothing more.
  if (hooks_.runPendingEvents && !hooks_.runPendingEvents()) return false;
  if (!pending_) return false;
  PrintEveryExtension(document_, hooks_.printExtensions);
  pending_ = false;
  if (MRBBase* database = document_.Database()) database->ClearModified();
  if (hooks_.closeMainWindow) hooks_.closeMainWindow();
  return true;
}

}  // namespace mirn
