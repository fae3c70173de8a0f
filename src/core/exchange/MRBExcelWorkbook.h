#pragma once
// The spreadsheet written by the Excel export: one worksheet "Sheet1" of string cells, with
// a bold header format and a wrap-text format. Two kinds: Office Open XML (".xlsx",
// through libxlsxwriter in constant-memory mode, so memory does not grow with the rows)
// and binary Excel 97–2003 (".xls", our own BIFF8 writer).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

#include "exchange/xls/XlsWorkbook.h"

namespace mirn {

using ExcelCellFormat = xls::CellFormat;

class ExcelWorkbook {
 public:
  virtual ~ExcelWorkbook() = default;
  // Rows must be written in ascending order, and cells within a row in ascending column
  // order. False when the cell could not be written (outside the sheet's limits).
  virtual bool WriteString(uint32_t row, uint32_t column, std::wstring_view text,
                           ExcelCellFormat format) = 0;
  // Writes the file. False when it could not be written; no workbook is then left behind.
  virtual bool Save() = 0;
  // Cells whose text was longer than a cell holds (32767 characters) and was cut.
  virtual size_t CutCells() const = 0;
};

// True when the file's extension is "xlsx" in any letter case: those files are written as
// XML workbooks, any other name (".xls", none at all) as binary workbooks.
bool IsXmlWorkbookPath(const std::filesystem::path& path);

// Null when the workbook could not be started (for XML workbooks, libxlsxwriter refused).
std::unique_ptr<ExcelWorkbook> CreateExcelWorkbook(const std::filesystem::path& path, bool xml);

}  // namespace mirn
