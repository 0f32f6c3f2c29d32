#include "printing/DateSpanU.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/DateBox.h"
#include "platform/Language.h"
#include "platform/ScriptedUi.h"
#include "printing/RptUtil.h"
#include "printing/TestSupport.h"

namespace {

TDate Day(int y, int m, int d) { return DateFromQDate(QDate(y, m, d)); }

class DateSpanTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    picker = std::make_unique<TDateSpan>();
    ReportFrom = Day(2026, 3, 1);
    ReportTo = Day(2026, 3, 31);
  }
  void TearDown() override {
    picker.reset();
    ReportTest::TearDown();
  }
  // Runs the picker; inDialog types and presses buttons while it is open.
  bool Run(const std::function<void(TDateSpan*)>& inDialog) {
    ui.onDialog<TDateSpan>([&](TDateSpan* d) { inDialog(d); });
    return RunDateSpan();
  }
  static DateBox* Box(TDateSpan* d, const char* name) { return d->findChild<DateBox*>(name); }
  static void Press(TDateSpan* d, const char* name) { d->findChild<QPushButton*>(name)->click(); }

  ScriptedUi ui;
  std::unique_ptr<TDateSpan> picker;
};

TEST_F(DateSpanTest, ShowsThePresetSpanAndReturnsTheTypedOne) {
  QString shownFrom, shownTo;
  const bool chosen = Run([&](TDateSpan* d) {
    shownFrom = Box(d, "MaskEdit1")->text();
    shownTo = Box(d, "MaskEdit2")->text();
    Box(d, "MaskEdit1")->setText("02/01/26");
    Box(d, "MaskEdit2")->setText("02/28/26");
    Press(d, "BtnOK");
  });
  EXPECT_TRUE(chosen);
  EXPECT_FALSE(SpanCancelled);
  EXPECT_EQ(shownFrom, "03/01/26");
  EXPECT_EQ(shownTo, "03/31/26");
  EXPECT_EQ(ReportFrom, Day(2026, 2, 1));
  EXPECT_EQ(ReportTo, Day(2026, 2, 28));
}

TEST_F(DateSpanTest, EqualStartAndEndAreAccepted) {
  EXPECT_TRUE(Run([&](TDateSpan* d) {
    Box(d, "MaskEdit2")->setText("03/01/26");
    Press(d, "BtnOK");
  }));
  EXPECT_EQ(ReportFrom, ReportTo);
}

TEST_F(DateSpanTest, EndBeforeStartIsRefusedAndTheDialogStaysOpen) {
  bool openAfterRefusal = false;
  const bool chosen = Run([&](TDateSpan* d) {
    Box(d, "MaskEdit1")->setText("03/20/26");
    Box(d, "MaskEdit2")->setText("03/19/26");
    ui.expectMessage(Ui::Kind::Information,
                     "Ending Date must be greater than or equal to Starting Date.");
    Press(d, "BtnOK");
    openAfterRefusal = d->isVisible();
    Box(d, "MaskEdit2")->setText("03/21/26");
    Press(d, "BtnOK");
  });
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_TRUE(chosen);
  EXPECT_EQ(ReportTo, Day(2026, 3, 21));
}

TEST_F(DateSpanTest, UnreadableDateOnOkShowsTheConversionErrorAndKeepsTheDialogOpen) {
  bool open = false;
  const bool chosen = Run([&](TDateSpan* d) {
    Box(d, "MaskEdit1")->setText("13/45/26");
    ui.expectMessage(Ui::Kind::Error, "'13/45/26' is not a valid date.");
    Press(d, "BtnOK");
    open = d->isVisible();
  });
  EXPECT_TRUE(open);
  EXPECT_FALSE(chosen);
  EXPECT_TRUE(SpanCancelled);
}

TEST_F(DateSpanTest, CancelAlwaysCancelsEvenWithAFieldThatIsNoDate) {
  const bool chosen = Run([&](TDateSpan* d) {
    Box(d, "MaskEdit1")->setText("02/02/26");
    Box(d, "MaskEdit2")->setText("99/99/26");
    Press(d, "BtnCancel");
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_FALSE(chosen);
  EXPECT_TRUE(SpanCancelled);
  EXPECT_EQ(ReportFrom, Day(2026, 2, 2));  // a readable field is still taken
  EXPECT_EQ(ReportTo, Day(2026, 3, 31));
}

TEST_F(DateSpanTest, CancelClickedFromABoxWithAnInvalidDateCancelsWithoutAWord) {
  bool closed = false;
  const bool chosen = Run([&](TDateSpan* d) {
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    DateBox* box = Box(d, "MaskEdit1");
    box->setFocus();
    box->setText("13/45/26");
    QTest::mouseClick(d->findChild<QPushButton*>("BtnCancel"), Qt::LeftButton);
    closed = !d->isVisible();
  });
  EXPECT_TRUE(closed);
  EXPECT_FALSE(chosen);
  EXPECT_FALSE(ui.transcript().join("|").contains("Invalid Date Entered"))
      << ui.transcript().join("|").toStdString();
}

TEST_F(DateSpanTest, OkClickedFromABoxWithAnInvalidDateStillChecksIt) {
  Run([&](TDateSpan* d) {
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    Box(d, "MaskEdit1")->setFocus();
    Box(d, "MaskEdit1")->setText("13/45/26");
    ui.expectMessage(Ui::Kind::Warning, "Invalid Date Entered");
    ui.expectMessage(Ui::Kind::Error, "'13/45/26' is not a valid date.");
    QTest::mouseClick(d->findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
    d->close();
  });
}

TEST_F(DateSpanTest, ClosingTheWindowLeavesTheSpanCancelled) {
  EXPECT_FALSE(Run([&](TDateSpan* d) { d->close(); }));
  EXPECT_TRUE(SpanCancelled);
}

TEST_F(DateSpanTest, SingleDateIgnoresTheHiddenEndingFieldAndRestoresTheDialog) {
  ReportTo = 0;  // the hidden field holds no date at all
  QString caption;
  bool endingHidden = false;
  ui.onDialog<TDateSpan>([&](TDateSpan* d) {
    caption = d->findChild<QLabel*>("Label1")->text();
    endingHidden = Box(d, "MaskEdit2")->isHidden() && d->findChild<QLabel*>("Label2")->isHidden();
    Box(d, "MaskEdit1")->setText("04/30/26");
    Press(d, "BtnOK");
  });
  EXPECT_TRUE(RunSingleDate("Inventory as of:"));
  EXPECT_EQ(caption, "Inventory as of:");
  EXPECT_TRUE(endingHidden);
  EXPECT_EQ(ReportFrom, Day(2026, 4, 30));
  EXPECT_EQ(picker->findChild<QLabel*>("Label1")->text(), "Print Beginning:");
  EXPECT_FALSE(picker->findChild<DateBox*>("MaskEdit2")->isHidden());
}

TEST_F(DateSpanTest, SingleDateShowingAbandonedByAnErrorStillRestoresTheDialog) {
  ui.onDialog<TDateSpan>([](TDateSpan* d) {
    d->hide();
    throw std::runtime_error("abandoned");
  });
  EXPECT_THROW(RunSingleDate("Inventory as Of:"), std::runtime_error);
  EXPECT_EQ(picker->findChild<QLabel*>("Label1")->text(), "Print Beginning:");
  EXPECT_FALSE(picker->findChild<QLabel*>("Label2")->isHidden());
  EXPECT_FALSE(picker->findChild<DateBox*>("MaskEdit2")->isHidden());
}

TEST_F(DateSpanTest, EnterInTheStartingFieldMovesToTheEndingFieldWithoutClosing) {
  bool stillOpen = false, endingHasFocus = false;
  Run([&](TDateSpan* d) {
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    Box(d, "MaskEdit1")->setFocus();
    QTest::keyClick(Box(d, "MaskEdit1"), Qt::Key_Return);
    stillOpen = d->isVisible();
    endingHasFocus = Box(d, "MaskEdit2")->hasFocus();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(endingHasFocus);
}

TEST_F(DateSpanTest, SpeaksGermanOrFrenchWhenBuiltInIt) {
  const struct {
    const char* code;
    QStringList captions;  // title, Label1, Label2, OK, Cancel
    const char* refusal;
  } languages[] = {
      {"de", {"Zeitraum", "Drucken ab:", "Ende:", "OK", "Abbrechen"},
       "Das Enddatum darf nicht vor dem Anfangsdatum liegen."},
      {"fr", {"Période", "Imprimer à partir du :", "Fin :", "OK", "Annuler"},
       "La date de fin doit être postérieure ou égale à la date de début."},
  };
  for (const auto& l : languages) {
    DocumentLanguage language(l.code);
    TDateSpan translated;  // the picker RunDateSpan shows now
    const bool chosen = Run([&](TDateSpan* d) {
      EXPECT_EQ(d, &translated);
      const QStringList captions{d->windowTitle(), d->findChild<QLabel*>("Label1")->text(),
                                 d->findChild<QLabel*>("Label2")->text(),
                                 d->findChild<QPushButton*>("BtnOK")->text(),
                                 d->findChild<QPushButton*>("BtnCancel")->text()};
      EXPECT_EQ(captions, l.captions);
      // Both languages write the day first.
      Box(d, "MaskEdit1")->setText("20/03/26");
      Box(d, "MaskEdit2")->setText("19/03/26");
      ui.expectMessage(Ui::Kind::Information, l.refusal);
      Press(d, "BtnOK");
      Press(d, "BtnCancel");
    });
    EXPECT_FALSE(chosen);
  }
}

}  // namespace
