// A binary that links the core alone; the build reads its dynamic section to prove that
// the core needs no Qt library.
#include "util/StringTable.h"

int main() { return mirn::LoadString(mirn::kStrAppTitle).empty() ? 1 : 0; }
