#pragma once
// Before a print job: the fields whose text will not fit are announced, and the person may
// have them listed instead of printing, or made to fit.

#include <map>
#include <string>
#include <vector>

#include "print/PrintOverflow.h"

namespace mirn {

class UserInterface;

// The number of overflowing fields of each layout, for the job's ready question.
std::map<std::wstring, long long> OverflowsByLayout(const std::vector<OverflowingField>& fields);

enum class OverflowAnswer {
  Stop,          // nothing is printed
  PrintAnyway,
  ShrinkToFit,   // the overflowing fields are made smaller, then printed
};

// Asks whether to show the overflowing fields before printing. "Show Them" lists them (the
// first 40, each text cut to 60 characters, and how many more) and stops, as does Cancel:
// nothing is printed. "Print Anyway" prints; "Shrink to Fit" shrinks the fields and prints.
// Without overflowing fields it asks nothing and answers PrintAnyway.
OverflowAnswer AskAboutOverflows(UserInterface& ui, const std::vector<OverflowingField>& fields);

}  // namespace mirn
