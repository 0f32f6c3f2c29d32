#include "platform/FieldNames.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// A control a person types into or chooses in, which a label names.
bool IsField(const QWidget* w) {
  return w && (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
               qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
               qobject_cast<const QAbstractSpinBox*>(w));
}

// The text of a label (or of a button standing in for one, such as
// "Group" beside the group's field) as a name: without the mnemonic's "&"
// and a closing ":".
QString NameOf(const QWidget* w) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
  else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
  text.remove(QLatin1Char('&'));
  text = text.trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

void Name(QWidget* field, const QString& name) {
  if (IsField(field) && field->accessibleName().isEmpty() && !name.isEmpty())
    field->setAccessibleName(name);
}

QWidget* WidgetAt(QLayoutItem* item) { return item ? item->widget() : nullptr; }

// The fields of a layout, nested layouts included, in their order.
void FieldsIn(QLayout* layout, QList<QWidget*>* fields) {
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (IsField(item->widget())) fields->append(item->widget());
    if (item->layout()) FieldsIn(item->layout(), fields);
  }
}

// Names a group of fields after one label: "Name", "Name 2", "Name 3".
void NameAll(const QList<QWidget*>& fields, const QString& name) {
  int n = 0;
  for (QWidget* f : fields) {
    if (!f->accessibleName().isEmpty()) continue;
    Name(f, ++n == 1 ? name : QStringLiteral("%1 %2").arg(name).arg(n));
  }
}

// A grid: a label names the field (or the fields of the layout) to its
// right; a field with no label beside it takes the heading above it in its
// column (with the row's label before it where there is one), else the
// label of the rows above it ("Address 2").
void NameInGrid(QGridLayout* grid) {
  for (int r = 0; r < grid->rowCount(); ++r) {
    for (int c = 0; c + 1 < grid->columnCount(); ++c) {
      QWidget* left = WidgetAt(grid->itemAtPosition(r, c));
      if (!qobject_cast<QLabel*>(left) && !qobject_cast<QAbstractButton*>(left)) continue;
      QLayoutItem* right = grid->itemAtPosition(r, c + 1);
      if (!right || right == grid->itemAtPosition(r, c)) continue;
      if (auto* label = qobject_cast<QLabel*>(left); label && IsField(right->widget()) && !label->buddy())
        label->setBuddy(right->widget());
      QList<QWidget*> fields;
      if (IsField(right->widget())) fields << right->widget();
      if (right->layout()) FieldsIn(right->layout(), &fields);
      NameAll(fields, NameOf(left));
    }
  }
  for (int r = 0; r < grid->rowCount(); ++r) {
    for (int c = 0; c < grid->columnCount(); ++c) {
      QWidget* field = WidgetAt(grid->itemAtPosition(r, c));
      if (!IsField(field) || !field->accessibleName().isEmpty()) continue;
      QString heading, rowName;
      for (int up = r - 1; up >= 0 && heading.isEmpty(); --up)
        if (QWidget* w = WidgetAt(grid->itemAtPosition(up, c)); qobject_cast<QLabel*>(w))
          heading = NameOf(w);
      for (int back = c - 1; back >= 0 && rowName.isEmpty(); --back)
        if (QWidget* w = WidgetAt(grid->itemAtPosition(r, back)); qobject_cast<QLabel*>(w))
          rowName = NameOf(w);
      if (!heading.isEmpty()) {
        Name(field, rowName.isEmpty() ? heading : rowName + ' ' + heading);
        continue;
      }
      // A further line of the field above: "Address 2".
      int lines = 1;
      for (int up = r - 1; up >= 0 && c > 0; --up) {
        ++lines;
        if (QWidget* w = WidgetAt(grid->itemAtPosition(up, c - 1)); qobject_cast<QLabel*>(w)) {
          Name(field, QStringLiteral("%1 %2").arg(NameOf(w)).arg(lines));
          break;
        }
      }
    }
  }
}

// Any layout: grids as above; elsewhere each field takes the label (or
// the button) before it in the layout's order.
void NameInLayout(QLayout* layout, QWidget** lastLabel) {
  if (!layout) return;
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) NameInGrid(grid);
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    QWidget* w = item->widget();
    if (qobject_cast<QLabel*>(w) && !NameOf(w).isEmpty()) {
      *lastLabel = w;
    } else if (IsField(w) && w->accessibleName().isEmpty() && *lastLabel) {
      auto* label = qobject_cast<QLabel*>(*lastLabel);
      if (!label->buddy()) label->setBuddy(w);
      Name(w, NameOf(label));
    }
    if (item->layout()) NameInLayout(item->layout(), lastLabel);
  }
}

}  // namespace

void NameFieldsByLabels(QWidget* window) {
  // A label made its field's buddy by the window names that field.
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->buddy()) Name(label->buddy(), NameOf(label));
  QWidget* lastLabel = nullptr;
  NameInLayout(window->layout(), &lastLabel);
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (!child->layout() || child->isWindow()) continue;
    lastLabel = nullptr;
    NameInLayout(child->layout(), &lastLabel);
  }
}
