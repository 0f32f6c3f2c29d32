// The real message boxes: which button Enter alone presses.
#include "platform/QtUi.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/TestApplication.h"

namespace {

struct Answer {
  bool agreed;
  QString defaultButton;
};

template <class Ask>
Answer EnterOn(Ask ask) {
  QString seen;
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (box->defaultButton()) seen = box->defaultButton()->text().remove('&');
    QTest::keyClick(box, Qt::Key_Return);
  });
  const bool agreed = ask();
  return {agreed, seen};
}

TEST(QtUiTest, EnterAgreesToAnOrdinaryConfirmationButNeverToADestructiveOne) {
  EnsureTestApplication();
  QtUi ui;
  using K = Ui::Kind;
  using B = Ui::Buttons;
  Answer a = EnterOn([&] { return ui.confirm(K::Confirmation, B::YesNo, "Add another invoice?"); });
  EXPECT_TRUE(a.agreed);
  EXPECT_EQ(a.defaultButton, "Yes");

  a = EnterOn([&] { return ui.confirmDestructive(K::Warning, B::OkCancel, "WARNING: erase"); });
  EXPECT_FALSE(a.agreed);
  EXPECT_EQ(a.defaultButton, "Cancel");

  a = EnterOn([&] { return ui.confirmDestructive(K::Confirmation, B::YesNo, "Overwrite?"); });
  EXPECT_FALSE(a.agreed);
  EXPECT_EQ(a.defaultButton, "No");
}

}  // namespace
