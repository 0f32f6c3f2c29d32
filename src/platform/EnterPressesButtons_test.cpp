#include "platform/EnterPressesButtons.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/EnterMovesFocus.h"
#include "platform/TestApplication.h"

namespace {

// A dialog as the editors build theirs: a field, Save as the default
// button, Cancel, and a picture button.
class EnterPressesButtonsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnterPressesButtons::install(EnsureTestApplication()); }
  void SetUp() override {
    auto* layout = new QVBoxLayout(&dialog);
    field = new QLineEdit(&dialog);
    save = new QPushButton("Save", &dialog);
    cancel = new QPushButton("Cancel", &dialog);
    picture = new QToolButton(&dialog);
    picture->setFocusPolicy(Qt::StrongFocus);
    for (QWidget* w : {static_cast<QWidget*>(field), static_cast<QWidget*>(save),
                       static_cast<QWidget*>(cancel), static_cast<QWidget*>(picture)})
      layout->addWidget(w);
    save->setDefault(true);
    cancel->setAutoDefault(false);
    EnterMovesFocus::install(field);
    QObject::connect(save, &QPushButton::clicked, [this] { pressed << "Save"; });
    QObject::connect(cancel, &QPushButton::clicked, [this] { pressed << "Cancel"; });
    QObject::connect(picture, &QToolButton::clicked, [this] { pressed << "picture"; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }

  QDialog dialog;
  QLineEdit* field;
  QPushButton* save;
  QPushButton* cancel;
  QToolButton* picture;
  QStringList pressed;
};

TEST_F(EnterPressesButtonsTest, EnterPressesTheFocusedButtonAndNoOther) {
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Return);
  EXPECT_EQ(pressed, QStringList({"Cancel"})) << "not the dialog's default button";
  picture->setFocus();
  QTest::keyClick(picture, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(pressed, QStringList({"Cancel", "picture"}));
}

TEST_F(EnterPressesButtonsTest, EnterInAFieldStillMovesOnWithoutPressing) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_TRUE(save->hasFocus());
  EXPECT_TRUE(pressed.isEmpty());
  QTest::keyClick(save, Qt::Key_Return);
  EXPECT_EQ(pressed, QStringList({"Save"}));
}

TEST_F(EnterPressesButtonsTest, DisabledButtonIsNotPressed) {
  cancel->setFocus();
  cancel->setEnabled(false);
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_FALSE(pressed.contains("Cancel"));
}

}  // namespace
