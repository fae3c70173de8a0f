#include "templates/ModelName.h"

#include "util/Text.h"

namespace mirn {

bool NamesItsMaker(std::wstring_view maker, std::wstring_view description) {
  const std::wstring trimmed = Trim(maker);
  if (trimmed.empty() || description.size() < trimmed.size()) return false;
  if (!EqualsNoCase(description.substr(0, trimmed.size()), trimmed)) return false;
  return description.size() == trimmed.size() || description[trimmed.size()] == L' ';
}

std::wstring ModelName(std::wstring_view maker, std::wstring_view description) {
  if (NamesItsMaker(maker, description) || Trim(maker).empty()) return std::wstring(description);
  std::wstring text(maker);
  if (!description.empty()) text += L' ';
  text += description;
  return text;
}

std::wstring ModelNameMakerAfter(std::wstring_view maker, std::wstring_view description) {
  std::wstring text(description);
  if (!NamesItsMaker(maker, description)) text += L" (" + std::wstring(maker) + L")";
  return text;
}

}  // namespace mirn
