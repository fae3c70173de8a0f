#include "print/OverflowQuestion.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ScriptedUserInterface.h"

namespace mirn {
namespace {

// `count` overflowing fields of extensions 100, 101, ..., every third of layout HX60, each
// text 70 characters long.
std::vector<OverflowingField> Fields(int count) {
  std::vector<OverflowingField> fields;
  for (int i = 0; i < count; ++i) {
    OverflowingField f;
    f.id = std::to_wstring(100 + i);
    f.typeCode = i % 3 == 0 ? L"HX60" : L"HX40";
    f.field = 1201;
    f.text = std::wstring(60, L'x') + L"0123456789";
    fields.push_back(f);
  }
  return fields;
}

TEST(OverflowQuestion, AsksOnlyWhenSomethingOverflowsAndPrintsOnlyOnPrintAnywayOrShrinkToFit) {
  ScriptedUserInterface ui;
  EXPECT_EQ(AskAboutOverflows(ui, {}), OverflowAnswer::PrintAnyway);
  EXPECT_TRUE(ui.messages.empty());

  ui.messageAnswers = {mb::kIdNo};
  EXPECT_EQ(AskAboutOverflows(ui, Fields(2)), OverflowAnswer::PrintAnyway);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].style, mb::kYesNoCancel | mb::kNoToAll | mb::kIconWarning);
  EXPECT_NE(ui.messages[0].text.find(L"Show them before printing?"), std::wstring::npos);
  EXPECT_EQ(ui.messages[0].labels.at(mb::kIdNoToAll), L"Shrink to &Fit");

  ui.messageAnswers = {mb::kIdNoToAll};
  EXPECT_EQ(AskAboutOverflows(ui, Fields(2)), OverflowAnswer::ShrinkToFit);
  EXPECT_EQ(ui.messages.size(), 2u);  // nothing listed

  ui.messageAnswers = {mb::kIdCancel};
  EXPECT_EQ(AskAboutOverflows(ui, Fields(2)), OverflowAnswer::Stop);
  EXPECT_EQ(ui.messages.size(), 3u);  // nothing listed
}

TEST(OverflowQuestion, ShowThemListsTheFirstFortyCutShortInsteadOfPrinting) {
  ScriptedUserInterface ui;
  ui.messageAnswers = {mb::kIdYes, mb::kIdOk};
  EXPECT_EQ(AskAboutOverflows(ui, Fields(45)), OverflowAnswer::Stop);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].style, mb::kOk | mb::kIconInformation);
  const std::wstring& list = ui.messages[1].text;
  EXPECT_EQ(std::count(list.begin(), list.end(), L'\n'), 41);
  EXPECT_EQ(list.substr(0, list.find(L'\n')), L"Extension 100, field 1201: " + std::wstring(60, L'x'));
  EXPECT_NE(list.find(L"Extension 139, field 1201"), std::wstring::npos);
  EXPECT_EQ(list.find(L"Extension 140"), std::wstring::npos);
  EXPECT_NE(list.find(L"... and 5 more\n"), std::wstring::npos);
}

TEST(OverflowQuestion, CountsTheFieldsOfEachLayout) {
  EXPECT_EQ(OverflowsByLayout(Fields(5)), (std::map<std::wstring, long long>{{L"HX40", 3}, {L"HX60", 2}}));
  EXPECT_TRUE(OverflowsByLayout({}).empty());
}

}  // namespace
}  // namespace mirn
