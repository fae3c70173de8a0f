#pragma once
// The status bar's texts: the document summary shown between commands, and the prompt of the
// menu item under the mouse.

#include <string>

namespace mirn {

// Empty with no database; the legal notice for a database without extensions; else
// "3 extensions in database (2 selected)", the part in parentheses only with more than one
// selected row, and the plural ending unless there is exactly one extension.
std::wstring DocumentStatusText(bool databaseOpen, long long extensions, long long selected,
                                const std::wstring& legalNotice);

// The status prompt of a command's string-table text: the part after the first ";" when the
// text holds one, else the whole text.
std::wstring MenuPrompt(const std::wstring& commandText);

// The tool tip of a command's string-table text: the part before the first ";" (empty when
// the text holds none).
std::wstring ToolTipText(const std::wstring& commandText);

}  // namespace mirn
