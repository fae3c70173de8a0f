#pragma once
// A new label database and a library holding the exchange test layouts.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "db/MRBBase.h"
#include "exchange/MRBImporterSession.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/NullProgressWindow.h"
#include "store/OpenDatabase.h"
#include "support/ExchangeLayouts.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"

namespace mirn::test {

// A progress window nobody watches: it counts steps and never stops the loop.
using QuietProgressView = NullProgressWindow;

class ExchangeTest : public ::testing::Test {
 protected:
  ExchangeTest() : folders(dir.Path()) {
    WriteExchangeLayouts(dir / "ddf");
    std::filesystem::create_directories(dir / "tmp");
    library = std::make_unique<DDFLibrary>(folders, std::filesystem::path());
    library->Scan(dir / "ddf");
    db = NewDatabase();
  }

  std::unique_ptr<MRBBase> NewDatabase(const std::filesystem::path& path = {}) {
    int code = -1;
    auto d = OpenDatabase(path, code, Options());
    EXPECT_TRUE(d) << "open failed with " << code;
    return d;
  }
  DatabaseOptions Options() const { return {nullptr, dir / "tmp"}; }

  // Adds an extension with plain-text fields (stored as the program stores them).
  void Add(MRBBase& d, const std::wstring& id, const std::wstring& typeCode, const std::wstring& name,
           const std::vector<std::pair<int, std::wstring>>& fields = {}) {
    ASSERT_EQ(d.AddExtension(id, typeCode, name), 0);
    for (const auto& [fieldId, text] : fields) ASSERT_EQ(d.SetField(id, fieldId, WriteRtf(TextFormat{}, text)), 0);
  }

  TempDir dir;
  FakeKnownFolders folders;
  std::unique_ptr<DDFLibrary> library;
  MemoryProfile profile;
  std::unique_ptr<MRBBase> db;
};

}  // namespace mirn::test
