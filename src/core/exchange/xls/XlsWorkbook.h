#pragma once
// A binary Excel 97–2003 workbook (BIFF8 in an OLE2 compound file) with one worksheet
// "Sheet1" of string cells. Cells take one of three formats: none, a bold header, or
// wrapped text. Cells are kept in memory until Save; the format itself limits a sheet to
// 65536 rows and 256 columns.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mirn::xls {

enum class CellFormat { None, Header, Wrap };

class Workbook {
 public:
  static constexpr uint32_t kMaxRows = 65536;
  static constexpr uint32_t kMaxColumns = 256;
  static constexpr size_t kMaxCellLength = 32767;  // UTF-16 code units, as Excel counts

  // False, and nothing written, when the cell lies outside the sheet's limits. Longer
  // texts are cut to kMaxCellLength (counted by CutCells).
  bool WriteString(uint32_t row, uint32_t column, std::wstring_view text, CellFormat format);

  // The "Workbook" stream: the global records (fonts, formats, the sheet list, the shared
  // strings) followed by the worksheet.
  std::vector<uint8_t> BuildWorkbookStream() const;
  // Writes the compound file; false when the file could not be written completely.
  bool Save(const std::filesystem::path& path) const;

  size_t CutCells() const { return cutCells_; }

 private:
  struct Cell {
    uint16_t row = 0;
    uint16_t column = 0;
    uint16_t xf = 0;
    uint32_t sst = 0;
  };
  uint32_t Intern(std::u16string text);

  std::vector<Cell> cells_;
  std::vector<std::u16string> strings_;
  std::unordered_map<std::u16string, uint32_t> stringIndex_;
  uint32_t lastRow_ = 0;
  uint32_t lastColumn_ = 0;
  size_t cutCells_ = 0;
};

}  // namespace mirn::xls
