#pragma once
// The mirn-cli dispatcher: finds the subcommand, runs it, and turns the outcome into an exit
// status (0 done, 1 failed with the reason on standard error, 2 usage error).

#include <string>
#include <vector>

#include "cli/Command.h"

namespace mirn::cli {

int RunCli(const std::vector<std::string>& args, Context& context);

}  // namespace mirn::cli
