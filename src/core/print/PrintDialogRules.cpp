#include "print/PrintDialogRules.h"

#include <algorithm>

#include "print/Pagination.h"
#include "print/PrinterStatus.h"

namespace mirn {

int CopiesOf(bool multiples, int number) {
  return multiples ? std::clamp(number, kMinMultiples, kMaxCopies) : kMinCopies;
}

PrinterFields DescribePrinter(const PrinterInfo& info) {
  return {PrinterStatusText(info.status, info.queuedJobs), info.driver,
          info.location.empty() ? info.port : info.location, info.comment};
}

}  // namespace mirn
