#include "exchange/MRBImporterSession.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>

namespace mirn {
namespace {

struct FakeView : ExchangeProgressView {
  std::vector<std::wstring> lines;
  long long position = 0;
  long long range = 0;
  bool stop = false;
  bool quitting = false;
  int pumps = 0;
  void SetLine(const std::wstring& text) override { lines.push_back(text); }
  void SetRange(long long total) override { range = total; }
  void Step() override { ++position; }
  long long Position() const override { return position; }
  void MoveToEnd() override { position = range; }
  bool StopPressed() const override { return stop; }
  bool RunPendingMessages() override {
    ++pumps;
    return !quitting;
  }
};

struct ScriptedQuestion : ReplaceQuestion {
  std::deque<ReplaceReply> replies;
  std::vector<std::wstring> asked;
  ReplaceReply Ask(const std::wstring& id) override {
    asked.push_back(id);
    ReplaceReply r = replies.front();
    replies.pop_front();
    return r;
  }
};

TEST(ImportSession, ProgressLinesMessagesAndStop) {
  FakeView view;
  ImportSession session(view, nullptr, {});
  auto progress = session.ProgressCallable();
  EXPECT_TRUE(progress(L"42", L"Reception"));
  EXPECT_TRUE(progress(L"43", L""));
  EXPECT_EQ(view.lines, (std::vector<std::wstring>{L"Importing extension 42 (Reception)",
                                                   L"Importing extension 43"}));
  for (int i = 0; i < 198; ++i) progress(L"x", L"");
  EXPECT_EQ(view.pumps, 2);  // at positions 100 and 200

  view.stop = true;
  EXPECT_FALSE(progress(L"y", L""));
  view.stop = false;
  EXPECT_FALSE(progress(L"z", L"")) << "the stop flag stays set";
  EXPECT_TRUE(session.Stopped());
}

TEST(ImportSession, QuittingApplicationEndsTheLoop) {
  FakeView view;
  view.quitting = true;
  ImportSession session(view, nullptr, {});
  bool ok = true;
  for (int i = 0; i < 100 && ok; ++i) ok = session.Progress(L"1", L"");
  EXPECT_FALSE(ok);
  EXPECT_EQ(view.position, 100);
}

TEST(ImportSession, ReplaceAsksOnlyForExistingAndRemembersTickedAnswer) {
  FakeView view;
  ScriptedQuestion question;
  const std::set<std::wstring> existing = {L"1", L"2", L"3", L"4"};
  ImportSession session(view, &question, [&](const std::wstring& id) { return existing.count(id) > 0; });
  question.replies = {{ReplaceAnswer::Replace, false}, {ReplaceAnswer::DontReplace, true}};
  EXPECT_TRUE(session.Replace(L"new", L""));
  EXPECT_TRUE(session.Replace(L"1", L""));
  EXPECT_FALSE(session.Replace(L"2", L""));
  EXPECT_FALSE(session.Replace(L"3", L""));
  EXPECT_FALSE(session.Replace(L"4", L""));
  EXPECT_TRUE(session.Replace(L"5", L""));
  EXPECT_EQ(question.asked, (std::vector<std::wstring>{L"1", L"2"}));
  EXPECT_FALSE(session.Stopped());
}

TEST(ImportSession, StopImportingEndsAtTheNextProgressCall) {
  FakeView view;
  ScriptedQuestion question;
  ImportSession session(view, &question, [](const std::wstring&) { return true; });
  question.replies = {{ReplaceAnswer::StopImporting, false}};
  EXPECT_TRUE(session.Progress(L"1", L""));
  EXPECT_FALSE(session.Replace(L"1", L""));
  EXPECT_FALSE(session.Progress(L"2", L""));
}

TEST(ImportSession, WithoutQuestionExistingExtensionsAreKept) {
  FakeView view;
  ImportSession session(view, nullptr, [](const std::wstring& id) { return id == L"1"; });
  EXPECT_FALSE(session.Replace(L"1", L""));
  EXPECT_TRUE(session.Replace(L"2", L""));
}

TEST(ExportSession, LinesAndCancel) {
  FakeView view;
  ExportSession session(view);
  EXPECT_TRUE(session.Progress(L"10", L"Desk"));
  EXPECT_EQ(view.lines.back(), L"Exporting extension 10 (Desk)");
  view.stop = true;
  EXPECT_FALSE(session.Progress(L"11", L""));
  EXPECT_TRUE(session.Cancelled());
}

TEST(ReplaceQuestionText, NamesTheExtension) {
  EXPECT_EQ(ReplaceQuestionText(L"42"),
            L"A label for extension \"42\" already exists in this database. Do you want to "
            L"replace it with the one you're importing?");
}

}  // namespace
}  // namespace mirn
