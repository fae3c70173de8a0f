#include "app/MessageBoxModel.h"

#include <gtest/gtest.h>

#include "app/Mnemonics.h"
#include "util/StringTable.h"
#include "platform/ScriptedUserInterface.h"

namespace mirn {
namespace {

std::vector<std::wstring> Labels(const MessageBoxModel& model) {
  std::vector<std::wstring> labels;
  for (const auto& button : model.Buttons()) labels.push_back(button.label);
  return labels;
}

std::vector<int> Ids(const MessageBoxModel& model) {
  std::vector<int> ids;
  for (const auto& button : model.Buttons()) ids.push_back(button.id);
  return ids;
}

MessageBoxModel Model(unsigned style, std::map<int, std::wstring> labels = {}) {
  return MessageBoxModel({L"text", L"Caption", style, std::move(labels)});
}

TEST(MessageBoxModel, EveryButtonSetInOrderWithItsLabels) {
  struct Case {
    unsigned style;
    std::vector<std::wstring> labels;
  };
  const std::vector<Case> cases = {
      {mb::kOk, {L"OK"}},
      {mb::kOkCancel, {L"OK", L"Cancel"}},
      {mb::kAbortRetryIgnore, {L"&Abort", L"&Retry", L"&Ignore"}},
      {mb::kYesNoCancel, {L"&Yes", L"&No", L"Cancel"}},
      {mb::kYesNo, {L"&Yes", L"&No"}},
      {mb::kRetryCancel, {L"&Retry", L"Cancel"}},
      {mb::kCancelTryContinue, {L"Cancel", L"&Try Again", L"&Continue"}},
      {mb::kContinueAbort, {L"&Continue", L"&Abort"}},
      {mb::kSkipSkipAllCancel, {L"&Skip", L"S&kip All", L"Cancel"}},
      {mb::kIgnoreIgnoreAllCancel, {L"&Ignore", L"I&gnore All", L"Cancel"}},
      {0xE, {L"OK"}},  // an unused set number falls back to OK
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Labels(Model(c.style)), c.labels) << "style " << c.style;
  }
}

TEST(MessageBoxModel, ToAllButtonsFollowTheAnswerTheyRepeatAndOnlyWithYesNo) {
  EXPECT_EQ(Ids(Model(mb::kYesNoCancel | mb::kYesToAll | mb::kNoToAll)),
            (std::vector<int>{mb::kIdYes, mb::kIdYesToAll, mb::kIdNo, mb::kIdNoToAll, mb::kIdCancel}));
  EXPECT_EQ(Labels(Model(mb::kYesNo | mb::kYesToAll)), (std::vector<std::wstring>{L"&Yes", L"Y&es to All", L"&No"}));
  EXPECT_EQ(Labels(Model(mb::kYesNo | mb::kNoToAll)), (std::vector<std::wstring>{L"&Yes", L"&No", L"N&o to All"}));
  EXPECT_EQ(Ids(Model(mb::kOkCancel | mb::kYesToAll | mb::kNoToAll)), (std::vector<int>{mb::kIdOk, mb::kIdCancel}));
  EXPECT_EQ(Labels(Model(mb::kOk | mb::kHelpButton)), (std::vector<std::wstring>{L"OK", L"&Help"}));
}

TEST(MessageBoxModel, CustomLabelsReplaceStandardOnesByResultId) {
  const auto model = Model(mb::kYesNoCancel | mb::kIconWarning | mb::kDontAskAgain,
                           {{mb::kIdYes, L"&Replace"}, {mb::kIdNo, L"&Don't Replace"}, {mb::kIdCancel, L"&Stop Importing"}});
  EXPECT_EQ(Labels(model), (std::vector<std::wstring>{L"&Replace", L"&Don't Replace", L"&Stop Importing"}));
  EXPECT_EQ(Ids(model), (std::vector<int>{mb::kIdYes, mb::kIdNo, mb::kIdCancel}));
  // A label for a button the box does not have changes nothing.
  EXPECT_EQ(Labels(Model(mb::kOk, {{mb::kIdCancel, L"&Stop"}})), std::vector<std::wstring>{L"OK"});
}

TEST(MessageBoxModel, CheckBoxesAndTheirBitInTheResult) {
  const auto ask = Model(mb::kYesNoCancel | mb::kYesToAll | mb::kDontAskAgain);
  ASSERT_TRUE(ask.CheckBox());
  EXPECT_EQ(ask.CheckBox()->label, L"Don't ask me again");
  EXPECT_EQ(ask.Result(mb::kIdYes, true), 6 + 0x1000000);
  EXPECT_EQ(ask.Result(mb::kIdYesToAll, false), 19);
  EXPECT_EQ(Model(mb::kOk | mb::kDontTellAgain).CheckBox()->label, L"Don't tell me again");
  const auto show = Model(mb::kOk | mb::kDontShowAgain);
  EXPECT_EQ(show.CheckBox()->label, L"Don't show again");
  EXPECT_EQ(show.Result(mb::kIdOk, true), 1 + 0x4000000);
  // Without a check box a tick cannot add a bit.
  EXPECT_FALSE(Model(mb::kOk).CheckBox());
  EXPECT_EQ(Model(mb::kOk).Result(mb::kIdOk, true), 1);
}

TEST(MessageBoxModel, EscapeGivesCancelOrOkOnlyWhereTheBoxHasThem) {
  EXPECT_EQ(Model(mb::kYesNoCancel).EscapeResult(false), mb::kIdCancel);
  EXPECT_EQ(Model(mb::kCancelTryContinue).EscapeResult(false), mb::kIdCancel);
  EXPECT_EQ(Model(mb::kOk).EscapeResult(false), mb::kIdOk);
  EXPECT_EQ(Model(mb::kOk | mb::kHelpButton).EscapeResult(false), mb::kIdOk);
  EXPECT_EQ(Model(mb::kYesNo).EscapeResult(false), std::nullopt);
  EXPECT_EQ(Model(mb::kAbortRetryIgnore).EscapeResult(false), std::nullopt);
  EXPECT_EQ(Model(mb::kContinueAbort).EscapeResult(false), std::nullopt);
  // Escape is the Cancel button: a ticked box adds its bit as a press would.
  EXPECT_EQ(Model(mb::kYesNoCancel | mb::kDontAskAgain).EscapeResult(true), 2 + 0x1000000);
}

TEST(MessageBoxModel, DefaultButtonIconSoundAndLines) {
  const auto model = MessageBoxModel({L"Remove this graphic from the label?\r\n\nSecond", L"Remove Graphic",
                                      mb::kYesNo | mb::kIconWarning | mb::kDefaultButton2, {}});
  EXPECT_EQ(model.Buttons()[model.DefaultButton()].id, mb::kIdNo);
  EXPECT_EQ(model.Icon(), MessageBoxIcon::kWarning);
  EXPECT_TRUE(model.PlaysSound());
  EXPECT_EQ(model.Lines(), (std::vector<std::wstring>{L"Remove this graphic from the label?", L"", L"Second"}));
  EXPECT_EQ(model.Caption(), L"Remove Graphic");
  // A default beyond the last button falls back to the first.
  EXPECT_EQ(Model(mb::kOk | mb::kDefaultButton3).DefaultButton(), 0u);
  EXPECT_FALSE(Model(mb::kOk | mb::kNoSound).PlaysSound());
  EXPECT_EQ(Model(mb::kIconQuestion).Icon(), MessageBoxIcon::kQuestion);
  EXPECT_EQ(Model(mb::kIconError).Icon(), MessageBoxIcon::kError);
  EXPECT_EQ(Model(mb::kIconInformation).Icon(), MessageBoxIcon::kInformation);
  EXPECT_EQ(Model(mb::kOk).Icon(), MessageBoxIcon::kNone);
  EXPECT_EQ(MessageBoxModel(MessageBoxRequest{}).Caption(), L"Error");
}

// A message without a caption of its own (the picture errors, for one) bears the program's
// title as every other box does.
TEST(MessageBoxModel, AMessageWithoutACaptionBearsTheProgramsTitle) {
  ScriptedUserInterface ui;
  ui.Message(LoadString(5138), mb::kIconError);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(MessageBoxModel(ui.messages[0]).Caption(), L"Mirn Labeling System");
}

TEST(MessageBoxModel, SystemModalStopBoxIsPlain) {
  const auto model = Model(mb::kYesNo | mb::kIconError | mb::kSystemModal | mb::kYesToAll | mb::kDontAskAgain,
                           {{mb::kIdYes, L"&Go"}});
  EXPECT_TRUE(model.IsPlain());
  EXPECT_EQ(Labels(model), (std::vector<std::wstring>{L"&Yes", L"&No"}));
  EXPECT_FALSE(model.CheckBox());
  EXPECT_FALSE(Model(mb::kOk | mb::kIconWarning | mb::kSystemModal).IsPlain());
}

TEST(Mnemonics, LabelsLoseTheirMarkers) {
  EXPECT_EQ(WithoutMnemonics(L"Y&es to All"), L"Yes to All");
  EXPECT_EQ(WithoutMnemonics(L"Save && &Close"), L"Save & Close");
  EXPECT_EQ(WithoutMnemonics(L"&"), L"");
}

}  // namespace
}  // namespace mirn
