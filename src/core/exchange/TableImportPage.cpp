#include "exchange/TableImportPage.h"

#include "exchange/DelimitedText.h"
#include "platform/Profile.h"
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
    case ColumnRole::kIgnore: return L"Ignore";
    case ColumnRole::kId: return L"ID";
    case ColumnRole::kName: return L"Name";
    case ColumnRole::kFirstName: return L"First name";
    case ColumnRole::kLastName: return L"Last name";
    case ColumnRole::kTypeCode: return L"Layout";
    case ColumnRole::kKey: return L"Key " + std::to_wstring(target.number);
    case ColumnRole::kField: break;
  }
  std::wstring label = L"Field " + std::to_wstring(target.number);
  for (const auto& [id, caption] : LayoutFields(*library_, ToUpper(Trim(options_.typeCode))))
    if (id == target.number && !Trim(caption).empty()) label += L" (" + Trim(caption) + L")";
  return label;
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
    text = L"Workbook";
  } else {
    text = L"Separator: " + SeparatorName(plan_.separator) + L", encoding: " +
           (plan_.encoding == CsvEncoding::kUtf8 ? L"UTF-8" : L"Windows-1252");
  }
  text += plan_.headed ? L", header row" : L", no header row";
  if (!plan_.presetTitle.empty()) text += L", preset: " + plan_.presetTitle;
  return text;
}

std::wstring TableImportPage::CountText() const {
  if (!plan_.problem.empty()) return plan_.problem;
  std::wstring text = std::to_wstring(plan_.good) + (plan_.good == 1 ? L" extension" : L" extensions") +
                      L" will be imported.";
  if (plan_.bad != 0) {
    text += L" " + std::to_wstring(plan_.bad) + (plan_.bad == 1 ? L" row cannot" : L" rows cannot") + L" be (" +
            ProblemText(plan_.problems.front()) + L").";
  }
  if (!plan_.mapping.unmapped.empty()) {
    text += L" Not imported:";
    for (size_t i = 0; i < plan_.mapping.unmapped.size(); ++i)
      text += (i == 0 ? L" " : L", ") + plan_.mapping.unmapped[i];
    text += L".";
  }
  return text;
}

std::wstring TableImportPage::ImportRestQuestion() const {
  std::wstring text = file_.DisplayName() + L": " + std::to_wstring(plan_.bad) +
                      (plan_.bad == 1 ? L" row cannot" : L" rows cannot") + L" be imported:";
  for (const TableProblem& p : plan_.problems) text += L"\n" + ProblemText(p);
  if (plan_.bad > static_cast<long long>(plan_.problems.size()))
    text += L"\n... and " + std::to_wstring(plan_.bad - static_cast<long long>(plan_.problems.size())) + L" more";
  text += L"\n\nImport the other " + std::to_wstring(plan_.good) + L" rows?";
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
