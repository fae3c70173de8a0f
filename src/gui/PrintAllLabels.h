#pragma once
// Printing every label of the open database on the program's printer, as an automatic print
// request from the command line asks.

#include <string>
#include <vector>

namespace mirn {

struct AppServices;

// Prints the extensions `ids` of the current database; false when nothing was printed (no
// database, no printer, cancelled or failed; each case reported to the person).
bool PrintAllLabels(AppServices& services, const std::vector<std::wstring>& ids);

}  // namespace mirn
