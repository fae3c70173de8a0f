// Libraries loaded with their first use: a missing library or function makes the library
// unusable with the reason, which the callers turn into their usual failure.
#include "platform/SharedLibrary.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

TEST(SharedLibrary, LoadsFindsAndSaysWhatIsMissing) {
  SharedLibrary zlib("libz.so.1");
  const char* (*version)() = nullptr;
  zlib.Find("zlibVersion", version);
  ASSERT_TRUE(zlib.Loaded()) << zlib.Error();
  ASSERT_NE(version, nullptr);
  EXPECT_NE(std::string(version()), "");

  void (*absent)() = nullptr;
  zlib.Find("no_such_function_here", absent);
  EXPECT_EQ(absent, nullptr);
  EXPECT_FALSE(zlib.Loaded());
  EXPECT_EQ(zlib.Error(), "libz.so.1 lacks no_such_function_here");

  SharedLibrary missing("libno-such-library.so.9");
  EXPECT_FALSE(missing.Loaded());
  EXPECT_NE(missing.Error().find("libno-such-library.so.9"), std::string::npos) << missing.Error();
  missing.Find("zlibVersion", version);
  EXPECT_EQ(version, nullptr);
}

}  // namespace
}  // namespace mirn
