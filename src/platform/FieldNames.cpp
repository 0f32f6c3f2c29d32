#include "platform/FieldNames.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace {

// The label's text as a name: without the mnemonic's "&" and a closing ":".
QString NameOf(const QLabel* label) {
  QString text = label->text();
  text.remove(QLatin1Char('&'));
  text = text.trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

void Pair(QLabel* label, QWidget* field) {
  if (!label) return;
  if (!label->buddy() &&
      (!field || qobject_cast<QLabel*>(field) || qobject_cast<QAbstractButton*>(field)))
    return;
  const QString name = NameOf(label);
  if (name.isEmpty()) return;
  if (label->buddy())
    field = label->buddy();  // paired by its window already
  else
    label->setBuddy(field);
  if (field->accessibleName().isEmpty()) field->setAccessibleName(name);
}

QWidget* WidgetAt(QLayoutItem* item) { return item ? item->widget() : nullptr; }

void NameInLayout(QLayout* layout) {
  if (!layout) return;
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    for (int r = 0; r < grid->rowCount(); ++r)
      for (int c = 0; c + 1 < grid->columnCount(); ++c)
        Pair(qobject_cast<QLabel*>(WidgetAt(grid->itemAtPosition(r, c))),
             WidgetAt(grid->itemAtPosition(r, c + 1)));
  } else if (qobject_cast<QBoxLayout*>(layout)) {
    for (int i = 0; i + 1 < layout->count(); ++i)
      Pair(qobject_cast<QLabel*>(WidgetAt(layout->itemAt(i))), WidgetAt(layout->itemAt(i + 1)));
  }
  for (int i = 0; i < layout->count(); ++i) NameInLayout(layout->itemAt(i)->layout());
}

}  // namespace

void NameFieldsByLabels(QWidget* window) {
  NameInLayout(window->layout());
  for (QWidget* child : window->findChildren<QWidget*>())
    if (child->layout() && !child->isWindow()) NameInLayout(child->layout());
}
