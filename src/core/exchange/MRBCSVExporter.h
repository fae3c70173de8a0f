#pragma once
// Export to a CSV file: one line per extension, Windows-1252, CR LF line ends.

#include <fstream>

#include "exchange/MRBExporter.h"

namespace mirn {

class MRBCSVExporter final : public MRBExporter {
 public:
  // Opens (creates or truncates) the file in binary mode at once. The options are those of
  // the CSV export command: no header, type codes, every field, no comment column, so the
  // file has exactly the columns that import reads.
  MRBCSVExporter(MRBBase& database, DDFLibrary& library, std::filesystem::path path);

  bool IsOpen() const { return out_.is_open(); }
  bool Flush() override;
  // Flushes and closes the file.
  bool Finish() override;
  bool WriteRow(const std::vector<std::wstring>& cells) override;

 private:
  std::ofstream out_;
};

}  // namespace mirn
