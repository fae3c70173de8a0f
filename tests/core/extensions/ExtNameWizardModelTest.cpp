#include "extensions/ExtNameWizardModel.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

TEST(ExtNameWizardModel, PagesTitlesAndButtons) {
  ExtNameWizardModel wizard({L"100", L"101"}, {L"only one"});
  EXPECT_EQ(wizard.Names(), (std::vector<std::wstring>{L"", L""}));
  EXPECT_EQ(wizard.Title(), L"Name Extensions (Page 1 of 3)");
  EXPECT_EQ(wizard.ForwardText(), L"&Next >");
  EXPECT_FALSE(wizard.BackEnabled());
  EXPECT_FALSE(wizard.Forward(L"ignored on the introduction"));
  EXPECT_EQ(wizard.CurrentId(), L"100");
  EXPECT_FALSE(wizard.Forward(L"Reception"));
  EXPECT_EQ(wizard.Title(), L"Name Extensions (Page 3 of 3)");
  EXPECT_EQ(wizard.ForwardText(), L"Fi&nish");
  wizard.Back(L"Sales");
  EXPECT_EQ(wizard.CurrentName(), L"Reception");
  EXPECT_FALSE(wizard.Forward(L"Front desk"));
  EXPECT_TRUE(wizard.Forward(std::wstring(70, L'x')));
  EXPECT_EQ(wizard.Names(), (std::vector<std::wstring>{L"Front desk", std::wstring(64, L'x')}));
  wizard.Back(L"");
  wizard.Back(L"");
  wizard.Back(L"");
  EXPECT_EQ(wizard.Page(), 0);
}

TEST(ExtNameWizardModel, KeepsNamesOfTheSameLength) {
  ExtNameWizardModel wizard({L"1"}, {L"Kept"});
  wizard.Forward(L"");
  EXPECT_EQ(wizard.CurrentName(), L"Kept");
}

}  // namespace
}  // namespace mirn
