// CSV import records: splitting arbitrary bytes must never fail, in either encoding, and
// whatever the writer produces from the tokens must split back into the same tokens.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "exchange/MRBCSVLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  const mirn::CsvEncoding encoding = mirn::ReadCsvEncoding(in);
  const long long counted = mirn::CountCsvDataLines(in);
  mirn::CsvRecordReader reader(in);
  mirn::CsvRecord record;
  long long records = 0;
  long long lastLine = 0;
  while (reader.Next(record)) {
    ++records;
    // Records come in file order, each from a data line.
    if (record.line <= lastLine || !mirn::IsCsvDataLine(record.text)) __builtin_trap();
    lastLine = record.line;
    const auto tokens = mirn::SplitCsvLine(record.text, encoding);
    if (tokens.empty()) __builtin_trap();
    // Cells before the last lose their outer blanks and CRs, and only Windows-1252
    // characters survive its writer, so compare on what the format can carry.
    const std::string written = mirn::FormatCsvRow(tokens, encoding);
    const auto again = mirn::SplitCsvLine(mirn::TrimCsvLine(written), encoding);
    const auto twice = mirn::SplitCsvLine(mirn::TrimCsvLine(mirn::FormatCsvRow(again, encoding)), encoding);
    if (again != twice) __builtin_trap();
  }
  if (records != counted) __builtin_trap();
  return 0;
}
