#pragma once
// A new, untitled label database whose working copy lives in a test's temporary folder.

#include <memory>

#include "db/MRBBase.h"
#include "support/TestSupport.h"

namespace mirn::test {

// Null (with a test failure recorded) when the database cannot be created.
std::unique_ptr<MRBBase> NewTestDatabase(const TempDir& dir);

}  // namespace mirn::test
