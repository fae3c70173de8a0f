#pragma once
// Two small layouts for the exchange tests, written as template files:
//   "T3" (group "Acme", description "Acme Three"): selectable fields 10, 11, 12, and a
//        caption 5 that is not a field;
//   "T4" (group "Acme", description "Acme Four"): selectable fields 20, 21, 22, 23, of
//        which 22 is the comment field (colour 0xFFFFC0); stored out of id order.

#include <filesystem>

namespace mirn::test {

// Writes "T3.ddf" and "T4.ddf" into `folder` (created when missing).
void WriteExchangeLayouts(const std::filesystem::path& folder);

}  // namespace mirn::test
