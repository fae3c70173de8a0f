#include "exchange/MRBCSVExporter.h"

#include "exchange/MRBCSVLine.h"

namespace mirn {

MRBCSVExporter::MRBCSVExporter(MRBBase& database, DDFLibrary& library, std::filesystem::path path,
                               CsvEncoding encoding)
    : MRBExporter(database, library, std::move(path)), encoding_(encoding) {
  IncludeHeaders = false;
  UseFriendlyNames = false;
  IncludeKeys = true;
  IncludeCommentField = false;
  out_.open(Path(), std::ios::binary | std::ios::trunc);
  if (encoding_ == CsvEncoding::kUtf8)
    out_.write(kUtf8ByteOrderMark.data(), static_cast<std::streamsize>(kUtf8ByteOrderMark.size()));
}

bool MRBCSVExporter::Flush() {
  out_.flush();
  return out_.is_open() && out_.good();
}

bool MRBCSVExporter::Finish() {
  const bool flushed = MRBExporter::Finish();
  if (!out_.is_open()) return false;
  out_.close();
  return flushed && !out_.fail();
}

bool MRBCSVExporter::WriteRow(const std::vector<std::wstring>& cells) {
  if (!out_.is_open()) return false;
  const std::string line = FormatCsvRow(cells, encoding_);
  out_.write(line.data(), static_cast<std::streamsize>(line.size()));
  return out_.good();
}

}  // namespace mirn
