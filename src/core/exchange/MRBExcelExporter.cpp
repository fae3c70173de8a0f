#include "exchange/MRBExcelExporter.h"

#include "platform/Profile.h"

namespace mirn {
namespace {

constexpr wchar_t kSection[] = L"ExportToExcelDialog";

}  // namespace

ExcelExportOptions ExcelExportOptions::Read(const Profile& profile) {
  ExcelExportOptions o;
  o.openAfterExport = profile.GetInt(kSection, L"OpenAfterExport", 1) != 0;
  o.includeHeaders = profile.GetInt(kSection, L"IncludeHeaders", 1) != 0;
  o.useFriendlyNames = profile.GetInt(kSection, L"UseFriendlyNames", 1) != 0;
  o.includeCommentField = profile.GetInt(kSection, L"IncludeCommentField", 1) != 0;
  return o;
}

bool ExcelExportOptions::Write(Profile& profile) const {
  bool ok = profile.WriteInt(kSection, L"OpenAfterExport", openAfterExport ? 1 : 0);
  ok = profile.WriteInt(kSection, L"IncludeHeaders", includeHeaders ? 1 : 0) && ok;
  ok = profile.WriteInt(kSection, L"UseFriendlyNames", useFriendlyNames ? 1 : 0) && ok;
  ok = profile.WriteInt(kSection, L"IncludeCommentField", includeCommentField ? 1 : 0) && ok;
  return ok;
}

MRBExcelExporter::MRBExcelExporter(MRBBase& database, DDFLibrary& library, std::filesystem::path path,
                                   bool xml)
    : MRBExporter(database, library, std::move(path)) {
  IncludeKeys = false;
  workbook_ = CreateExcelWorkbook(Path(), xml);
}

void MRBExcelExporter::SetOptions(const ExcelExportOptions& options) {
  IncludeHeaders = options.includeHeaders;
  UseFriendlyNames = options.useFriendlyNames;
  IncludeCommentField = options.includeCommentField;
  IncludeKeys = false;
}

bool MRBExcelExporter::Flush() {
  if (!saved_) {
    saved_ = true;
    saveResult_ = workbook_ && workbook_->Save();
  }
  return saveResult_;
}

bool MRBExcelExporter::WriteRow(const std::vector<std::wstring>& cells) {
  if (!workbook_) return false;
  const bool header = IncludeHeaders && row_ == 0;
  bool ok = true;
  for (size_t c = 0; c < cells.size(); ++c) {
    ExcelCellFormat format = header ? ExcelCellFormat::Header : ExcelCellFormat::None;
    if (cells[c].find(L'\n') != std::wstring::npos) format = ExcelCellFormat::Wrap;
    ok = workbook_->WriteString(row_, static_cast<uint32_t>(c), cells[c], format) && ok;
  }
  ++row_;
  return ok;
}

}  // namespace mirn
