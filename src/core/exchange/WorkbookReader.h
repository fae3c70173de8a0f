#pragma once
// Workbooks read as tables: the first sheet (or a named one) of an Office Open XML
// workbook (.xlsx) or an OpenDocument spreadsheet (.ods). The zip container is read with
// libzip, the XML with pugixml. An .xlsx sheet is streamed row by row, so a large sheet
// needs little memory; every member is read with a limit on its expanded size, so that a
// small file cannot expand without bound (a "zip bomb").
//
// Cells give the text a person reads: shared and inline strings, numbers that are whole
// written without ".0", dates and times as the cell's date format shows them, booleans as
// TRUE/FALSE, formulas as their last computed value.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "exchange/RowSource.h"

namespace mirn {

// A workbook that cannot be read; the message names the file and, where it applies, the
// sheet's row and column.
class WorkbookError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class WorkbookKind { kNone, kXlsx, kOds };

struct WorkbookLimits {
  std::uint64_t memberBytes = 512ull << 20;   // one member (a sheet) expanded
  std::uint64_t totalBytes = 1ull << 30;      // all members read, expanded
  std::uint64_t smallMemberBytes = 64ull << 20;  // members read whole (shared strings, styles, .ods content)
  size_t columns = 16384;                      // cells a row may hold
};

// By the file's name: ".xlsx"/".xlsm" and ".ods" in any case.
WorkbookKind WorkbookKindOf(const std::filesystem::path& path);

// Opens the sheet `sheet` (empty: the first) of a workbook held in `bytes`; `name` is the
// file's name for messages. Throws WorkbookError: not a zip file, an encrypted workbook
// (an OLE2 container), a workbook with macros, no such sheet, a member over its limit.
std::unique_ptr<RowSource> OpenWorkbook(std::string bytes, const std::wstring& name, const std::wstring& sheet,
                                        const WorkbookLimits& limits = {});

// The sheet names in order (for messages and the import page).
std::vector<std::wstring> WorkbookSheetNames(const RowSource& workbook);

// "A" for 1, "AA" for 27.
std::wstring ColumnLetters(size_t column);

}  // namespace mirn
