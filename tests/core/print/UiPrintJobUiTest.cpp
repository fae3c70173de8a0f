// The ready question of a print run asked through the user interface: the offered first
// label, "Choose Label..." on sheets of several labels (asked again with the new count), the
// overflow count, the labels that would be cut at the paper's edge, and Cancel.
#include <gtest/gtest.h>

#include "print/UiPrintJobUi.h"
#include "platform/ScriptedUserInterface.h"
#include "print/PrintTexts.h"

namespace mirn {
namespace {

TEST(UiPrintJobUiTest, ChooseLabelRebuildsTheQuestionAndKeepsTheChoice) {
  ScriptedUserInterface scripted;
  scripted.messageAnswers = {mb::kIdNo, mb::kIdNo, mb::kIdYes};  // Choose, Choose (cancelled), Print
  UiPrintJobUi ui(scripted);
  std::vector<int> shown;
  ui.chooseFirstLabel = [&](const std::wstring& type, int current) -> std::optional<int> {
    EXPECT_EQ(type, L"HD40");
    shown.push_back(current);
    return shown.size() == 1 ? std::optional<int>(29) : std::nullopt;
  };
  ui.overflowingFields = {{L"HD40", 2}};
  const PrintRun run{L"HD40", {L"1", L"2"}};
  int slot = 5;  // where the last sheet ended
  // Slot 7 (index 6) reaches past the printable area.
  EXPECT_TRUE(ui.ConfirmRun(run, {L"Halden", L"Card", 30, {6}}, 1, slot));
  EXPECT_EQ(slot, 29);
  EXPECT_EQ(shown, (std::vector<int>{5, 29}));
  ASSERT_EQ(scripted.messages.size(), 3u);
  EXPECT_NE(scripted.messages[0].text.find(L"Number of Mirn sheets required: 1"), std::wstring::npos);
  EXPECT_NE(scripted.messages[0].text.find(L"2 fields have more text than fits"), std::wstring::npos);
  EXPECT_NE(scripted.messages[0].text.find(MultipleLabelsNote()), std::wstring::npos);
  EXPECT_EQ(scripted.messages[0].labels.at(mb::kIdNo), ChooseLabelButton());
  EXPECT_NE(scripted.messages[0].text.find(L"1 label would be cut off: label 7 of the sheet reaches past the edge"),
            std::wstring::npos)
      << scripted.messages[0].text;
  // From the last label two labels need a second sheet, and neither lands in slot 7.
  EXPECT_NE(scripted.messages[1].text.find(L"Number of Mirn sheets required: 2"), std::wstring::npos);
  EXPECT_EQ(scripted.messages[1].text.find(L"would be cut off"), std::wstring::npos);

  // One label per sheet: Print and Cancel only; Cancel ends the run.
  scripted.messageAnswers = {mb::kIdCancel};
  int single = 0;
  EXPECT_FALSE(ui.ConfirmRun({L"ONE", {L"1"}}, {L"G", L"D", 1}, 1, single));
  EXPECT_EQ(scripted.messages.back().style & mb::kButtonSetMask, mb::kOkCancel);
  EXPECT_EQ(scripted.messages.back().text.find(MultipleLabelsNote()), std::wstring::npos);
}

}  // namespace
}  // namespace mirn
