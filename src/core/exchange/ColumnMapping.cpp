#include "exchange/ColumnMapping.h"

#include <algorithm>
#include <cwctype>
#include <set>

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

struct Synonym {
  const wchar_t* name;  // normalized
  ColumnRole role;
};

// The names telephone systems and spreadsheets give these columns.
constexpr Synonym kSynonyms[] = {
    {L"id", ColumnRole::kId},
    {L"extension", ColumnRole::kId},
    {L"extensionid", ColumnRole::kId},
    {L"ext", ColumnRole::kId},
    {L"number", ColumnRole::kId},
    {L"exten", ColumnRole::kId},
    {L"extensionnumber", ColumnRole::kId},
    {L"name", ColumnRole::kName},
    {L"displayname", ColumnRole::kName},
    {L"fullname", ColumnRole::kName},
    {L"firstname", ColumnRole::kFirstName},
    {L"lastname", ColumnRole::kLastName},
    {L"typecode", ColumnRole::kTypeCode},
    {L"type", ColumnRole::kTypeCode},
    {L"model", ColumnRole::kTypeCode},
    {L"layout", ColumnRole::kTypeCode},
    {L"ignore", ColumnRole::kIgnore},
};

// "field12" -> 12 after `prefix`; nothing when the rest is not a number.
std::optional<unsigned> NumberAfter(std::wstring_view normalized, std::wstring_view prefix) {
  if (normalized.size() <= prefix.size() || normalized.substr(0, prefix.size()) != prefix) return std::nullopt;
  unsigned value = 0;
  for (const wchar_t c : normalized.substr(prefix.size())) {
    if (c < L'0' || c > L'9' || value > 100000) return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
  }
  return value;
}

std::wstring ColumnText(const HeaderMapping& mapping, size_t column) {
  const std::wstring number = std::to_wstring(column + 1);
  if (column < mapping.header.size() && !mapping.header[column].empty()) {
    return FormatString(Tr("ColumnMapping", "column %1 (%2)"), {number, mapping.header[column]});
  }
  return FormatString(Tr("ColumnMapping", "column %1"), {number});
}

}  // namespace

std::wstring TargetName(const ColumnTarget& target) {
  switch (target.role) {
    case ColumnRole::kIgnore: return L"ignore";
    case ColumnRole::kId: return L"id";
    case ColumnRole::kName: return L"name";
    case ColumnRole::kFirstName: return L"first name";
    case ColumnRole::kLastName: return L"last name";
    case ColumnRole::kTypeCode: return L"type code";
    case ColumnRole::kField: return L"field " + std::to_wstring(target.number);
    case ColumnRole::kKey: return L"key " + std::to_wstring(target.number);
  }
  return L"ignore";
}

std::wstring NormalizeColumnName(std::wstring_view name) {
  std::wstring out;
  out.reserve(name.size());
  for (const wchar_t c : name)
    if (std::iswalnum(static_cast<wint_t>(c))) out.push_back(ToLowerChar(c));
  return out;
}

std::optional<ColumnTarget> ParseTarget(std::wstring_view text) {
  const std::wstring n = NormalizeColumnName(text);
  for (const Synonym& s : kSynonyms)
    if (n == s.name) return ColumnTarget{s.role, 0};
  if (const auto id = NumberAfter(n, L"field")) return ColumnTarget{ColumnRole::kField, *id};
  for (const wchar_t* prefix : {L"key", L"button", L"linekey"})
    if (const auto k = NumberAfter(n, prefix); k && *k > 0) return ColumnTarget{ColumnRole::kKey, *k};
  return std::nullopt;
}

std::optional<ColumnTarget> GuessTarget(std::wstring_view header, const std::map<std::wstring, unsigned>& captions) {
  const std::wstring n = NormalizeColumnName(header);
  if (n.empty() || n == L"ignore") return std::nullopt;
  if (auto target = ParseTarget(header)) return target;
  if (const auto caption = captions.find(n); caption != captions.end())
    return ColumnTarget{ColumnRole::kField, caption->second};
  return std::nullopt;
}

bool LooksLikeExtensionNumber(std::wstring_view cell) {
  const std::wstring text = Trim(cell);
  std::wstring_view digits = text;
  if (!digits.empty() && (digits[0] == L'+' || digits[0] == L'*' || digits[0] == L'#')) digits.remove_prefix(1);
  if (digits.empty()) return false;
  for (const wchar_t c : digits)
    if (c < L'0' || c > L'9') return false;
  return true;
}

bool LooksLikeHeader(const std::vector<std::wstring>& cells,
                     const std::function<bool(const std::wstring& normalized)>& knownName,
                     const std::function<bool(const std::wstring& cell)>& isTypeCode) {
  bool named = false;
  for (const std::wstring& cell : cells) {
    if (LooksLikeExtensionNumber(cell)) return false;
    const std::wstring n = NormalizeColumnName(cell);
    if (n.empty()) continue;
    if (GuessTarget(cell) || (knownName && knownName(n))) named = true;
  }
  if (!named) return false;
  return !(cells.size() >= 2 && isTypeCode && isTypeCode(ToUpper(Trim(cells[1]))));
}

bool HeaderMapping::Has(ColumnRole role) const { return ColumnOf(role) >= 0; }

int HeaderMapping::ColumnOf(ColumnRole role) const {
  for (size_t i = 0; i < columns.size(); ++i)
    if (columns[i].role == role) return static_cast<int>(i);
  return -1;
}

HeaderMapping MapHeader(const std::vector<std::wstring>& header, const std::map<std::wstring, ColumnTarget>& fixed,
                        const std::map<std::wstring, unsigned>& captions) {
  HeaderMapping mapping;
  mapping.header = header;
  mapping.columns.assign(header.size(), ColumnTarget{});
  std::vector<bool> decided(header.size(), false);
  std::vector<ColumnTarget> taken;
  for (size_t i = 0; i < header.size(); ++i) {
    const auto f = fixed.find(NormalizeColumnName(header[i]));
    if (f == fixed.end()) continue;
    mapping.columns[i] = f->second;
    decided[i] = true;
    if (f->second.role != ColumnRole::kIgnore) taken.push_back(f->second);
  }
  std::set<std::wstring> reported;
  for (size_t i = 0; i < header.size(); ++i) {
    if (decided[i]) continue;
    const auto guess = GuessTarget(header[i], captions);
    const bool clash = guess && std::find(taken.begin(), taken.end(), *guess) != taken.end();
    if (guess && !clash) {
      mapping.columns[i] = *guess;
      continue;
    }
    const std::wstring name = Trim(header[i]);
    if (!name.empty() && reported.insert(name).second) mapping.unmapped.push_back(name);
  }
  return mapping;
}

HeaderMapping PositionalMapping(size_t cells) {
  HeaderMapping mapping;
  mapping.columns.resize(std::max<size_t>(cells, 3));
  mapping.columns[0] = {ColumnRole::kId, 0};
  mapping.columns[1] = {ColumnRole::kTypeCode, 0};
  mapping.columns[2] = {ColumnRole::kName, 0};
  for (size_t i = 3; i < mapping.columns.size(); ++i)
    mapping.columns[i] = {ColumnRole::kKey, static_cast<unsigned>(i - 2)};
  mapping.header.resize(mapping.columns.size());
  return mapping;
}

std::wstring MappingProblem(const HeaderMapping& mapping, bool haveDefaultType) {
  for (size_t i = 0; i < mapping.columns.size(); ++i) {
    if (mapping.columns[i].role == ColumnRole::kIgnore) continue;
    for (size_t j = i + 1; j < mapping.columns.size(); ++j)
      if (mapping.columns[j] == mapping.columns[i])
        return FormatString(Tr("ColumnMapping", "%1 and %2 are both mapped to %3"),
                            {ColumnText(mapping, i), ColumnText(mapping, j), TargetName(mapping.columns[i])});
  }
  if (!mapping.Has(ColumnRole::kId))
    return Tr("ColumnMapping", "no column holds the extension number (name one \"extension\", or map one to id)");
  if (mapping.Has(ColumnRole::kName) && (mapping.Has(ColumnRole::kFirstName) || mapping.Has(ColumnRole::kLastName)))
    return FormatString(Tr("ColumnMapping", "%1 is the name while other columns hold first and last names"),
                        {ColumnText(mapping, static_cast<size_t>(mapping.ColumnOf(ColumnRole::kName)))});
  if (!haveDefaultType && !mapping.Has(ColumnRole::kTypeCode))
    return Tr("ColumnMapping", "no column holds the layout: choose one (--type CODE)");
  return {};
}

}  // namespace mirn
