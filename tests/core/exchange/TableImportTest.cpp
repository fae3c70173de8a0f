#include "exchange/TableImport.h"

#include <fstream>

#include <nlohmann/json.hpp>

#include "ExchangeFixture.h"
#include "exchange/ImportPreset.h"
#include "support/PseudoCatalog.h"
#include "text/CRTFText.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::vector<ImportPreset> ShippedPresets() {
  std::vector<std::wstring> problems;
  auto presets = LoadImportPresets({std::filesystem::path(MIRN_SOURCE_DIR) / "data" / "presets"}, &problems);
  EXPECT_TRUE(problems.empty()) << ToUtf8(problems.front());
  return presets;
}

class TableImportTest : public test::ExchangeTest {
 protected:
  TableFile Write(const std::string& name, const std::string& bytes) {
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return TableFile{path, std::nullopt};
  }
  ExchangeOutcome Import(const TableFile& file, const TableImportOptions& options = {}) {
    test::QuietProgressView view;
    return RunDataImport(*db, *library, profile, presets, file, options, view, nullptr);
  }
  std::wstring Text(const std::wstring& id, int field) { return CRTFText(db->GetField(id, field)).GetDisplayText(); }
  TableImportOptions WithType(const std::wstring& type) {
    TableImportOptions o;
    o.typeCode = type;
    return o;
  }

  std::vector<ImportPreset> presets = ShippedPresets();
};

TEST_F(TableImportTest, EachShippedPresetReadsAFileOfItsShape) {
  struct Case {
    const char* preset;
    const char* file;
  };
  const Case cases[] = {
      {"freepbx", "action,extension,name,cid_masquerade,sipname,outboundcid,tech\r\n"
                  "add,201,Anna Berg,201,,\"\"\"Anna\"\" <201>\",pjsip\r\n"
                  "add,202,Bo Lind,202,,,pjsip\r\n"},
      {"3cx", "Number,FirstName,LastName,EmailAddress,MobileNumber\r\n201,Anna,Berg,a@x,\r\n202,Bo,Lind,,\r\n"},
      {"yeastar", "Extension Number,First Name,Last Name,Email Address,Mobile Number\n201,Anna,Berg,,\n202,Bo,Lind,,\n"},
      {"wazo", "exten,firstname,lastname,context,language\n201,Anna,Berg,default,en_US\n202,Bo,Lind,default,en_US\n"},
      {"vodia", "#alias;first_name;last_name;email_address;mobile\n201;Anna;Berg;\"a@x; b@x\";\n202;Bo;Lind;;\n"},
  };
  for (const Case& c : cases) {
    db = NewDatabase();
    const TableFile file = Write(std::string(c.preset) + ".csv", c.file);
    const TablePlan plan = PlanTableImport(*library, presets, file, WithType(L"T3"));
    EXPECT_EQ(plan.presetName, FromUtf8(c.preset));
    EXPECT_TRUE(plan.headed) << c.preset;
    EXPECT_EQ(plan.good, 2) << c.preset << ": " << ToUtf8(plan.problem);
    const ExchangeOutcome outcome = Import(file, WithType(L"T3"));
    ASSERT_TRUE(outcome.ok) << c.preset << ": " << ToUtf8(outcome.message);
    EXPECT_EQ(outcome.count, 2);
    EXPECT_EQ(db->GetName(L"201"), L"Anna Berg") << c.preset;
    EXPECT_EQ(db->GetName(L"202"), L"Bo Lind") << c.preset;
    EXPECT_EQ(db->GetTypeCode(L"202"), L"T3") << c.preset;
  }
}

TEST_F(TableImportTest, PresetByNameAndItsSeparator) {
  // Without the match columns, named on the command line; Vodia's files use semicolons.
  const TableFile file = Write("v.csv", "#alias;first_name;last_name\n40;Eva;Ek\n");
  TableImportOptions o = WithType(L"t4");
  o.preset = L"VODIA";
  ASSERT_TRUE(Import(file, o).ok);
  EXPECT_EQ(db->GetName(L"40"), L"Eva Ek");
  EXPECT_EQ(db->GetTypeCode(L"40"), L"T4");
  o.preset = L"nosuch";
  const ExchangeOutcome missing = Import(file, o);
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.message.find(L"no import preset is named nosuch"), std::wstring::npos);
}

TEST_F(TableImportTest, ColumnsByNameFieldsKeysAndTypeColumn) {
  const TableFile file = Write("h.csv",
                               "Ext;Display Name;Model;Key 2;field 12;Email\r\n"
                               "7;\"Lobby; ground floor\";t3;two;twelve;x@y\r\n"
                               "8;Hall;T4;k2;not a field of T4;\r\n");
  const TablePlan plan = PlanTableImport(*library, presets, file, {});
  EXPECT_EQ(plan.separator, ';');
  EXPECT_EQ(plan.mapping.unmapped, std::vector<std::wstring>{L"Email"});
  ASSERT_EQ(plan.preview.size(), 2u);
  EXPECT_EQ(plan.preview[0].name, L"Lobby; ground floor");
  const ExchangeOutcome outcome = Import(file);
  ASSERT_TRUE(outcome.ok) << ToUtf8(outcome.message);
  EXPECT_EQ(Text(L"7", 11), L"two");
  EXPECT_EQ(Text(L"7", 12), L"twelve");
  EXPECT_FALSE(db->FieldExists(L"7", 10));
  EXPECT_EQ(Text(L"8", 21), L"k2");
  EXPECT_EQ(db->GetTypeCode(L"8"), L"T4");
}

TEST_F(TableImportTest, UserChoicesOverrideTheHeader) {
  const TableFile file = Write("m.csv", "Who,Phone,Label\r\nAnna,201,Sales\r\n");
  TableImportOptions o = WithType(L"T3");
  ASSERT_TRUE(AddColumnChoice(o, L"Phone=id"));
  ASSERT_TRUE(AddColumnChoice(o, L"who = name"));
  ASSERT_TRUE(AddColumnChoice(o, L"3=key 1"));  // by position
  EXPECT_FALSE(AddColumnChoice(o, L"Label=nowhere"));
  EXPECT_FALSE(AddColumnChoice(o, L"=id"));
  const ExchangeOutcome outcome = Import(file, o);
  ASSERT_TRUE(outcome.ok) << ToUtf8(outcome.message);
  EXPECT_EQ(db->GetName(L"201"), L"Anna");
  EXPECT_EQ(Text(L"201", 10), L"Sales");
}

TEST_F(TableImportTest, BadInputNamesFileRowAndColumnAndStoresNothing) {
  Add(*db, L"1", L"T3", L"Before");
  const std::string longName(65, 'n');
  struct Case {
    const char* csv;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {"Name,Email\nA,a@x\n", L"no column holds the extension number"},
      {"Ext,Extension,Name\n5,5,A\n", L"column 1 (Ext) and column 2 (Extension) are both mapped to id"},
      {"Ext,Name\n5,A\n6,B,surplus\n", L"row 3, column 3: a cell beyond the header's 2 columns"},
      {"Ext,Model,Name\n5,T3,A\n6,NOPE,B\n", L"row 3, column 2 (Model): layout NOPE is not installed"},
      {"Ext,Name\n123456789012345678901,A\n", L"row 2, column 1 (Ext): longer than 20 characters"},
  };
  for (const Case& c : cases) {
    const TableFile file = Write("bad.csv", c.csv);
    const ExchangeOutcome outcome = Import(file, WithType(L"T3"));
    EXPECT_FALSE(outcome.ok) << c.csv;
    EXPECT_EQ(outcome.message.rfind(FromPath(file.path) + L": ", 0), 0u) << ToUtf8(outcome.message);
    EXPECT_NE(outcome.message.find(c.expected), std::wstring::npos) << ToUtf8(outcome.message);
    EXPECT_EQ(db->GetExtensionCount(), 1) << c.csv;
    EXPECT_EQ(db->GetName(L"1"), L"Before");
  }
  const TableFile longCell = Write("long.csv", "Ext,Name\n5," + longName + "\n6,Ok\n");
  EXPECT_NE(Import(longCell, WithType(L"T3")).message.find(L"row 2, column 2 (Name): longer than 64 characters"),
            std::wstring::npos);
  // The user chose to import the rest: the good row goes in, the bad one is counted.
  TableImportOptions rest = WithType(L"T3");
  rest.importRest = true;
  const ExchangeOutcome outcome = Import(longCell, rest);
  ASSERT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.count, 1);
  EXPECT_EQ(outcome.rowsPassedOver, 1);
  EXPECT_EQ(db->GetName(L"6"), L"Ok");
  EXPECT_FALSE(db->ExtensionExists(L"5"));
}

TEST_F(TableImportTest, MirnsOwnFilesTakeTheOldPath) {
  // Mirn's export: no header, every cell quoted, a backslash escape; it reads as it always did.
  const std::string own = "\"1\",\"T3\",\"Reception\",\"a\\nb\",\"C:\\\\x\"\r\n";
  const TableFile file = Write("own.csv", own);
  const TablePlan plan = PlanTableImport(*library, presets, file, {}, false);
  EXPECT_TRUE(plan.ownFormat);
  ASSERT_TRUE(Import(file).ok);
  EXPECT_EQ(Text(L"1", 10), L"a\nb");
  EXPECT_EQ(Text(L"1", 11), L"C:\\x");
  // A semicolon or tab file in Mirn's column order is read with its separator, without
  // backslash escapes.
  ASSERT_TRUE(Import(Write("semi.csv", "2;T3;Two;k\\1\r\n")).ok);
  EXPECT_EQ(Text(L"2", 10), L"k\\1");
  ASSERT_TRUE(Import(Write("tab.csv", "3\tT4\tThree\tk\r\n")).ok);
  EXPECT_EQ(Text(L"3", 20), L"k");
  // A header the detection does not see is declared.
  TableImportOptions o = WithType(L"T3");
  o.header = TableImportOptions::Header::kYes;
  ASSERT_TRUE(AddColumnChoice(o, L"Phone=id"));
  ASSERT_TRUE(Import(Write("declared.csv", "Phone;Who\r\n4;Four\r\n"), o).ok);
  EXPECT_EQ(db->GetName(L"4"), L"");
}

TEST_F(TableImportTest, DryRunListsWhatWouldBeStoredAndStoresNothing) {
  const TableFile file = Write("d.csv", "exten,firstname,lastname,key 1\n201,Anna,Berg,Sales\n");
  ExchangeOutcome outcome;
  const std::string json = DryRunText(*library, presets, file, WithType(L"T3"), true, outcome);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.count, 1);
  const auto doc = nlohmann::json::parse(json);
  ASSERT_EQ(doc.size(), 1u);
  EXPECT_EQ(doc[0]["row"], 2);
  EXPECT_EQ(doc[0]["id"], "201");
  EXPECT_EQ(doc[0]["type"], "T3");
  EXPECT_EQ(doc[0]["name"], "Anna Berg");
  EXPECT_EQ(doc[0]["fields"]["10"], "Sales");
  EXPECT_EQ(DryRunText(*library, presets, file, WithType(L"T3"), false, outcome),
            "row 2: 201 (T3) Anna Berg; 10=Sales\n");
  EXPECT_EQ(db->GetExtensionCount(), 0);
}

TEST_F(TableImportTest, StandardInputBytes) {
  const TableFile file{{}, std::string("Extension,Name,Layout\n9,Nine,T3\n")};
  const ExchangeOutcome outcome = Import(file);
  ASSERT_TRUE(outcome.ok) << ToUtf8(outcome.message);
  EXPECT_EQ(db->GetName(L"9"), L"Nine");
  EXPECT_EQ(Import(TableFile{{}, std::string("Name\nx\n")}).message.rfind(L"standard input: ", 0), 0u);
}

TEST(ImportPresetTest, BrokenPresetsAreReportedAndPassedOver) {
  test::TempDir dir;
  std::ofstream(dir / "a.json") << R"({"match": ["x"], "columns": {"x": "id", "y": "somewhere"}})";
  std::ofstream(dir / "b.json") << "{not json";
  std::ofstream(dir / "c.json") << R"({"title": "C", "separator": "tab", "match": ["Phone"], "columns": {"Phone": "id"}})";
  std::vector<std::wstring> problems;
  const auto presets = LoadImportPresets({dir.Path()}, &problems);
  ASSERT_EQ(presets.size(), 1u);
  EXPECT_EQ(presets[0].separator, '\t');
  EXPECT_TRUE(presets[0].Matches({L"Name", L"PHONE"}));
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_NE(problems[0].find(L"unknown target \"somewhere\""), std::wstring::npos);

  // In another language the words change; the file, the column and the target do not.
  test::PseudoLanguage pseudo;
  problems.clear();
  LoadImportPresets({dir.Path()}, &problems);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].rfind(FromPath(dir / "a.json") + L": \u00abcolumn \"y\": unknown target \"somewhere\"", 0), 0u)
      << ToUtf8(problems[0]);
}

}  // namespace
}  // namespace mirn
