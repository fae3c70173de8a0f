#pragma once
// The print dialog's rules: the copies a choice stands for, and what the dialog shows of a
// printer.

#include <string>

#include "platform/PrinterSystem.h"

namespace mirn {

// "Multiples:" offers 2 to 1000 copies, 2 at first.
inline constexpr int kMinMultiples = 2;
inline constexpr int kDefaultMultiples = 2;

// 1 for "One copy of each extension"; the number within 2..1000 for "Multiples:".
int CopiesOf(bool multiples, int number);

struct PrinterFields {
  std::wstring status;   // "Ready", "Paused; 2 documents waiting"
  std::wstring type;     // the driver
  std::wstring where;    // the location, or the port when there is none
  std::wstring comment;
};
PrinterFields DescribePrinter(const PrinterInfo& info);

}  // namespace mirn
