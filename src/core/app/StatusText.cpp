#include "app/StatusText.h"

namespace mirn {

std::wstring DocumentStatusText(bool databaseOpen, long long extensions, long long selected,
                                const std::wstring& legalNotice) {
  if (!databaseOpen) return {};
  if (extensions <= 0) return legalNotice;
  std::wstring text = std::to_wstring(extensions) + L" extension" + (extensions == 1 ? L"" : L"s") +
                      L" in database";
  if (selected > 1) text += L" (" + std::to_wstring(selected) + L" selected)";
  return text;
}

std::wstring MenuPrompt(const std::wstring& commandText) {
  const auto semicolon = commandText.find(L';');
  return semicolon == std::wstring::npos ? commandText : commandText.substr(semicolon + 1);
}

std::wstring ToolTipText(const std::wstring& commandText) {
  const auto semicolon = commandText.find(L';');
  return semicolon == std::wstring::npos ? std::wstring() : commandText.substr(0, semicolon);
}

}  // namespace mirn
