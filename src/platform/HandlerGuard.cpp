#include "platform/HandlerGuard.h"

#include <exception>

#include "platform/NumberText.h"
#include "platform/Ui.h"

bool RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const ConversionError& e) {
    Ui::get().error(e.text());
  } catch (const std::exception& e) {
    Ui::get().error(QString::fromLocal8Bit(e.what()));
  }
  return false;
}
