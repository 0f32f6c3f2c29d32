#include "platform/Ui.h"

#include <QtDebug>

namespace {

// Answers every prompt as if the person had cancelled, so code that runs
// before (or without) a real driver can neither crash nor act unasked.
class QuietUi : public Ui {
 public:
  void message(Kind, const QString& text) override { qWarning("Tallowby: %s", qPrintable(text)); }
  bool confirm(Kind, Buttons, const QString& text) override {
    qWarning("Tallowby (answered No): %s", qPrintable(text));
    return false;
  }
  bool input(const QString& title, const QString&, QString*) override {
    qWarning("Tallowby (input cancelled): %s", qPrintable(title));
    return false;
  }
  QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return QString();
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&,
                       const QString&) override {
    return QString();
  }
  QString folderName(QWidget*, const QString&, const QString&) override { return QString(); }
  QAction* popup(QMenu*, const QPoint&) override { return nullptr; }
  int exec(QDialog*) override { return 0; }
};

Ui* installedDriver = nullptr;
Ui* real = nullptr;

}  // namespace

Ui& Ui::get() {
  if (installedDriver) return *installedDriver;
  if (real) return *real;
  static QuietUi quiet;
  return quiet;
}

void Ui::install(Ui* driver) { installedDriver = driver; }

Ui* Ui::installed() { return installedDriver; }

void Ui::setRealDriver(Ui* driver) { real = driver; }
