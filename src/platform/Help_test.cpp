#include "platform/Help.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "platform/TestApplication.h"

namespace {

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    Help::setRecorder([this](const QString& anchor) { asked.append(anchor); });
  }
  void TearDown() override { Help::setRecorder(nullptr); }
  QStringList asked;
};

TEST_F(HelpTest, HelpFileHasASectionForEveryContextTheProgramUses) {
  QFile file(":/help/tallowby.html");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(html.contains("name=\"contents\""));
  for (int context : {10, 300, 310, 400, 410, 415, 420, 430, 450, 500, 600, 610, 620, 630, 640, 700, 1120})
    EXPECT_TRUE(html.contains(QString("name=\"context-%1\"").arg(context))) << context;
}

TEST_F(HelpTest, F1ShowsTheNearestContext) {
  QWidget window;
  Help::setContext(&window, 10);
  auto* tab = new QWidget(&window);
  Help::setContext(tab, 300);
  auto* inTab = new QLineEdit(tab);
  auto* outside = new QLineEdit(&window);
  QTest::keyClick(inTab, Qt::Key_F1);
  QTest::keyClick(outside, Qt::Key_F1);
  QTest::keyClick(inTab, Qt::Key_A);
  EXPECT_EQ(asked, QStringList({"context-300", "context-10"}));
  EXPECT_EQ(inTab->text(), "a");
}

TEST_F(HelpTest, HelpButtonShowsItsContext) {
  QDialog dialog;
  QPushButton* button = Help::makeButton(&dialog, 410, "BitBtn1");
  ASSERT_EQ(dialog.findChild<QPushButton*>("BitBtn1"), button);
  button->click();
  Help::showContents();
  EXPECT_EQ(asked, QStringList({"context-410", "contents"}));
}

TEST_F(HelpTest, HelpWindowOpensAtTheSection) {
  Help::setRecorder(nullptr);
  Help::showContext(630);
  QWidget* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "HelpWindow") window = w;
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  auto* browser = window->findChild<QTextBrowser*>("HelpBrowser");
  EXPECT_EQ(browser->source().fragment(), "context-630");
  EXPECT_TRUE(browser->toPlainText().contains("Sales tax"));
  // Inside the screen with room above for the window system's title bar.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_GT(window->geometry().top(), screen.top()) << "the title bar would lie above the screen";
  EXPECT_TRUE(screen.contains(window->geometry()));
  window->close();
}

}  // namespace
