#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/CMainFrame.h"

namespace mirn {
namespace {

TEST(MainFrame, OpensWithTheUntitledTitleAndClosesCleanly) {
  auto* frame = new CMainFrame;
  frame->setAttribute(Qt::WA_DeleteOnClose);
  QSignalSpy destroyed(frame, &QObject::destroyed);
  frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  EXPECT_EQ(frame->windowTitle(), QString("Mirn Labeling System - Untitled"));
  frame->SetDocumentName(L"Office.mrb");
  EXPECT_EQ(frame->windowTitle(), QString("Mirn Labeling System - Office.mrb"));
  EXPECT_TRUE(frame->close());
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(destroyed.count(), 1);
}

}  // namespace
}  // namespace mirn
