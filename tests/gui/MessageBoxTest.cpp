#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/CXMessageBox.h"
#include "gui/ModalDriver.h"

namespace mirn {
namespace {

MessageBoxRequest ReplaceExtension(unsigned extra = 0) {
  return {L"Extension 201 already exists.\nReplace it?", L"Replace Extension",
          mb::kYesNoCancel | mb::kYesToAll | mb::kIconWarning | extra, {}};
}

TEST(CXMessageBox, ButtonsAreNamedByTheirLabelsInTheModelsOrder) {
  CXMessageBox box(ReplaceExtension(mb::kDontAskAgain));
  QStringList names;
  for (auto* button : box.findChildren<QPushButton*>()) names << button->objectName();
  EXPECT_EQ(names, (QStringList{"Yes", "Yes to All", "No", "Cancel"}));
  ASSERT_NE(box.Button(mb::kIdYesToAll), nullptr);
  EXPECT_EQ(box.Button(mb::kIdYesToAll)->text(), QString("Y&es to All"));
  EXPECT_EQ(box.Button(mb::kIdYesToAll)->accessibleName(), QString("Yes to All"));
  ASSERT_NE(box.CheckBox(), nullptr);
  EXPECT_EQ(box.CheckBox()->objectName(), QString("Don't ask me again"));
  EXPECT_EQ(box.windowTitle(), QString("Replace Extension"));
  EXPECT_EQ(box.findChild<QLabel*>("Message")->text(), QString("Extension 201 already exists.\nReplace it?"));
  EXPECT_TRUE(box.Button(mb::kIdYes)->isDefault());
}

TEST(CXMessageBox, YesToAllReturns19AndTheTickedBoxAddsItsBit) {
  {
    CXMessageBox box(ReplaceExtension());
    test::WhenModal<CXMessageBox>([](CXMessageBox* shown) { shown->Button(mb::kIdYesToAll)->click(); });
    EXPECT_EQ(box.Run(), 19);
  }
  {
    CXMessageBox box(ReplaceExtension(mb::kDontAskAgain));
    test::WhenModal<CXMessageBox>([](CXMessageBox* shown) {
      shown->CheckBox()->click();
      QTest::mouseClick(shown->Button(mb::kIdYes), Qt::LeftButton);
    });
    EXPECT_EQ(box.Run(), 6 + 0x1000000);
  }
  {
    // The default button answers Return.
    CXMessageBox box({L"Remove this graphic from the label?", L"Remove Graphic",
                      mb::kYesNo | mb::kIconWarning | mb::kDefaultButton2, {}});
    test::WhenModal<CXMessageBox>([](CXMessageBox* shown) { QTest::keyClick(shown, Qt::Key_Return); });
    EXPECT_EQ(box.Run(), mb::kIdNo);
  }
}

// Help runs what the box was given and leaves the question open: the box still answers the
// button pressed after it.
TEST(CXMessageBox, HelpRunsItsHandlerAndDoesNotAnswer) {
  CXMessageBox box({L"The file could not be read.", L"Open", mb::kOk | mb::kHelpButton | mb::kIconWarning, {}});
  int helped = 0;
  box.SetHelp([&helped] { ++helped; });
  test::WhenModal<CXMessageBox>([&helped](CXMessageBox* shown) {
    shown->Button(mb::kIdHelp)->click();
    EXPECT_EQ(helped, 1);
    EXPECT_TRUE(shown->isVisible());
    shown->Button(mb::kIdOk)->click();
  });
  EXPECT_EQ(box.Run(), mb::kIdOk);
  EXPECT_EQ(helped, 1);
}

TEST(CXMessageBox, EscapeCancelsOnlyWhereTheBoxAllowsIt) {
  {
    CXMessageBox box(ReplaceExtension());
    test::WhenModal<CXMessageBox>([](CXMessageBox* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    EXPECT_EQ(box.Run(), mb::kIdCancel);
  }
  {
    CXMessageBox box({L"Done.", L"Mirn", mb::kOk, {}});
    test::WhenModal<CXMessageBox>([](CXMessageBox* shown) { shown->close(); });
    EXPECT_EQ(box.Run(), mb::kIdOk);
  }
  {
    // Yes/No has neither Cancel nor OK: Escape and the close button leave it open.
    CXMessageBox box({L"Go on?", L"Mirn", mb::kYesNo, {}});
    bool stillOpen = false;
    test::WhenModal<CXMessageBox>([&stillOpen](CXMessageBox* shown) {
      QTest::keyClick(shown, Qt::Key_Escape);
      shown->close();
      stillOpen = shown->isVisible();
      shown->Button(mb::kIdNo)->click();
    });
    EXPECT_EQ(box.Run(), mb::kIdNo);
    EXPECT_TRUE(stillOpen);
  }
}

TEST(CXMessageBox, CustomLabelsNameTheButtons) {
  CXMessageBox box({L"FILE CONVERSION WARNING", L"File Conversion Warning", mb::kOkCancel | mb::kIconWarning,
                    {{mb::kIdOk, L"&Convert and Save"}, {mb::kIdCancel, L"&Cancel"}}});
  ASSERT_NE(box.findChild<QPushButton*>("Convert and Save"), nullptr);
  test::WhenModal<CXMessageBox>(
      [](CXMessageBox* shown) { shown->findChild<QPushButton*>("Convert and Save")->click(); });
  EXPECT_EQ(box.Run(), mb::kIdOk);
}

// A paragraph on one line wraps at some 80 characters, all of it shown, so that a long
// translated message fits a small screen; short lines keep the breaks they were written with.
TEST(CXMessageBox, LongLinesWrapAndShortOnesKeepTheirLines) {
  const std::wstring paragraph =
      L"Sie verwenden einen Druckertreiber, der nicht eigens f\u00FCr Ihren Drucker gemacht ist (zum Beispiel einen "
      L"HP-LaserJet-Treiber mit einem Panasonic-Laserdrucker), und Ihre Ausdrucke sind verschoben.";
  CXMessageBox wide({paragraph + L"\n\nKurz.", L"Druckerfeinjustierung", mb::kOkCancel | mb::kIconWarning, {}});
  wide.adjustSize();
  auto* message = wide.findChild<QLabel*>("Message");
  ASSERT_NE(message, nullptr);
  const QFontMetrics metrics(message->font());
  EXPECT_TRUE(message->wordWrap());
  EXPECT_LE(message->width(), metrics.averageCharWidth() * 80);
  EXPECT_LT(wide.width(), metrics.horizontalAdvance(QString::fromStdWString(paragraph)) * 3 / 4);
  // Every wrapped line is there: at least three for the paragraph, the gap and "Kurz.".
  EXPECT_GE(message->height(), message->heightForWidth(message->width()));
  EXPECT_GE(message->height(), 4 * metrics.lineSpacing());

  CXMessageBox narrow(ReplaceExtension());
  EXPECT_FALSE(narrow.findChild<QLabel*>("Message")->wordWrap());
}

}  // namespace
}  // namespace mirn
