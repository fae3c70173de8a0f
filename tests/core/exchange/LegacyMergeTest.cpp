#include "ExchangeFixture.h"
#include "exchange/MRBExporterCommands.h"
#include "support/XbaseWriter.h"
#include "text/CRTFText.h"

namespace mirn {
namespace {

class LegacyMergeTest : public test::ExchangeTest {};

// A file of the previous generation is converted on the fly, its extensions copied, and
// the file itself left as it was.
TEST_F(LegacyMergeTest, LegacySourceIsConvertedAndCopied) {
  const auto path = dir / "old.mrb";
  const std::string bytes = test::WriteLegacyDatabase(
      {{"100", "t3", "Reception", "1426325213"}, {"101", "T4", "Gone", "0", true}, {"102", "T4", "Caf\xE9", "0"}},
      {{"100", "10", "{\\rtf1 Hello}"}, {"102", "21", "\xE9t\xE9"}});
  test::WriteFile(path, bytes);
  test::QuietProgressView view;
  const ExchangeOutcome outcome = RunMerge(*db, path, Options(), view, nullptr);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(outcome.count, 2);
  EXPECT_EQ(db->GetTypeCode(L"100"), L"T3");
  EXPECT_EQ(db->GetName(L"102"), L"Caf\u00e9");
  EXPECT_FALSE(db->ExtensionExists(L"101"));
  EXPECT_EQ(CRTFText(db->GetField(L"100", 10)).GetDisplayText(), L"Hello");
  EXPECT_EQ(CRTFText(db->GetField(L"102", 21)).GetDisplayText(), L"\u00e9t\u00e9");
  EXPECT_EQ(test::ReadFile(path), bytes);
}

}  // namespace
}  // namespace mirn
