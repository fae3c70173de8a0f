#pragma once
// The extensions a command works on: those named by --ids (unknown ones reported on the
// error stream and left out), or every extension of the database in ID order.

#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace mirn {
class MRBBase;
}

namespace mirn::cli {

std::vector<std::wstring> ChosenExtensions(const ParsedArgs& parsed, MRBBase& db, const std::string& fileName,
                                           std::ostream& err);

}  // namespace mirn::cli
