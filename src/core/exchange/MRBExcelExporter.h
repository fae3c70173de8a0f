#pragma once
// Export to a spreadsheet: the rows of the common exporter written as string cells of
// "Sheet1", the header row bold, cells holding a line break wrapped.

#include <memory>

#include "exchange/MRBExcelWorkbook.h"
#include "exchange/MRBExporter.h"

namespace mirn {

class Profile;

// The choices of the "Export to Excel" dialog, kept in the settings section
// "ExportToExcelDialog", each on by default.
struct ExcelExportOptions {
  bool openAfterExport = true;
  bool includeHeaders = true;
  bool useFriendlyNames = true;
  bool includeCommentField = true;

  static ExcelExportOptions Read(const Profile& profile);
  bool Write(Profile& profile) const;
};

class MRBExcelExporter final : public MRBExporter {
 public:
  // `xml` chooses an .xlsx workbook, otherwise a binary .xls one. Per-field key columns
  // are never part of a spreadsheet export.
  MRBExcelExporter(MRBBase& database, DDFLibrary& library, std::filesystem::path path, bool xml);

  // Applies the dialog's choices.
  void SetOptions(const ExcelExportOptions& options);
  // False when the workbook could not be started.
  bool IsOpen() const { return workbook_ != nullptr; }

  // Saves the workbook (once); false when the file could not be written.
  bool Flush() override;
  bool WriteRow(const std::vector<std::wstring>& cells) override;

  size_t CutCells() const { return workbook_ ? workbook_->CutCells() : 0; }

 private:
  std::unique_ptr<ExcelWorkbook> workbook_;
  uint32_t row_ = 0;
  bool saved_ = false;
  bool saveResult_ = false;
};

}  // namespace mirn
