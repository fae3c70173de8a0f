// The shipped import filters that read key labels from telephone provisioning files: their
// CSV output imported through the header mapping fills the layout's keys in key order.

#include <fstream>

#include "ExchangeFixture.h"
#include "exchange/TableImport.h"
#include "text/CRTFText.h"
#include "util/Text.h"

namespace mirn {
namespace {

class ProvisioningFiltersTest : public test::ExchangeTest {
 protected:
  test::ProcessResult Filter(const std::string& name, std::vector<std::string> args) {
    args.insert(args.begin(), std::string(MIRN_SOURCE_DIR) + "/data/filters/" + name);
    return test::RunProcess(args);
  }
  void ImportCsv(const std::filesystem::path& csv) {
    test::QuietProgressView view;
    const ExchangeOutcome outcome = RunDataImport(*db, *library, profile, {}, TableFile{csv, std::nullopt}, {}, view, nullptr);
    ASSERT_TRUE(outcome.ok) << ToUtf8(outcome.message);
  }
  std::wstring Text(const std::wstring& id, int field) { return CRTFText(db->GetField(id, field)).GetDisplayText(); }
};

TEST_F(ProvisioningFiltersTest, YealinkConfigFiles) {
  std::filesystem::create_directories(dir / "phones");
  std::ofstream(dir / "phones" / "001565aabbcc.cfg") << "#!version:1.0.0.1\n"
                                                         "account.1.user_name = 201\n"
                                                         "account.1.display_name = Anna Berg\n"
                                                         "linekey.2.label = Sales, East\n"
                                                         "linekey.1.label = \"Reception\"\n"
                                                         "linekey.1.value = 200\n"
                                                         "expansion_module.1.key.1.label = Module One\n";
  std::ofstream(dir / "phones" / "001565ddeeff.cfg") << "account.1.auth_name = 202@pbx\naccount.1.label = Bo\n";
  std::ofstream(dir / "phones" / "notes.txt") << "not a phone file\n";
  std::ofstream(dir / "empty.cfg") << "# nothing\n";
  const auto r = Filter("yealink2csv", {(dir / "keys.csv").string(), "T4", (dir / "phones").string(),
                                        (dir / "empty.cfg").string()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "2 lines written, 1 files left out\n");
  ImportCsv(dir / "keys.csv");
  EXPECT_EQ(db->GetName(L"201"), L"Anna Berg");
  EXPECT_EQ(db->GetTypeCode(L"201"), L"T4");
  EXPECT_EQ(Text(L"201", 20), L"Reception");
  EXPECT_EQ(Text(L"201", 21), L"Sales, East");
  EXPECT_EQ(Text(L"201", 22), L"Module One");  // the module's keys follow the phone's
  EXPECT_EQ(db->GetName(L"202"), L"Bo");
  EXPECT_FALSE(db->FieldExists(L"202", 20));
}

TEST_F(ProvisioningFiltersTest, PolycomXmlFiles) {
  std::ofstream(dir / "0004f2112233.xml")
      << "<?xml version=\"1.0\"?>\n<PHONE_CONFIG>\n"
         " <reg reg.1.address=\"301@pbx.example\" reg.1.displayName=\"Eva &amp; Co\"/>\n"
         " <attendant attendant.resourceList.3.label=\"Third\" attendant.resourceList.1.label=\"First\"/>\n"
         "</PHONE_CONFIG>\n";
  std::ofstream(dir / "broken.xml") << "<PHONE_CONFIG";
  const auto r = Filter("polycom2csv", {(dir / "keys.csv").string(), "T3", (dir / "0004f2112233.xml").string(),
                                        (dir / "broken.xml").string()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("broken.xml: no extension found, left out"), std::string::npos);
  ImportCsv(dir / "keys.csv");
  EXPECT_EQ(db->GetName(L"301"), L"Eva & Co");
  EXPECT_EQ(Text(L"301", 10), L"First");
  EXPECT_FALSE(db->FieldExists(L"301", 11));
  EXPECT_EQ(Text(L"301", 12), L"Third");
}

}  // namespace
}  // namespace mirn
