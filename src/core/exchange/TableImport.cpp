#include "exchange/TableImport.h"

#include <sstream>

#include "db/MRBBase.h"
#include "exchange/DelimitedText.h"
#include "exchange/WorkbookReader.h"
#include "json/Json.h"
#include "platform/AtomicWrite.h"
#include "platform/KnownFolders.h"
#include "templates/DDFLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

// Workbooks are read whole before their members are expanded.
constexpr std::uintmax_t kTableFileLimit = 512u << 20;

std::map<std::wstring, unsigned> CaptionsOf(DDFLibrary& library, const std::wstring& typeCode) {
  std::map<std::wstring, unsigned> captions;
  for (const auto& [id, caption] : LayoutFields(library, ToUpper(Trim(typeCode)))) {
    const std::wstring n = NormalizeColumnName(caption);
    if (!n.empty()) captions.emplace(n, id);
  }
  return captions;
}

// Choices for the Nth column ("#N") apply by position; the others by name.
void ApplyPositionalChoices(HeaderMapping& mapping, const std::map<std::wstring, ColumnTarget>& map) {
  for (const auto& [key, target] : map) {
    if (key.size() < 2 || key[0] != L'#') continue;
    long long n = 0;
    if (!ParseInt(key.substr(1), n) || n < 1 || n > 100000) continue;
    if (static_cast<size_t>(n) > mapping.columns.size()) {
      mapping.columns.resize(static_cast<size_t>(n));
      mapping.header.resize(static_cast<size_t>(n));
    }
    mapping.columns[static_cast<size_t>(n) - 1] = target;
  }
}

ExchangeOutcome Failed(const TableFile& file, const std::wstring& text) {
  ExchangeOutcome outcome;
  outcome.failedFile = file.bytes ? std::filesystem::path() : file.path;
  outcome.message = file.DisplayName() + L": " + text;
  return outcome;
}

}  // namespace

std::wstring MoreProblemsText(const TablePlan& plan) {
  std::wstring text;
  for (const TableProblem& p : plan.problems) text += L"\n" + ProblemText(p);
  const long long more = plan.bad - static_cast<long long>(plan.problems.size());
  if (more > 0) text += L"\n" + TrN("TableImport", "... and %n more", "... and %n more", more);
  return text;
}

namespace {

std::wstring ProblemsText(const TablePlan& plan) {
  std::wstring text = TrN("TableImport", "%n rows cannot be imported; nothing was stored:",
                          "%n row cannot be imported; nothing was stored:", plan.bad);
  return text + MoreProblemsText(plan);
}

}  // namespace

bool AddColumnChoice(TableImportOptions& options, std::wstring_view choice) {
  const size_t eq = choice.rfind(L'=');
  if (eq == std::wstring_view::npos || eq == 0) return false;
  const auto target = ParseTarget(choice.substr(eq + 1));
  if (!target) return false;
  const std::wstring column = Trim(choice.substr(0, eq));
  long long n = 0;
  // A bare number names a column by position.
  options.map[ParseInt(column, n) ? L"#" + column : NormalizeColumnName(column)] = *target;
  return true;
}

std::wstring TableFile::DisplayName() const { return bytes ? Tr("TableImport", "standard input") : FromPath(path); }

std::unique_ptr<OpenedTable> OpenedTable::Open(const TableFile& file, const TableImportOptions& options,
                                               std::wstring& error) {
  std::unique_ptr<OpenedTable> table(new OpenedTable());
  if (file.bytes) {
    table->bytes_ = *file.bytes;
  } else {
    std::error_code ec;
    if (!ReadWholeFile(file.path, table->bytes_, &ec, kTableFileLimit)) {
      error = FormatString(Tr("TableImport", "cannot read it: %1"), {FromUtf8(ec.message())});
      return nullptr;
    }
  }
  const bool zipped = table->bytes_.compare(0, 4, "PK\x03\x04") == 0;
  const bool ole = table->bytes_.compare(0, 4, "\xD0\xCF\x11\xE0") == 0;
  if (zipped || ole || WorkbookKindOf(file.path) != WorkbookKind::kNone) {
    table->workbook_ = true;
    table->rows_ = OpenWorkbook(std::move(table->bytes_), file.DisplayName(), options.sheet);
    return table;
  }
  table->stream_ = std::make_unique<std::istringstream>(std::move(table->bytes_));
  table->format_ = InspectDelimited(*table->stream_);
  if (options.separator != 0) table->format_.separator = options.separator;
  table->rows_ = std::make_unique<DelimitedRowSource>(*table->stream_, table->format_.separator,
                                                      table->format_.encoding);
  return table;
}

TablePlan PlanTableImport(DDFLibrary& library, const std::vector<ImportPreset>& presets, const TableFile& file,
                          const TableImportOptions& options, bool checkAll, std::unique_ptr<OpenedTable>* keep) {
  TablePlan plan;
  plan.fileName = file.DisplayName();
  std::unique_ptr<OpenedTable> table;
  try {
    table = OpenedTable::Open(file, options, plan.problem);
    if (!table) return plan;
    plan.workbook = table->Workbook();
    plan.encoding = plan.workbook ? CsvEncoding::kUtf8 : table->Format().encoding;
    plan.separator = table->Format().separator;

    RowSource& rows = table->Rows();
    std::vector<std::wstring> first;
    long long row = 0;
    if (!rows.Next(first, row)) {
      plan.problem = Tr("TableImport", "no rows");
      return plan;
    }
    plan.firstRow = first;
    const ImportPreset* chosen = nullptr;
    if (!options.preset.empty()) {
      chosen = FindPreset(presets, options.preset);
      if (!chosen) {
        plan.problem = FormatString(Tr("TableImport", "no import preset is named %1"), {options.preset});
        return plan;
      }
    }
    const auto captions = CaptionsOf(library, options.typeCode);
    const auto knownName = [&](const std::wstring& n) {
      if (captions.count(n) || options.map.count(n)) return true;
      for (const ImportPreset& p : presets)
        if (p.Knows(n)) return true;
      return false;
    };
    const auto isTypeCode = [&](const std::wstring& cell) { return library.Contains(cell); };
    plan.headed = options.header == TableImportOptions::Header::kDetect
                      ? LooksLikeHeader(first, knownName, isTypeCode)
                      : options.header == TableImportOptions::Header::kYes;
    if (!chosen && plan.headed) chosen = ChoosePreset(presets, first);
    if (chosen && chosen->separator != 0 && options.separator == 0 && !plan.workbook &&
        chosen->separator != plan.separator) {
      // The preset knows its system's separator better than the first lines tell.
      plan.separator = chosen->separator;
      TableImportOptions again = options;
      again.separator = chosen->separator;
      again.preset = chosen->name;
      return PlanTableImport(library, presets, file, again, checkAll, keep);
    }
    if (chosen) {
      plan.presetName = chosen->name;
      plan.presetTitle = chosen->title;
    }
    plan.ownFormat = !plan.workbook && !plan.headed && plan.separator == ',' && !chosen && options.map.empty();

    std::map<std::wstring, ColumnTarget> fixed;
    if (chosen) fixed = chosen->columns;
    for (const auto& [name, target] : options.map)
      if (name.empty() || name[0] != L'#') fixed[name] = target;
    plan.mapping = plan.headed ? MapHeader(first, fixed, captions) : PositionalMapping(first.size());
    ApplyPositionalChoices(plan.mapping, options.map);
    plan.problem = MappingProblem(plan.mapping, !Trim(options.typeCode).empty());
    if (!plan.headed) {
      rows.Rewind();
    }

    std::vector<std::wstring> cells;
    while (plan.firstRows.size() < kPreviewRows && rows.Next(cells, row)) plan.firstRows.push_back(cells);
    if (plan.problem.empty() && checkAll) {
      TableRows tableRows(library, rows, plan.mapping, plan.headed, options.typeCode);
      const TableRows::CheckResult checked = tableRows.Check(kProblemsKept, &plan.preview, kPreviewRows);
      plan.good = checked.good;
      plan.bad = checked.bad;
      plan.problems = checked.problems;
    }
    rows.Rewind();
    if (keep) *keep = std::move(table);
  } catch (const WorkbookError& e) {
    plan.problem = FromUtf8(e.what());
  }
  return plan;
}

std::string DryRunText(DDFLibrary& library, const std::vector<ImportPreset>& presets, const TableFile& file,
                       const TableImportOptions& options, bool asJson, ExchangeOutcome& outcome) {
  std::unique_ptr<OpenedTable> table;
  TablePlan plan = PlanTableImport(library, presets, file, options, false, &table);
  outcome = ExchangeOutcome{};
  if (!plan.problem.empty() || !table) {
    outcome = Failed(file, plan.problem);
    return {};
  }
  std::vector<TableRecord> records;
  TableRows::CheckResult checked;
  try {
    TableRows rows(library, table->Rows(), plan.mapping, plan.headed, options.typeCode);
    checked = rows.Check(kProblemsKept, &records, static_cast<size_t>(-1));
  } catch (const WorkbookError& e) {
    outcome = Failed(file, FromUtf8(e.what()));
    return {};
  }
  plan.good = checked.good;
  plan.bad = checked.bad;
  plan.problems = checked.problems;
  outcome.ok = plan.bad == 0 || options.importRest;
  outcome.unmappedColumns = plan.mapping.unmapped;
  outcome.count = plan.good;
  outcome.rowsPassedOver = plan.bad;
  outcome.message = outcome.ok ? TrN("TableImport", "Would import %n extensions", "Would import %n extension", plan.good)
                               : file.DisplayName() + L": " + ProblemsText(plan);
  std::string text;
  if (asJson) {
    json::Value all = json::Value::array();
    for (const TableRecord& r : records) {
      json::Value item;
      item["row"] = r.row;
      item["id"] = ToUtf8(r.id);
      item["type"] = ToUtf8(r.typeCode);
      item["name"] = ToUtf8(r.name);
      json::Value fields = json::Value::object();
      for (const auto& [id, value] : r.fields) fields[std::to_string(id)] = ToUtf8(value);
      item["fields"] = std::move(fields);
      all.push_back(std::move(item));
    }
    text = all.dump(1, '\t') + "\n";
  } else {
    for (const TableRecord& r : records) {
      std::wstring line = FormatString(Tr("TableImport", "row %1: %2 (%3)"), {std::to_wstring(r.row), r.id, r.typeCode});
      if (!r.name.empty()) line += L" " + r.name;
      for (const auto& [id, value] : r.fields) line += L"; " + std::to_wstring(id) + L"=" + value;
      text += ToUtf8(line) + "\n";
    }
  }
  return text;
}

ExchangeOutcome RunTableImport(MRBBase& database, DDFLibrary& library, const Profile& profile,
                               const std::vector<ImportPreset>& presets, const TableFile& file,
                               const TableImportOptions& options, ExchangeProgressView& view,
                               ReplaceQuestion* question) {
  std::unique_ptr<OpenedTable> table;
  const TablePlan plan = PlanTableImport(library, presets, file, options, true, &table);
  if (!plan.problem.empty() || !table) return Failed(file, plan.problem);
  if (plan.bad != 0 && !options.importRest) return Failed(file, ProblemsText(plan));
  try {
    TableRows rows(library, table->Rows(), plan.mapping, plan.headed, options.typeCode);
    TableImporter importer(database, profile, rows, plan.good);
    ImportSession session(view, question, ExistsIn(database));
    ExchangeOutcome outcome = RunImport(importer, view, session);
    outcome.rowsPassedOver = importer.SkippedRows();
    outcome.unmappedColumns = plan.mapping.unmapped;
    return outcome;
  } catch (const WorkbookError& e) {
    return Failed(file, FromUtf8(e.what()));
  }
}

ExchangeOutcome RunDataImport(MRBBase& database, DDFLibrary& library, const Profile& profile,
                              const std::vector<ImportPreset>& presets, const TableFile& file,
                              const TableImportOptions& options, ExchangeProgressView& view,
                              ReplaceQuestion* question) {
  const TablePlan plan = PlanTableImport(library, presets, file, options, false);
  if (!plan.ownFormat || !plan.problem.empty())
    return RunTableImport(database, library, profile, presets, file, options, view, question);
  if (!file.bytes) return RunCsvImport(database, library, profile, file.path, view, question);
  std::istringstream in(*file.bytes);
  return RunCsvImport(database, library, profile, in, view, question);
}

std::vector<std::filesystem::path> PresetFolders(const KnownFolders& folders) {
  return {folders.Get(KnownFolder::Program) / "presets", folders.Get(KnownFolder::LocalAppData) / "Mirn" / "presets"};
}

}  // namespace mirn
