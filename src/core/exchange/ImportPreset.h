#pragma once
// Import presets: how the export of a known telephone system maps onto Mirn, kept as small
// JSON files ("<name>.json") in the program folder's "presets" and in the user's
// "Mirn/presets" (docs/import-tables.md):
//   { "title": "FreePBX", "separator": ",",
//     "match": ["action", "extension", "name"],
//     "columns": { "extension": "id", "name": "name", "action": "ignore" } }
// A preset is chosen when every "match" column is in the header; "columns" maps header
// names (compared as NormalizeColumnName compares them) to targets (ParseTarget).

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/ColumnMapping.h"

namespace mirn {

struct ImportPreset {
  std::wstring name;        // the file name without ".json": what --preset takes
  std::wstring title;       // what the import page shows
  char separator = 0;       // 0: detected
  std::vector<std::wstring> match;             // normalized column names
  std::map<std::wstring, ColumnTarget> columns;  // normalized column name -> target

  // Whether every match column is in `header`.
  bool Matches(const std::vector<std::wstring>& header) const;
  bool Knows(const std::wstring& normalizedName) const {
    return columns.count(normalizedName) != 0;
  }
};

class PresetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads one preset from its JSON text; throws PresetError naming what is wrong.
ImportPreset ParseImportPreset(std::wstring name, std::string_view json);

// The presets of `folders`, in order: each folder's "*.json" by name; a name found in an
// earlier folder hides a later one. A file that does not read is passed over and listed in
// `problems` (when given) as "FILE: cause".
std::vector<ImportPreset> LoadImportPresets(const std::vector<std::filesystem::path>& folders,
                                            std::vector<std::wstring>* problems = nullptr);

// The first preset whose match columns are all in `header`; null when none.
const ImportPreset* ChoosePreset(const std::vector<ImportPreset>& presets, const std::vector<std::wstring>& header);
// The preset named `name` (any letter case); null when none.
const ImportPreset* FindPreset(const std::vector<ImportPreset>& presets, std::wstring_view name);

}  // namespace mirn
