#include "platform/DiscardChanges.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>

#include "platform/Ui.h"

namespace {

QString TableState(const QTableWidget* grid) {
  QString state;
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c) {
      const QTableWidgetItem* item = grid->item(r, c);
      state += (item ? item->text() : QString()) + QLatin1Char('\t');
    }
  return state;
}

QString ControlState(const QWidget* w) {
  // A box inside a combo box or spin box is read through its owner.
  if (const auto* e = qobject_cast<const QLineEdit*>(w))
    return qobject_cast<const QComboBox*>(w->parentWidget()) ||
                   qobject_cast<const QAbstractSpinBox*>(w->parentWidget())
               ? QString()
               : e->text();
  if (const auto* e = qobject_cast<const QPlainTextEdit*>(w)) return e->toPlainText();
  if (const auto* e = qobject_cast<const QTextEdit*>(w)) return e->toPlainText();
  if (const auto* e = qobject_cast<const QComboBox*>(w))
    return QString::number(e->currentIndex()) + QLatin1Char(':') + e->currentText();
  if (const auto* e = qobject_cast<const QAbstractSpinBox*>(w)) return e->text();
  if (const auto* e = qobject_cast<const QAbstractButton*>(w))
    return e->isCheckable() ? QString::number(int(e->isChecked())) : QString();
  if (const auto* e = qobject_cast<const QTableWidget*>(w)) return TableState(e);
  return QString();
}

}  // namespace

QString ControlsState(const QWidget* form) {
  QString state;
  for (const QWidget* w : form->findChildren<QWidget*>()) {
    const QString value = ControlState(w);
    if (!value.isEmpty()) state += w->objectName() + QLatin1Char('=') + value + QLatin1Char('\n');
  }
  return state;
}

bool MayDiscard(const QString& loaded, const QString& now, const QString& question) {
  if (loaded == now) return true;
  return Ui::get().confirmDestructive(Ui::Kind::Confirmation, Ui::Buttons::YesNo, question);
}
