#include "panel/CodeInsertion.h"

namespace mirn {
namespace {

constexpr std::wstring_view kExtWord = L"Ext";
constexpr std::wstring_view kNameWord = L"Name";

}  // namespace

std::wstring ExtensionIdCode() { return L"{" + std::wstring(kExtWord) + L"}"; }
std::wstring ThisNameCode() { return L"{" + std::wstring(kNameWord) + L"}"; }

std::wstring OtherNameCode(NameCodeStyle style, std::wstring_view extensionId) {
  const std::wstring id(extensionId);
  const std::wstring name = L"{" + std::wstring(kNameWord) + L":" + id + L"}";
  const std::wstring ext = std::wstring(kExtWord) + L". " + id;
  switch (style) {
    case NameCodeStyle::ExtThenName: return ext + L"\r\n" + name;
    case NameCodeStyle::NameThenExt: return name + L"\r\n" + ext;
    case NameCodeStyle::Normal: break;
  }
  return name;
}

std::vector<std::size_t> CodesMenuColumnBreaks(std::size_t codeCount, int rowsOnScreen) {
  std::vector<std::size_t> breaks;
  if (rowsOnScreen <= 0) return breaks;
  for (std::size_t i = 0; i < codeCount; ++i) {
    if ((i + 5) % static_cast<std::size_t>(rowsOnScreen) == 0) breaks.push_back(i);
  }
  return breaks;
}

}  // namespace mirn
