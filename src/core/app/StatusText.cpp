#include "app/StatusText.h"

#include "util/Catalog.h"

namespace mirn {

std::wstring DocumentStatusText(bool databaseOpen, long long extensions, long long selected,
                                const std::wstring& legalNotice) {
  if (!databaseOpen) return {};
  if (extensions <= 0) return legalNotice;
  std::wstring text = TrN("StatusText", "%n extensions in database", "%n extension in database", extensions);
  if (selected > 1) text += L" " + TrN("StatusText", "(%n selected)", "(%n selected)", selected);
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
