// Every template the tests make, and every bundled layout, cut short at each length and with
// each byte flipped, must either load or fail with DDFException: never crash or hang.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/templates/TemplateFixtures.h"
#include "support/TestSupport.h"
#include "util/ByteSource.h"
#include "templates/DDFException.h"

namespace mirn {
namespace {

// Answers how many of the variants loaded.
int LoadEveryDamagedVariant(const std::string& bytes) {
  int loaded = 0;
  const auto tryLoad = [&](std::string_view variant) {
    try {
      const CDDFTemplate t = CDDFTemplate::Load(MemoryByteSource(variant), L"bad.ddf");
      ++loaded;
    } catch (const DDFException&) {
    }
  };
  for (std::size_t length = 0; length < bytes.size(); ++length) tryLoad(std::string_view(bytes).substr(0, length));
  std::string flipped = bytes;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    flipped[i] = static_cast<char>(flipped[i] ^ 0xFF);
    tryLoad(flipped);
    flipped[i] = bytes[i];
  }
  return loaded;
}

TEST(BadInput, TestFixturesSurviveTruncationAndFlips) {
  const CDDFTemplate fixtures[] = {
      test::MakeTemplate(L"NEW", 3, 2), test::MakeTemplate(L"OLD", 4, 3, L"DDF"),
      test::MakeTemplate(L"EMPTY", 0, 0), test::MakeTemplate(L"ONE", 1, 0, L"DDF")};
  for (const auto& t : fixtures) {
    const std::string bytes = test::TemplateBytes(t);
    // Truncated copies never load (sizes must match); flips of text bytes still do.
    EXPECT_GT(LoadEveryDamagedVariant(bytes), 0);
  }
}

TEST(BadInput, BundledLayoutsSurviveTruncationAndFlips) {
  const std::filesystem::path folder = std::filesystem::path(MIRN_BINARY_DIR) / "bin" / "ddf";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no bundled layouts in this build";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".ddf") continue;
    ++files;
    const std::string bytes = test::ReadFile(entry.path());
    EXPECT_NO_THROW(CDDFTemplate::Load(entry.path())) << entry.path();
    EXPECT_GT(LoadEveryDamagedVariant(bytes), 0) << entry.path();
  }
  EXPECT_GE(files, 10);
}

}  // namespace
}  // namespace mirn
