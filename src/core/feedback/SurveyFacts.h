#pragma once
// Gathers the survey's description of this machine.

#include <string>
#include <vector>

#include "feedback/UsageSurvey.h"

namespace mirn {

class Clock;
class KnownFolders;

// The operating system caption, the processor, the program's version, the printer of the
// last-used printer settings and `printerNames` (the installed printers, which the caller
// lists through its printer system).
SurveyFacts GatherSurveyFacts(const KnownFolders& folders, const Clock& clock,
                              std::vector<std::wstring> printerNames);

}  // namespace mirn
