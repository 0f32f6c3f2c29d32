#include "platform/ScriptedUi.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/TestApplication.h"

namespace {

// A dialog whose show handler fills a field, like the program's FormShow.
class TOuter : public QDialog {
  Q_OBJECT
 public:
  TOuter() {
    auto* edit = new QLineEdit(this);
    edit->setObjectName("Edit1");
    auto* button = new QPushButton("More", this);
    button->setObjectName("BtnMore");
    connect(button, &QPushButton::clicked, this, &TOuter::BtnMoreClick);
  }
  QDialog* inner = nullptr;
  int innerResult = -1;
  bool shownBeforeFill = false;

 protected:
  void showEvent(QShowEvent*) override { findChild<QLineEdit*>("Edit1")->setText("shown"); }

 private:
  void BtnMoreClick() { innerResult = Ui::get().exec(inner); }
};

class TInner : public QDialog {
  Q_OBJECT
};

class ScriptedUiTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureTestApplication(); }
};

TEST_F(ScriptedUiTest, PromptsAreAnsweredInTheOrderQueued) {
  ScriptedUi ui;
  ui.expectMessage(Ui::Kind::Warning, "Invalid Date Entered");
  ui.expectConfirm(Ui::Buttons::YesNo, "Delete this invoice?", true);
  ui.expectConfirm("Overwrite?", false);
  ui.expectInput("Find", "Brown");
  ui.expectInputCancel("Find");
  ui.expectSaveFile("/tmp/out.txt");
  ui.expectOpenFile("");

  Ui::get().warning("Invalid Date Entered");
  EXPECT_TRUE(Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::YesNo, "Delete this invoice?"));
  EXPECT_FALSE(Ui::get().confirm(Ui::Kind::Warning, Ui::Buttons::OkCancel, "Overwrite?"));
  QString value = "default";
  EXPECT_TRUE(Ui::get().input("Find", "Name:", &value));
  EXPECT_EQ(value, "Brown");
  value = "kept";
  EXPECT_FALSE(Ui::get().input("Find", "Name:", &value));
  EXPECT_EQ(value, "kept");
  EXPECT_EQ(Ui::get().saveFileName(nullptr, "Export Report", "", "Text files (*.txt)", "txt"),
            "/tmp/out.txt");
  EXPECT_EQ(ui.lastFilePrompt().defaultSuffix, "txt");
  EXPECT_EQ(Ui::get().openFileName(nullptr, "Logo", "", "*.bmp"), "");
  EXPECT_TRUE(ui.done());
}

TEST_F(ScriptedUiTest, UnexpectedPromptFailsAndIsAnsweredNo) {
  ScriptedUi ui;
  bool answer = true;
  EXPECT_NONFATAL_FAILURE(
      answer = Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::OkCancel, "Erase all data?"),
      "Erase all data?");
  EXPECT_FALSE(answer);
}

TEST_F(ScriptedUiTest, DifferentTextFailsShowingBoth) {
  ScriptedUi ui;
  ui.expectMessage(Ui::Kind::Information, "Customer Database is Empty");
  EXPECT_NONFATAL_FAILURE(Ui::get().information("Group Database is Empty"),
                          "Customer Database is Empty");
  ui.expectMessage(Ui::Kind::Information, "Saved");
  EXPECT_NONFATAL_FAILURE(Ui::get().warning("Saved"), "information: Saved");
}

TEST_F(ScriptedUiTest, WrongButtonsFail) {
  ScriptedUi ui;
  ui.expectConfirm(Ui::Buttons::YesNo, "Delete?", true);
  bool answer = true;
  EXPECT_NONFATAL_FAILURE(
      answer = Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::OkCancel, "Delete?"),
      "OK/Cancel");
  EXPECT_FALSE(answer);
}

TEST_F(ScriptedUiTest, PromptThatNeverCameFails) {
  ScriptedUi ui;
  ui.expectMessage(Ui::Kind::Information, "Unable to save to: x");
  EXPECT_NONFATAL_FAILURE(ui.verifyDone(), "Unable to save to: x");
  EXPECT_TRUE(ui.done());
}

TEST_F(ScriptedUiTest, NestedDialogsRunTheirOwnFunctions) {
  ScriptedUi ui;
  TOuter outer;
  TInner inner;
  outer.inner = &inner;
  ui.onDialog<TInner>([&](TInner* d) {
    EXPECT_TRUE(d->isVisible());
    d->accept();
  });
  ui.onDialog<TOuter>([&](TOuter* d) {
    EXPECT_EQ(d->findChild<QLineEdit*>("Edit1")->text(), "shown");
    d->findChild<QPushButton*>("BtnMore")->click();
    d->accept();
  });
  EXPECT_EQ(ui.exec(&outer), QDialog::Accepted);
  EXPECT_EQ(outer.innerResult, QDialog::Accepted);
  EXPECT_FALSE(outer.isVisible());
  EXPECT_EQ(ui.transcript(), QStringList({"dialog: TOuter", "dialog: TInner"}));
}

TEST_F(ScriptedUiTest, DialogLeftOpenCountsAsRejectedAndIsClosed) {
  ScriptedUi ui;
  TInner d;
  d.setResult(QDialog::Accepted);
  ui.onDialog<TInner>([](TInner*) {});
  EXPECT_EQ(Ui::get().exec(&d), QDialog::Rejected);
  EXPECT_FALSE(d.isVisible());
}

TEST_F(ScriptedUiTest, DialogWithoutFunctionFails) {
  ScriptedUi ui;
  TInner d;
  int result = 1;
  EXPECT_NONFATAL_FAILURE(result = Ui::get().exec(&d), "unexpected dialog");
  EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(ScriptedUiTest, PopupChoiceTriggersTheNamedAction) {
  ScriptedUi ui;
  QMenu menu;
  menu.setObjectName("PopupMenu2");
  QMenu* sub = menu.addMenu("&Invoices");
  QAction* dates = sub->addAction("Selected &Date(s)");
  dates->setObjectName("SelectedDates2");
  int triggered = 0;
  QObject::connect(dates, &QAction::triggered, [&] { ++triggered; });
  ui.expectPopup("SelectedDates2");
  ui.expectPopup("");
  EXPECT_EQ(Ui::get().popup(&menu, QPoint()), dates);
  EXPECT_EQ(triggered, 1);
  EXPECT_EQ(Ui::get().popup(&menu, QPoint()), nullptr);
  EXPECT_EQ(triggered, 1);
}

TEST_F(ScriptedUiTest, DriverIsInstalledOnlyForItsLifetime) {
  {
    ScriptedUi ui;
    EXPECT_EQ(&Ui::get(), &ui);
  }
  // Without a real driver the quiet one answers No.
  EXPECT_FALSE(Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::YesNo, "Quit?"));
}

}  // namespace

#include "ScriptedUi_test.moc"
