// CSV import lines: splitting arbitrary bytes must never fail, and whatever the writer
// produces from the tokens must split back into the same tokens.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "exchange/MRBCSVLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  (void)mirn::CountCsvDataLines(in);
  std::string line;
  while (std::getline(in, line)) {
    if (!mirn::IsCsvDataLine(line)) continue;
    const auto tokens = mirn::SplitCsvLine(mirn::TrimCsvLine(line));
    if (tokens.empty()) __builtin_trap();
    // Cells before the last lose their outer blanks and CRs, and only Windows-1252
    // characters survive the writer, so compare on what the format can carry.
    const std::string written = mirn::FormatCsvRow(tokens);
    const auto again = mirn::SplitCsvLine(mirn::TrimCsvLine(written));
    const auto twice = mirn::SplitCsvLine(mirn::TrimCsvLine(mirn::FormatCsvRow(again)));
    if (again != twice) __builtin_trap();
  }
  return 0;
}
