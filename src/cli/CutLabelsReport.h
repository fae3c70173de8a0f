#pragma once
// The warning about labels that would come out cut, shared by `print` and `check`.

#include <ostream>
#include <vector>

#include "print/SheetFit.h"

namespace mirn::cli {

// One line per layout: "Warning: layout HD40: 10 labels would be cut off: ...".
void ReportCutLabels(const std::vector<CutLabels>& cut, std::ostream& err);

}  // namespace mirn::cli
