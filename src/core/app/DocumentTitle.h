#pragma once
// The main window's title for the open document.

#include <string>
#include <string_view>

namespace mirn {

// "Mirn Labeling System" alone for an empty document name, else that text, " - " and the
// name ("Mirn Labeling System - Untitled").
std::wstring MainWindowTitle(std::wstring_view documentName);

}  // namespace mirn
