#include "platform/HandlerGuard.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/NumberText.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"

namespace {

struct ProgramEndedForTest {};

class TForm : public QWidget {
 public:
  int steps = 0;
  void BtnSaveClick() {
    ++steps;
    StrToFloat("abc");
    ++steps;  // never reached
  }
};

TEST(HandlerGuardTest, ConversionErrorAbandonsTheHandlerAndIsShown) {
  EnsureTestApplication();
  ScriptedUi ui;
  TForm form;
  QPushButton save(&form);
  QObject::connect(&save, &QPushButton::clicked, &form, Guarded(&form, &TForm::BtnSaveClick));
  ui.expectMessage(Ui::Kind::Error, "'abc' is not a valid floating point value.");
  save.click();
  EXPECT_EQ(form.steps, 1);
}

TEST(HandlerGuardTest, OtherFailuresAreShownTooAndTheCallerLearnsOfIt) {
  ScriptedUi ui;
  ui.expectMessage(Ui::Kind::Error, "Unable to read logo.bmp");
  EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("Unable to read logo.bmp"); }));
  EXPECT_TRUE(RunGuarded([] {}));
}

TEST(HandlerGuardTest, ProgramEndPassesThrough) {
  ScriptedUi ui;
  EXPECT_THROW(RunGuarded([] { throw ProgramEndedForTest{}; }), ProgramEndedForTest);
}

}  // namespace
