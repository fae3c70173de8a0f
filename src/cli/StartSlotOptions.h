#pragma once
// The first label of each layout's run as `print --start-slot` chooses it.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace mirn {
class DDFLibrary;
class MRBBase;
}  // namespace mirn

namespace mirn::cli {

class ParsedArgs;

// --start-slot values: "N" for every layout of the job, "TYPE=N" for one layout (may be
// repeated). Labels count from 1 here.
struct StartSlotOptions {
  std::optional<long long> all;
  std::map<std::wstring, long long> byType;
};

// The --start-slot options given; a malformed one is a usage error.
StartSlotOptions ParseStartSlots(const ParsedArgs& parsed);

// The chosen start slots (0-based) of the job's layouts. A slot beyond a layout's sheet, or a
// layout that none of the chosen extensions has, is a usage error: printing from another
// label than the one asked for would spend the wrong labels.
std::map<std::wstring, int> ChosenStartSlots(const StartSlotOptions& options, const std::vector<std::wstring>& ids,
                                             MRBBase& db, DDFLibrary& library);

}  // namespace mirn::cli
