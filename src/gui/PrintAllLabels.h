#pragma once
// Printing every label of the open database on the program's printer, as an automatic print
// request from the command line, or after an import filter, asks.

#include <string>
#include <vector>

namespace mirn {

class CommandRegistry;

// Prints the extensions `ids` of the current database with the Print command's job on the
// remembered printer; false when nothing was printed (no database, no printer, cancelled or
// failed; each case reported to the person).
bool PrintAllLabels(CommandRegistry& frame, const std::vector<std::wstring>& ids);

}  // namespace mirn
