#pragma once
// A table read row by row, whatever holds it: a CSV file or a workbook's sheet.

#include <string>
#include <vector>

namespace mirn {

class RowSource {
 public:
  virtual ~RowSource() = default;
  // The next row: its cells and its number in the file (the line a CSV record starts on,
  // a sheet's row number), both counted from 1. False at the end. Readers of foreign
  // bytes throw their own errors, naming the file and the place.
  virtual bool Next(std::vector<std::wstring>& cells, long long& row) = 0;
  // Back to the first row.
  virtual void Rewind() = 0;
};

}  // namespace mirn
