#include "exchange/TableImportPage.h"

#include "exchange/DelimitedText.h"
#include "platform/Profile.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr wchar_t kMappingsSection[] = L"Import Mappings";
constexpr unsigned kKeysWithoutLayout = 24;

}  // namespace

TableImportPage::TableImportPage(DDFLibrary& library, std::vector<ImportPreset> presets, TableFile file,
                                 TableImportOptions options)
    : library_(&library), presets_(std::move(presets)), file_(std::move(file)), options_(std::move(options)) {
  Replan();
}

void TableImportPage::Replan() { plan_ = PlanTableImport(*library_, presets_, file_, options_, true); }

std::vector<ColumnTarget> TableImportPage::Targets() const {
  std::vector<ColumnTarget> targets = {{ColumnRole::kIgnore, 0},    {ColumnRole::kId, 0},
                                       {ColumnRole::kName, 0},      {ColumnRole::kFirstName, 0},
                                       {ColumnRole::kLastName, 0},  {ColumnRole::kTypeCode, 0}};
  const auto fields = LayoutFields(*library_, ToUpper(Trim(options_.typeCode)));
  const unsigned keys = fields.empty() ? kKeysWithoutLayout : static_cast<unsigned>(fields.size());
  for (unsigned k = 1; k <= keys; ++k) targets.push_back({ColumnRole::kKey, k});
  for (const auto& [id, caption] : fields) targets.push_back({ColumnRole::kField, id});
  // A target the mapping has that the list lacks (a field of another layout) stays choosable.
  for (const ColumnTarget& t : plan_.mapping.columns)
    if (std::find(targets.begin(), targets.end(), t) == targets.end()) targets.push_back(t);
  return targets;
}

std::wstring TableImportPage::TargetLabel(const ColumnTarget& target) const {
  switch (target.role) {
    case ColumnRole::kIgnore: return Tr("TableImport", "Ignore");
    case ColumnRole::kId: return Tr("TableImport", "ID");
    case ColumnRole::kName: return Tr("TableImport", "Name");
    case ColumnRole::kFirstName: return Tr("TableImport", "First name");
    case ColumnRole::kLastName: return Tr("TableImport", "Last name");
    case ColumnRole::kTypeCode: return Tr("TableImport", "Layout");
    case ColumnRole::kKey: return FormatString(Tr("TableImport", "Key %1"), {std::to_wstring(target.number)});
    case ColumnRole::kField: break;
  }
  const std::wstring number = std::to_wstring(target.number);
  for (const auto& [id, caption] : LayoutFields(*library_, ToUpper(Trim(options_.typeCode))))
    if (id == target.number && !Trim(caption).empty()) {
      return FormatString(Tr("TableImport", "Field %1 (%2)"), {number, Trim(caption)});
    }
  return FormatString(Tr("TableImport", "Field %1"), {number});
}

void TableImportPage::SetColumn(size_t column, const ColumnTarget& target) {
  const bool byName = plan_.headed && column < plan_.mapping.header.size() &&
                      !NormalizeColumnName(plan_.mapping.header[column]).empty();
  options_.map[byName ? NormalizeColumnName(plan_.mapping.header[column]) : L"#" + std::to_wstring(column + 1)] = target;
  Replan();
}

void TableImportPage::SetHeader(bool header) {
  options_.header = header ? TableImportOptions::Header::kYes : TableImportOptions::Header::kNo;
  Replan();
}

void TableImportPage::SetTypeCode(const std::wstring& typeCode) {
  options_.typeCode = typeCode;
  Replan();
}

std::wstring TableImportPage::Detected() const {
  std::wstring text;
  if (plan_.workbook) {
    text = Tr("TableImport", "Workbook");
  } else {
    text = FormatString(Tr("TableImport", "Separator: %1, encoding: %2"),
                        {SeparatorName(plan_.separator), plan_.encoding == CsvEncoding::kUtf8 ? L"UTF-8" : L"Windows-1252"});
  }
  text += L", " + (plan_.headed ? Tr("TableImport", "header row") : Tr("TableImport", "no header row"));
  if (!plan_.presetTitle.empty()) text += L", " + FormatString(Tr("TableImport", "preset: %1"), {plan_.presetTitle});
  return text;
}

std::wstring TableImportPage::CountText() const {
  if (!plan_.problem.empty()) return plan_.problem;
  std::wstring text = TrN("TableImport", "%n extensions will be imported.", "%n extension will be imported.", plan_.good);
  if (plan_.bad != 0) {
    text += L" " + FormatString(TrN("TableImport", "%n rows cannot be (%1).", "%n row cannot be (%1).", plan_.bad),
                                {ProblemText(plan_.problems.front())});
  }
  if (!plan_.mapping.unmapped.empty()) {
    std::wstring columns;
    for (size_t i = 0; i < plan_.mapping.unmapped.size(); ++i) columns += (i == 0 ? L"" : L", ") + plan_.mapping.unmapped[i];
    text += L" " + FormatString(Tr("TableImport", "Not imported: %1."), {columns});
  }
  return text;
}

std::wstring TableImportPage::ImportRestQuestion() const {
  std::wstring text = file_.DisplayName() + L": " +
                     TrN("TableImport", "%n rows cannot be imported:", "%n row cannot be imported:", plan_.bad) +
                     MoreProblemsText(plan_);
  text += L"\n\n" + TrN("TableImport", "Import the other %n rows?", "Import the other %n row?", plan_.good);
  return text;
}

std::wstring TableImportPage::HeaderKey() const {
  std::wstring key;
  for (const std::wstring& h : plan_.firstRow) key += NormalizeColumnName(h) + L"|";
  return key;
}

void TableImportPage::Remember(Profile& profile) const {
  if (!plan_.headed) return;
  std::wstring value = L"@" + ToUpper(Trim(options_.typeCode));
  for (size_t i = 0; i < plan_.mapping.columns.size() && i < plan_.mapping.header.size(); ++i) {
    const std::wstring name = NormalizeColumnName(plan_.mapping.header[i]);
    if (!name.empty()) value += L";" + name + L"=" + TargetName(plan_.mapping.columns[i]);
  }
  profile.WriteString(kMappingsSection, HeaderKey(), value);
}

void TableImportPage::Recall(const Profile& profile) {
  if (plan_.firstRow.empty()) return;
  const std::wstring value = profile.GetString(kMappingsSection, HeaderKey(), L"");
  if (value.empty() || value[0] != L'@') return;
  // Only headers are remembered: the row was one when it was chosen.
  options_.header = TableImportOptions::Header::kYes;
  size_t at = value.find(L';');
  if (options_.typeCode.empty()) options_.typeCode = value.substr(1, at == std::wstring::npos ? at : at - 1);
  while (at != std::wstring::npos) {
    const size_t next = value.find(L';', at + 1);
    const std::wstring choice = value.substr(at + 1, next == std::wstring::npos ? next : next - at - 1);
    const size_t eq = choice.find(L'=');
    if (eq != std::wstring::npos) {
      if (const auto target = ParseTarget(choice.substr(eq + 1))) options_.map[choice.substr(0, eq)] = *target;
    }
    at = next;
  }
  Replan();
}

}  // namespace mirn
