#pragma once
// The header row of a table from another system (a spreadsheet, a telephone system's
// export): whether a first row names columns, and which column goes where. Names are
// compared without letter case and without blanks or punctuation ("Extension Number",
// "extension_number" and "EXTENSIONNUMBER" are one name).
//
// A first row is a header when
//   1. at least one of its cells names a known column (a synonym below, a column of an
//      import preset, "field N", "key N", or a field's caption), and
//   2. none of its cells looks like an extension number (digits, optionally after "+", "*"
//      or "#"), and
//   3. it is not a row of Mirn's own form: its second cell is not a layout's type code.
// Everything else is data, and the file is read in Mirn's own column order.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirn {

enum class ColumnRole {
  kIgnore,
  kId,         // the extension number
  kName,       // the whole name
  kFirstName,  // joined with the last name by one blank
  kLastName,
  kTypeCode,   // the layout
  kField,      // a field of the layout, by its object id
  kKey,        // the Nth selectable field of the layout, in object id order (1-based)
};

struct ColumnTarget {
  ColumnRole role = ColumnRole::kIgnore;
  unsigned number = 0;  // the object id (kField) or the key's position (kKey)

  bool operator==(const ColumnTarget&) const = default;
};

// "id", "name", "first name", "last name", "type code", "field 12", "key 3", "ignore".
std::wstring TargetName(const ColumnTarget& target);
// The reverse of TargetName, also taking the synonyms ("extension", "layout", ...).
std::optional<ColumnTarget> ParseTarget(std::wstring_view text);

// Lower case, letters and digits only.
std::wstring NormalizeColumnName(std::wstring_view name);

// What a header cell names by itself: a synonym, "field N", "key N"; `captions` maps the
// normalized caption of a layout field to its object id (may be empty). Nothing for an
// unknown name.
std::optional<ColumnTarget> GuessTarget(std::wstring_view header,
                                        const std::map<std::wstring, unsigned>& captions = {});

// Digits, optionally after one "+", "*" or "#": what a telephone system numbers an
// extension with.
bool LooksLikeExtensionNumber(std::wstring_view cell);

// The rules at the top of this file. `knownName` says whether a normalized name is a
// column of an import preset or a field caption; `isTypeCode` whether a cell names an
// installed layout.
bool LooksLikeHeader(const std::vector<std::wstring>& cells,
                     const std::function<bool(const std::wstring& normalized)>& knownName,
                     const std::function<bool(const std::wstring& cell)>& isTypeCode);

struct HeaderMapping {
  std::vector<std::wstring> header;       // the cells of the header row
  std::vector<ColumnTarget> columns;      // one per header cell
  std::vector<std::wstring> unmapped;     // names of the columns that go nowhere, once each

  bool Has(ColumnRole role) const;
  // The column of a role; -1 when none.
  int ColumnOf(ColumnRole role) const;
};

// Maps a header row: `fixed` (normalized name -> target: a preset's table, then the
// user's --map choices, the later winning) first, then GuessTarget for the rest. A guessed
// target that a fixed column already has is not taken (the column is reported unmapped).
HeaderMapping MapHeader(const std::vector<std::wstring>& header,
                        const std::map<std::wstring, ColumnTarget>& fixed,
                        const std::map<std::wstring, unsigned>& captions = {});

// Mirn's own column order: id, type code, name, then keys 1 to `cells - 3`.
HeaderMapping PositionalMapping(size_t cells);

// What is wrong with a mapping, naming the columns: no id column, a name together with
// first/last names, two columns with one target, no layout column without a default
// layout (`haveDefaultType`). Empty when it can be used.
std::wstring MappingProblem(const HeaderMapping& mapping, bool haveDefaultType);

}  // namespace mirn
