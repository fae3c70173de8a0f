#include "exchange/ColumnMapping.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

bool Header(const std::vector<std::wstring>& cells) {
  const auto known = [](const std::wstring& n) { return n == L"alias" || n == L"mailbox"; };
  const auto typeCode = [](const std::wstring& cell) { return cell == L"T3"; };
  return LooksLikeHeader(cells, known, typeCode);
}

TEST(ColumnMappingTest, AHeaderNamesAKnownColumnAndHoldsNoExtensionNumber) {
  EXPECT_TRUE(Header({L"action", L"extension", L"name", L"cid_masquerade"}));
  EXPECT_TRUE(Header({L"Extension Number", L"First Name", L"Last Name"}));
  EXPECT_TRUE(Header({L"#alias", L"first_name"}));  // a preset's column
  EXPECT_TRUE(Header({L"Mailbox", L"Something else"}));

  // Data rows: an extension number, Mirn's own form, nothing known.
  EXPECT_FALSE(Header({L"201", L"name", L"Anna"}));
  EXPECT_FALSE(Header({L"+4930", L"Extension"}));
  EXPECT_FALSE(Header({L"Reception", L"t3", L"Name"}));
  EXPECT_FALSE(Header({L"Reception", L"Lobby"}));
  EXPECT_FALSE(Header({}));
}

TEST(ColumnMappingTest, ExtensionNumbers) {
  for (const wchar_t* yes : {L"201", L" 201 ", L"+4930123", L"*97", L"#5"}) EXPECT_TRUE(LooksLikeExtensionNumber(yes)) << yes;
  for (const wchar_t* no : {L"", L"+", L"20a", L"2 01", L"ext", L"--1"}) EXPECT_FALSE(LooksLikeExtensionNumber(no)) << no;
}

TEST(ColumnMappingTest, SynonymsAreMatchedWithoutCaseBlanksOrPunctuation) {
  struct Case {
    const wchar_t* header;
    ColumnTarget target;
  };
  const Case cases[] = {
      {L"Extension", {ColumnRole::kId, 0}},        {L"EXT", {ColumnRole::kId, 0}},
      {L"number", {ColumnRole::kId, 0}},           {L"exten", {ColumnRole::kId, 0}},
      {L"Extension Number", {ColumnRole::kId, 0}}, {L"extension_number", {ColumnRole::kId, 0}},
      {L"Name", {ColumnRole::kName, 0}},           {L"Display Name", {ColumnRole::kName, 0}},
      {L"full name", {ColumnRole::kName, 0}},      {L"FirstName", {ColumnRole::kFirstName, 0}},
      {L"last-name", {ColumnRole::kLastName, 0}},  {L"Type Code", {ColumnRole::kTypeCode, 0}},
      {L"Model", {ColumnRole::kTypeCode, 0}},      {L"layout", {ColumnRole::kTypeCode, 0}},
      {L"Field 12", {ColumnRole::kField, 12}},     {L"key 3", {ColumnRole::kKey, 3}},
      {L"Line Key 4", {ColumnRole::kKey, 4}},
  };
  for (const Case& c : cases) {
    const auto target = GuessTarget(c.header);
    ASSERT_TRUE(target) << c.header;
    EXPECT_EQ(*target, c.target) << c.header;
    EXPECT_EQ(*ParseTarget(TargetName(*target)), *target) << c.header;
  }
  for (const wchar_t* unknown : {L"email", L"key 0", L"fieldx", L"", L"ignore"}) EXPECT_FALSE(GuessTarget(unknown)) << unknown;
  // A field's caption names it.
  EXPECT_EQ(*GuessTarget(L"Line 1", {{L"line1", 10}}), (ColumnTarget{ColumnRole::kField, 10}));
}

TEST(ColumnMappingTest, FixedColumnsComeFirstAndUnmappedOnesAreNamedOnce) {
  const std::map<std::wstring, ColumnTarget> fixed = {{L"alias", {ColumnRole::kId, 0}},
                                                      {L"action", {ColumnRole::kIgnore, 0}}};
  const HeaderMapping m =
      MapHeader({L"#alias", L"Number", L"First Name", L"action", L"email", L"email", L"Name"}, fixed);
  ASSERT_EQ(m.columns.size(), 7u);
  EXPECT_EQ(m.columns[0].role, ColumnRole::kId);
  EXPECT_EQ(m.columns[1].role, ColumnRole::kIgnore);  // "number" would clash with the preset's id
  EXPECT_EQ(m.columns[2].role, ColumnRole::kFirstName);
  EXPECT_EQ(m.columns[3].role, ColumnRole::kIgnore);
  EXPECT_EQ(m.columns[6].role, ColumnRole::kName);
  EXPECT_EQ(m.unmapped, (std::vector<std::wstring>{L"Number", L"email"}));
}

TEST(ColumnMappingTest, ProblemsNameTheColumns) {
  EXPECT_EQ(MappingProblem(MapHeader({L"Name", L"Ext", L"Extension"}, {}), true),
            L"column 2 (Ext) and column 3 (Extension) are both mapped to id");
  EXPECT_NE(MappingProblem(MapHeader({L"Name", L"Email"}, {}), true).find(L"no column holds the extension number"),
            std::wstring::npos);
  EXPECT_EQ(MappingProblem(MapHeader({L"ext", L"Name", L"First Name"}, {}), true),
            L"column 2 (Name) is the name while other columns hold first and last names");
  EXPECT_NE(MappingProblem(MapHeader({L"ext", L"Name"}, {}), false).find(L"--type"), std::wstring::npos);
  EXPECT_EQ(MappingProblem(MapHeader({L"ext", L"Name", L"Model"}, {}), false), L"");
  EXPECT_EQ(MappingProblem(PositionalMapping(5), false), L"");
}

}  // namespace
}  // namespace mirn
