#include "platform/AmountBox.h"

#include <QApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/EditMask.h"
#include "platform/EnterMovesFocus.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"

namespace {

// A window with an amount box between two plain fields, shown and active so
// that focus moves as it does for a person.
class AmountBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureTestApplication(); }
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto* layout = new QVBoxLayout(&window);
    before = new QLineEdit(&window);
    box = new AmountBox("!#####.99;1;_", "%8.2f", &window);
    box->setObjectName("MaskEdit3");
    after = new QLineEdit(&window);
    memo = new QPlainTextEdit(&window);
    for (QWidget* w : {static_cast<QWidget*>(before), static_cast<QWidget*>(box),
                       static_cast<QWidget*>(after), static_cast<QWidget*>(memo)})
      layout->addWidget(w);
    QObject::connect(box, &MaskedBox::exited, [this] { ++exits; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box->setFocus();
  }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }

  void type(const QString& keys) { QTest::keyClicks(box, keys); }
  void leave() { after->setFocus(); }

  ScriptedUi ui;
  QWidget window;
  QLineEdit* before;
  AmountBox* box;
  QLineEdit* after;
  QPlainTextEdit* memo;
  int exits = 0;
};

TEST_F(AmountBoxTest, LeavingSetsTheNumberOutWithTheFormat) {
  type("12");
  leave();
  EXPECT_EQ(box->boxText(), "   12.00");
  EXPECT_EQ(box->text(), "12.00");
  EXPECT_DOUBLE_EQ(box->value(), 12.0);
  EXPECT_EQ(exits, 1);
}

TEST_F(AmountBoxTest, SeparatorKeySetsTheNumberOutBeforeItIsHandled) {
  type("7");
  QTest::keyClick(box, '.');
  EXPECT_EQ(box->boxText(), "    7.00");
  type("5");  // the cents follow the separator
  EXPECT_EQ(box->boxText(), "    7.50");
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(box->hasFocus());
}

TEST_F(AmountBoxTest, TypingOnEnteringReplacesTheWholeAmount) {
  box->setValue(12);
  after->setFocus();
  box->setFocus(Qt::TabFocusReason);
  type("3");
  leave();
  EXPECT_EQ(box->boxText(), "    3.00");
}

TEST_F(AmountBoxTest, MinusZeroShowsAsRedMinusZero) {
  type("-0");
  leave();
  EXPECT_EQ(box->text(), "-0.00");
  EXPECT_TRUE(box->isRed());
  EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_F(AmountBoxTest, ColourIsJudgedOnTheTextBeforeTheKey) {
  type("-");
  EXPECT_FALSE(box->isRed());  // the minus was not there before the key
  type("5");
  EXPECT_TRUE(box->isRed());
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_TRUE(box->isRed());
  type("5");
  EXPECT_FALSE(box->isRed());
  EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(AmountBoxTest, TextWithoutDigitsIsReportedAndKept) {
  type("-");
  ui.expectMessage(Ui::Kind::Error, "'-.' is not a valid floating point value.");
  leave();
  EXPECT_EQ(box->text(), "-.");
  EXPECT_EQ(exits, 0);  // the window's exit handler is abandoned too
}

TEST_F(AmountBoxTest, SeparatorOnAnEmptyBoxIsReportedAndTheKeyLost) {
  ui.expectMessage(Ui::Kind::Error, "'.' is not a valid floating point value.");
  box->setCursorPosition(0);
  QTest::keyClick(box, '.');
  EXPECT_EQ(box->text(), ".");
  EXPECT_EQ(box->cursorPosition(), 0);
}

TEST_F(AmountBoxTest, NumberLongerThanTheMaskKeepsAllItsDigits) {
  box->setValue(-12345.5);
  EXPECT_EQ(box->text(), "-12345.50");
  EXPECT_DOUBLE_EQ(box->value(), -12345.5);
  box->setValue(3.25);
  EXPECT_EQ(box->text(), "3.25");
}

TEST_F(AmountBoxTest, BoxWidenedForALongNumberReturnsToItsOwnMaskAndWidth) {
  box->setFixedWidth(box->fontMetrics().horizontalAdvance("00000000") + 12);
  const int designed = box->width();
  box->setValue(34.84);
  const QString mask = box->inputMask(), shown = box->displayText();
  box->setValue(999999999.99);
  EXPECT_EQ(box->text(), "999999999.99");
  EXPECT_GE(box->contentsRect().width(), box->fontMetrics().horizontalAdvance("999999999.99"))
      << "every digit in view";
  box->setValue(34.84);
  EXPECT_EQ(box->inputMask(), mask);
  EXPECT_EQ(box->displayText(), shown);
  EXPECT_EQ(box->boxText(), "   34.84");
  EXPECT_EQ(box->width(), designed);
}

TEST_F(AmountBoxTest, ReadOnlyBoxIsNeitherCheckedNorReformatted) {
  box->setReadOnly(true);
  box->setText("");
  QTest::keyClick(box, '.');
  leave();  // no error box for the empty text
  EXPECT_EQ(box->text(), ".");
  EXPECT_EQ(exits, 1);
}

TEST_F(AmountBoxTest, WindowLosingFocusIsNotLeavingTheBox) {
  type("1");
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(box, &out);
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(box->text(), "1.");
}

TEST_F(AmountBoxTest, EnterMovesOnInBoxesAndFieldsButNotInMemos) {
  EnterMovesFocus::installOnLineEdits(&window);
  type("4");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_TRUE(after->hasFocus());
  EXPECT_EQ(box->boxText(), "    4.00");
  QTest::keyClick(after, Qt::Key_Enter);
  EXPECT_TRUE(memo->hasFocus());
  QTest::keyClicks(memo, "a");
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClicks(memo, "b");
  EXPECT_EQ(memo->toPlainText(), "a\nb");
}

TEST_F(AmountBoxTest, SeparatorFollowsTheUsersSettings) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  AmountBox german("!#######.99;1;_", "%10.2f", &window);
  EXPECT_EQ(german.inputMask(), "#######,99;_");
  german.setValue(1234.5);
  EXPECT_EQ(german.boxText(), "   1234,50");
  EXPECT_DOUBLE_EQ(german.value(), 1234.5);
}

TEST(EditMaskTest, DesignMasksBecomeQtMasks) {
  EXPECT_EQ(QtInputMask("!#####.99;1;_"), "#####.99;_");
  EXPECT_EQ(QtInputMask("!99/99/00;1;_"), "99/99/00;_");
  EXPECT_EQ(QtInputMask("!9;1;_"), "9;_");
  EXPECT_EQ(QtInputMask(">LL-aaa;0; "), ">AA-nnn; ");
  EXPECT_EQ(QtInputMask("Box 9"), "\\Bo\\x 9;_");
}

}  // namespace
