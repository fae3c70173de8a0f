// Workbooks: arbitrary bytes opened as an .xlsx or .ods and every row read, with small limits
// on expanded sizes; a reader error is the only way out.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/WorkbookReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mirn::WorkbookLimits limits;
  limits.memberBytes = 4 << 20;
  limits.smallMemberBytes = 1 << 20;
  limits.totalBytes = 8 << 20;
  try {
    auto rows = mirn::OpenWorkbook(std::string(reinterpret_cast<const char*>(data), size), L"fuzz.xlsx", L"", limits);
    std::vector<std::wstring> cells;
    long long row = 0;
    long long last = 0;
    for (int pass = 0; pass < 2; ++pass) {
      while (rows->Next(cells, row)) {
        if (cells.size() > limits.columns) __builtin_trap();
        last = row;
      }
      rows->Rewind();
    }
    (void)last;
  } catch (const mirn::WorkbookError&) {
  }
  return 0;
}
