#pragma once
// A new label database with two small layouts in a library, and a scripted user interface:
//   "C3" ("Copy Three"): text fields 1101, 1102, 1103 and a caption 2001 that is no field;
//   "C4" ("Copy Four"): text fields 1201 and 1202.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "db/MRBBase.h"
#include "store/OpenDatabase.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "templates/DDFWriter.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "text/CRTFText.h"
#include "text/TextFormat.h"
#include "util/Text.h"

namespace mirn::test {

class AppDatabaseTest : public ::testing::Test {
 protected:
  AppDatabaseTest() : folders(dir.Path()) {
    WriteLayout(L"C3", L"Copy Three", {1101, 1102, 1103});
    WriteLayout(L"C4", L"Copy Four", {1201, 1202});
    std::filesystem::create_directories(dir / "tmp");
    library = std::make_unique<DDFLibrary>(folders, std::filesystem::path());
    library->Scan(dir / "ddf");
    int code = -1;
    db = OpenDatabase({}, code, {nullptr, dir / "tmp"});
    EXPECT_TRUE(db) << "open failed with " << code;
  }

  void WriteLayout(const std::wstring& code, const std::wstring& description, const std::vector<std::uint32_t>& fields) {
    CDDFTemplate t;
    t.header.version = L"270";
    t.header.typeCode = code;
    t.header.groupName = L"Acme";
    t.header.description = description;
    t.header.labelWidth = 2880;
    t.header.labelHeight = 1440;
    t.slots = {{0, 0}};
    CDDFObject caption;
    caption.id = 2001;
    caption.flags = DDF_PRINT | DDF_CAPTION;
    t.objects.push_back(caption);
    int top = 0;
    for (const auto id : fields) {
      CDDFObject o;
      o.id = id;
      o.flags = DDF_PRINT | DDF_SELECT | DDF_TEXT;
      o.color = 0xFFFFFF;
      o.left = 100;
      o.top = top;
      o.right = 2700;
      o.bottom = top += 400;
      t.objects.push_back(o);
    }
    t.SortObjects();
    std::filesystem::create_directories(dir / "ddf");
    WriteFile(dir / "ddf" / (ToUtf8(code) + ".ddf"), WriteDDF(t, "Test layout\r\n"));
  }

  void Add(const std::wstring& id, const std::wstring& typeCode, const std::wstring& name = L"") {
    ASSERT_EQ(db->AddExtension(id, typeCode, name), 0);
  }
  void Set(const std::wstring& id, int field, const TextFormat& format, const std::wstring& text) {
    ASSERT_EQ(db->SetField(id, field, WriteRtf(format, text)), 0);
  }
  CRTFText Read(const std::wstring& id, int field) { return CRTFText(db->GetField(id, field)); }

  static TextFormat Format(const std::wstring& face, int halfPoints, bool bold = false) {
    TextFormat f;
    f.face = face;
    f.size = halfPoints;
    f.bold = bold ? 1 : 0;
    return f;
  }

  TempDir dir;
  FakeKnownFolders folders;
  std::unique_ptr<DDFLibrary> library;
  MemoryProfile profile;
  ScriptedUserInterface ui;
  std::unique_ptr<MRBBase> db;
};

}  // namespace mirn::test
