// Tables from other systems: the separator and encoding found in arbitrary bytes, the first
// record taken for a header or not, the columns mapped and the mapping judged, never failing
// and never giving a mapping of another width than its header.
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>

#include "exchange/ColumnMapping.h"
#include "exchange/DelimitedText.h"
#include "exchange/ImportPreset.h"
#include "exchange/TableImport.h"
#include "util/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  const mirn::DelimitedFormat format = mirn::InspectDelimited(in);
  if (format.separator != ',' && format.separator != ';' && format.separator != '\t') __builtin_trap();
  mirn::DelimitedRowSource rows(in, format.separator, format.encoding);
  std::vector<std::wstring> cells;
  long long row = 0;
  if (!rows.Next(cells, row)) return 0;

  static const mirn::ImportPreset preset = mirn::ParseImportPreset(
      L"p", R"({"match": ["#alias"], "columns": {"#alias": "id", "first_name": "first name", "x": "key 2"}})");
  const auto known = [](const std::wstring& n) { return preset.Knows(n); };
  const auto typeCode = [](const std::wstring& cell) { return cell == L"T3"; };
  const bool headed = mirn::LooksLikeHeader(cells, known, typeCode);
  const mirn::HeaderMapping mapping = headed ? mirn::MapHeader(cells, preset.columns, {{L"line1", 10}})
                                             : mirn::PositionalMapping(cells.size());
  if (headed && mapping.columns.size() != cells.size()) __builtin_trap();
  std::set<std::wstring> unmapped(mapping.unmapped.begin(), mapping.unmapped.end());
  if (unmapped.size() != mapping.unmapped.size()) __builtin_trap();
  (void)mirn::MappingProblem(mapping, row % 2 == 0);
  for (const std::wstring& cell : cells) {
    // What a target parses to names itself again.
    if (const auto target = mirn::ParseTarget(cell); target && mirn::ParseTarget(mirn::TargetName(*target)) != target)
      __builtin_trap();
    mirn::TableImportOptions options;
    (void)mirn::AddColumnChoice(options, cell);
  }
  (void)mirn::ChoosePreset({preset}, cells);
  try {
    (void)mirn::ParseImportPreset(L"fuzz", bytes);
  } catch (const mirn::PresetError&) {
  }
  return 0;
}
