#pragma once
// The import page of the window: a table's plan, the choice of a target for each column and
// of the layout for rows without one, and the memory of those choices per header (settings
// section "Import Mappings", so the same export maps the same way the next time).

#include <string>
#include <vector>

#include <algorithm>

#include "exchange/TableImport.h"

namespace mirn {

class Profile;

class TableImportPage {
 public:
  // Plans the import at once; library is borrowed.
  TableImportPage(DDFLibrary& library, std::vector<ImportPreset> presets, TableFile file,
                  TableImportOptions options = {});

  const TablePlan& Plan() const { return plan_; }
  const TableImportOptions& Options() const { return options_; }
  const TableFile& File() const { return file_; }

  // The targets a column may take, in the order the drop-down lists them: ignore, id, name,
  // first name, last name, type code, the keys and then the fields of the chosen layout
  // (keys 1 to 24 when no layout is chosen).
  std::vector<ColumnTarget> Targets() const;
  // What the drop-down shows: "Ignore", "ID", "Name", "Key 3", "Field 12 (Line 1)".
  std::wstring TargetLabel(const ColumnTarget& target) const;

  // A column's new target (by its header name; by position when the table has no header
  // or the cell is empty), and a plan made again.
  void SetColumn(size_t column, const ColumnTarget& target);
  // Whether the first row names the columns, and a plan made again.
  void SetHeader(bool header);
  // The layout of rows without one, and a plan made again.
  void SetTypeCode(const std::wstring& typeCode);

  // "Separator: semicolon, encoding: UTF-8, preset: Vodia": what was detected.
  std::wstring Detected() const;
  // "2 extensions will be imported." and, when rows cannot be, how many and the first.
  std::wstring CountText() const;

  // The choices of this header, written to / read from the settings; Recall plans again
  // when it found some.
  void Remember(Profile& profile) const;
  void Recall(const Profile& profile);

  // "N rows cannot be imported: ... Import the other M rows?"
  std::wstring ImportRestQuestion() const;

 private:
  std::wstring HeaderKey() const;
  void Replan();

  DDFLibrary* library_ = nullptr;
  std::vector<ImportPreset> presets_;
  TableFile file_;
  TableImportOptions options_;
  TablePlan plan_;
};

}  // namespace mirn
