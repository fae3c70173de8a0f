#include "cli/CutLabelsReport.h"

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {

void ReportCutLabels(const std::vector<CutLabels>& cut, std::ostream& err) {
  for (const CutLabels& layout : cut)
    err << FormatString(TrUtf8("Cli", "Warning: layout %1: %2"),
                        {ToUtf8(layout.typeCode), ToUtf8(CutLabelsNote(layout.labels, layout.slots))})
        << '\n';
}

}  // namespace mirn::cli
