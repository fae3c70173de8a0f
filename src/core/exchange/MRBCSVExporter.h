#pragma once
// Export to a CSV file: one line per extension, Windows-1252 (or UTF-8 after a byte-order
// mark), CR LF line ends.

#include <fstream>

#include "exchange/MRBCSVLine.h"
#include "exchange/MRBExporter.h"

namespace mirn {

class MRBCSVExporter final : public MRBExporter {
 public:
  // Opens (creates or truncates) the file in binary mode at once. The options are those of
  // the CSV export command: no header, type codes, every field, no comment column, so the
  // file has exactly the columns that import reads.
  // UTF-8 files start with a byte-order mark.
  MRBCSVExporter(MRBBase& database, DDFLibrary& library, std::filesystem::path path,
                 CsvEncoding encoding = CsvEncoding::kWindows1252);

  bool IsOpen() const { return out_.is_open(); }
  bool Flush() override;
  // Flushes and closes the file.
  bool Finish() override;
  bool WriteRow(const std::vector<std::wstring>& cells) override;

 private:
  std::ofstream out_;
  CsvEncoding encoding_ = CsvEncoding::kWindows1252;
};

}  // namespace mirn
