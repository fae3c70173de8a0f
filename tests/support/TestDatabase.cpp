#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include "store/OpenDatabase.h"

namespace mirn::test {

std::unique_ptr<MRBBase> NewTestDatabase(const TempDir& dir) {
  int code = 0;
  DatabaseOptions options;
  options.tempFolder = dir.Path();
  std::unique_ptr<MRBBase> db = OpenDatabase({}, code, options);
  EXPECT_TRUE(db) << "a new database could not be made: " << code;
  return db;
}

}  // namespace mirn::test
