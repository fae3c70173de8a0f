#include "cli/CutLabelsReport.h"

#include "util/Text.h"

namespace mirn::cli {

void ReportCutLabels(const std::vector<CutLabels>& cut, std::ostream& err) {
  for (const CutLabels& layout : cut)
    err << "Warning: layout " << ToUtf8(layout.typeCode) << ": " << ToUtf8(CutLabelsNote(layout.labels, layout.slots))
        << '\n';
}

}  // namespace mirn::cli
