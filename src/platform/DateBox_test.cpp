#include "platform/DateBox.h"

#include <QLocale>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"

namespace {

class DateBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureTestApplication(); }
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));
    auto* layout = new QVBoxLayout(&window);
    box = new DateBox(&window);
    box->setObjectName("MaskEdit1");
    after = new QLineEdit(&window);
    layout->addWidget(box);
    layout->addWidget(after);
    QObject::connect(box, &MaskedBox::exited, [this] { ++exits; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box->setFocus();
  }
  void TearDown() override {
    Clock::useSystem();
    QLocale::setDefault(QLocale::system());
  }

  ScriptedUi ui;
  QWidget window;
  DateBox* box;
  QLineEdit* after;
  int exits = 0;
};

TEST_F(DateBoxTest, ValidDateIsSetOutInTheShortFormat) {
  QTest::keyClicks(box, "3/5/26");
  EXPECT_EQ(box->boxText(), "3 /5 /26");
  after->setFocus();
  EXPECT_EQ(box->text(), "03/05/26");
  EXPECT_EQ(box->date(), DateFromQDate(QDate(2026, 3, 5)));
  EXPECT_TRUE(after->hasFocus());
  EXPECT_EQ(exits, 1);
}

TEST_F(DateBoxTest, AGermanBoxShowsAndTakesTheLocalesSeparator) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  DateBox german(&window);
  german.setDate(DateFromQDate(QDate(2026, 12, 9)));
  EXPECT_EQ(german.text(), "09.12.26");
  EXPECT_EQ(german.inputMask().left(9), "99.99.00;") << "the mask follows the separator";
  EXPECT_EQ(german.date(), DateFromQDate(QDate(2026, 12, 9)));
}

TEST_F(DateBoxTest, InvalidDateIsReportedAndTheFocusComesBack) {
  QTest::keyClicks(box, "134526");
  ui.expectMessage(Ui::Kind::Warning, "Invalid Date Entered");
  after->setFocus();
  EXPECT_TRUE(box->hasFocus());
  EXPECT_FALSE(after->hasFocus());
  EXPECT_EQ(box->text(), "13/45/26");
  EXPECT_EQ(exits, 0);
}

TEST_F(DateBoxTest, EmptyDateIsInvalid) {
  box->setDate(0);
  ui.expectMessage(Ui::Kind::Warning, "Invalid Date Entered");
  EXPECT_FALSE(box->leave());
}

TEST_F(DateBoxTest, EnterValidatesAndMovesOn) {
  box->setDate(DateFromQDate(QDate(2026, 1, 2)));
  EXPECT_EQ(box->text(), "01/02/26");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_TRUE(after->hasFocus());
  EXPECT_EQ(exits, 1);
}

}  // namespace
