// Codes read through an open label database.
#include <gtest/gtest.h>

#include "db/MRBBase.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "text/CRTFText.h"
#include "text/MRBFieldTextSource.h"

namespace mirn {
namespace {

TEST(DatabaseCodes, NamesAndFieldInputsComeFromTheDatabase) {
  test::TempDir dir;
  DatabaseOptions options;
  options.tempFolder = dir.Path();
  int code = 0;
  auto db = OpenDatabase({}, code, options);
  ASSERT_TRUE(db) << code;
  ASSERT_EQ(db->AddExtension(L"100", L"HD40", L"Reception"), 0);
  ASSERT_EQ(db->AddExtension(L"200", L"HD40", L"Sales"), 0);
  ASSERT_EQ(db->SetField(L"100", 1300, WriteRtf(TextFormat{}, L"12")), 0);
  MRBFieldTextSource source(*db);
  EXPECT_EQ(source.GetExtensionName(L"200"), L"Sales");
  EXPECT_FALSE(source.GetExtensionName(L"555").has_value());
  EXPECT_FALSE(source.GetExtensionName(L"").has_value());

  CRTFText text(WriteRtf(TextFormat{}, L"{NAME:200}/{NAME:555}/{INP:1300*3}/{INP:1301}"), L"100",
                L"Reception", &source);
  EXPECT_EQ(text.GetDisplayText(), L"Sales//36/");
}

}  // namespace
}  // namespace mirn
