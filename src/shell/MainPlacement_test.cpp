// The main window places itself in the middle of the screen, so it does not
// stand in the corner where no window manager places it.
#include <QGuiApplication>
#include <QScreen>

#include "shell/TestSupport.h"

namespace {

using MainPlacementTest = ShellTest;

TEST_F(MainPlacementTest, MainWindowIsCentredOnTheScreen) {
  start();
  ASSERT_FALSE(main()->ended());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect window = main()->frameGeometry();
  ASSERT_TRUE(screen.contains(window)) << "the screen is smaller than the window";
  EXPECT_LE(std::abs(window.center().x() - screen.center().x()), 2);
  EXPECT_LE(std::abs(window.center().y() - screen.center().y()), 2);
}

}  // namespace
