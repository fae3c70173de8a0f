#pragma once
// Saving pictures of windows for a person to look at: with MIRN_SCREENSHOT_DIR set (run
// under xvfb-run with QT_QPA_PLATFORM=xcb for real fonts and frames) a widget is shown and
// saved there as a PNG; without it the screenshot tests are skipped.

#include <QDir>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace mirn {

inline QString ShotDir() { return qEnvironmentVariable("MIRN_SCREENSHOT_DIR"); }

inline void Save(QWidget* widget, const QString& name) {
  widget->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
  QTest::qWait(150);
  const QString path = QDir(ShotDir()).filePath(name + ".png");
  EXPECT_TRUE(widget->grab().save(path)) << path.toStdString();
}

}  // namespace mirn

#define MIRN_NEED_SHOT_DIR() \
  if (::mirn::ShotDir().isEmpty()) GTEST_SKIP() << "MIRN_SCREENSHOT_DIR not set"
