// The Support Request dialog from the Help menu, over a scripted client: the check that
// the server answers, the field checks with the focus, a sent ticket, and a failed one
// after which the dialog can be used again.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "gui/CFeedbackDlg.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"
#include "gui/FeedbackCommands.h"
#include "support/FakeHttpClient.h"
#include "FrameServices.h"
#include "ModalDriver.h"

namespace mirn {
namespace {

// Hands every request to one scripted client; the POST takes a moment, as a network does.
class SlowForwardingClient : public HttpClient {
 public:
  explicit SlowForwardingClient(test::FakeHttpClient& target) : target_(target) {}
  HttpResult Get(const std::string& url) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return target_.Get(url);
  }
  HttpResult Post(const HttpPost& request) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return target_.Post(request);
  }

 private:
  test::FakeHttpClient& target_;
};

class FeedbackDialogTest : public ::testing::Test {
 protected:
  FeedbackDialogTest() {
    s_.profile.WriteString(L"Feedback", L"TicketEndpoint", L"https://desk.example/tickets");
    s_.profile.WriteString(L"Feedback", L"SupportAddress", L"desk@example.org");
    frame_ = NewMainWindow(s_.services);
    InstallFeedbackCommands(*frame_, [this] { return std::make_unique<SlowForwardingClient>(client_); });
    frame_->show();
    frame_->UpdateCommandStates();
  }
  ~FeedbackDialogTest() override { delete frame_; }

  test::FrameServices s_;
  test::FakeHttpClient client_;
  CMainFrame* frame_ = nullptr;
};

// The dialog has become the active window: the checking window before it has gone, and
// clicks are no longer held back by it.
bool Ready(CFeedbackDlg* dialog) {
  const bool active = QTest::qWaitForWindowActive(dialog);
  QApplication::processEvents();
  return active;
}

// The visible top-level window that shows `text`, if any.
QWidget* WindowShowing(const QString& text) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible()) continue;
    for (QLabel* label : w->findChildren<QLabel*>()) {
      if (label->text() == text) return w;
    }
  }
  return nullptr;
}

TEST_F(FeedbackDialogTest, UnreachableServerExplainsAndOpensNothing) {
  client_.getAnswers.push_back(HttpResult::Status(404));
  QString checkingTitle;
  QTimer::singleShot(100, [&checkingTitle] {
    if (QWidget* w = WindowShowing("Checking Internet connection...")) checkingTitle = w->windowTitle();
  });
  bool opened = false;
  test::WhenModal<CFeedbackDlg>(
      [&opened](CFeedbackDlg* dialog) {
        opened = true;
        dialog->reject();
      },
      nullptr, frame_);
  ASSERT_TRUE(frame_->RunCommand(cmd::kContactSupport));
  EXPECT_EQ(client_.gets, std::vector<std::string>{"https://desk.example/tickets"});
  ASSERT_EQ(s_.ui.messages.size(), 1u);
  EXPECT_NE(s_.ui.messages[0].text.find(L"not responding"), std::wstring::npos);
  EXPECT_TRUE(s_.ui.messages[0].text.ends_with(L":\n\ndesk@example.org"));
  EXPECT_EQ(checkingTitle, "Mirn Labeling System");
  EXPECT_EQ(WindowShowing("Checking Internet connection..."), nullptr);
  QTest::qWait(100);
  EXPECT_FALSE(opened);
}

TEST_F(FeedbackDialogTest, ChecksFieldsThenSendsWithTheDialogDisabled) {
  client_.getAnswers.push_back(HttpResult::Status(200));
  client_.postAnswers.push_back(HttpResult::Status(201));
  std::vector<std::wstring> shown;
  bool disabledWhileSending = false;
  int waitDepthWhileSending = 0;
  QString focusAfterBadEmail;
  test::WhenModal<CFeedbackDlg>([&](CFeedbackDlg* dialog) {
    ASSERT_TRUE(Ready(dialog));
    EXPECT_EQ(dialog->NameEdit()->maxLength(), 100);
    EXPECT_EQ(dialog->EmailEdit()->maxLength(), 100);
    EXPECT_EQ(dialog->NameEdit()->accessibleName(), "Your name:");
    EXPECT_EQ(dialog->SendButton()->accessibleName(), "Send Support Request");
    EXPECT_NE(dialog->findChild<QWidget*>("Operating System:"), nullptr);
    QTest::mouseClick(dialog->SendButton(), Qt::LeftButton);
    dialog->NameEdit()->setText("Ann");
    dialog->EmailEdit()->setText("@example.com");
    dialog->SummaryEdit()->setFocus();
    QTest::mouseClick(dialog->SendButton(), Qt::LeftButton);
    focusAfterBadEmail = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
    for (const auto& m : s_.ui.messages) shown.push_back(m.text);
    dialog->EmailEdit()->setText("ann@example.com");
    dialog->SummaryEdit()->setText("Labels print blank");
    QTimer::singleShot(100, dialog, [&, dialog] {
      disabledWhileSending = !dialog->isEnabled();
      waitDepthWhileSending = s_.ui.waitDepth;
    });
    QTest::mouseClick(dialog->SendButton(), Qt::LeftButton);
  });
  ASSERT_TRUE(frame_->RunCommand(cmd::kContactSupport));
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"Please enter your name.", L"Please enter a valid e-mail address."}));
  EXPECT_EQ(focusAfterBadEmail, "Your e-mail address:");
  EXPECT_TRUE(disabledWhileSending);
  EXPECT_EQ(waitDepthWhileSending, 1);
  EXPECT_EQ(s_.ui.waitDepth, 0);
  ASSERT_EQ(client_.posts.size(), 1u);
  EXPECT_EQ(client_.posts[0].url, "https://desk.example/tickets");
  EXPECT_NE(client_.posts[0].body.find("\"subject\":\"Labels print blank\""), std::string::npos);
  EXPECT_NE(client_.posts[0].body.find("\"text\":\"Summary: Labels print blank\\n\\nProgram Version: "),
            std::string::npos);
  for (const auto& m : s_.ui.messages) EXPECT_EQ(m.text.find(L"server"), std::wstring::npos) << m.text;
}

TEST_F(FeedbackDialogTest, AfterAFailedSubmissionTheDialogCanBeUsedAgain) {
  client_.getAnswers.push_back(HttpResult::Status(200));
  client_.postAnswers.push_back(HttpResult::Status(500));
  bool enabledAfterFailure = false;
  bool stillOpen = false;
  test::WhenModal<CFeedbackDlg>([&](CFeedbackDlg* dialog) {
    ASSERT_TRUE(Ready(dialog));
    dialog->NameEdit()->setText("Ann");
    dialog->EmailEdit()->setText("ann@example.com");
    dialog->SummaryEdit()->setText("Question");
    dialog->DetailsEdit()->setPlainText("More");
    QTest::mouseClick(dialog->SendButton(), Qt::LeftButton);
    enabledAfterFailure = dialog->isEnabled();
    stillOpen = dialog->isVisible();
    dialog->reject();
  });
  ASSERT_TRUE(frame_->RunCommand(cmd::kContactSupport));
  ASSERT_EQ(s_.ui.messages.size(), 1u);
  EXPECT_EQ(s_.ui.messages[0].text, L"The server returned an error. The status code was: 500");
  EXPECT_TRUE(enabledAfterFailure);
  EXPECT_TRUE(stillOpen);
}

}  // namespace
}  // namespace mirn
