#include "cli/ChosenExtensions.h"

#include "cli/DatabaseFile.h"
#include "cli/Messages.h"
#include "db/DbResult.h"
#include "db/MRBBase.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {

std::vector<std::wstring> ChosenExtensions(const ParsedArgs& parsed, MRBBase& db, const std::string& fileName,
                                           std::ostream& err) {
  std::vector<std::wstring> ids;
  if (const auto list = parsed.Value("ids")) {
    for (const std::wstring& id : SplitCommaList(*list)) {
      if (db.ExtensionExists(id)) ids.push_back(id);
      else ReportFile(err, fileName, FormatString(TrUtf8("Cli", "there is no extension %1"), {Quoted(id)}), db::kNoSuchExtension);
    }
  } else {
    for (std::wstring id; db.GetNextExtension(id, id);) ids.push_back(id);
  }
  return ids;
}

}  // namespace mirn::cli
