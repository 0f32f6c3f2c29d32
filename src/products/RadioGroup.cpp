#include "products/RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items,
                       QWidget* parent)
    : QGroupBox(caption, parent) {
  setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
    layout->addWidget(button);
    items_ << button;
  }
}

int RadioGroup::itemIndex() const {
  for (int i = 0; i < count(); ++i) {
    if (items_[i]->isChecked()) return i;
  }
  return -1;
}

void RadioGroup::setItemIndex(int index) {
  // Auto-exclusive buttons refuse to uncheck the last checked one, so the
  // exclusivity is lifted while they are all cleared.
  for (QRadioButton* button : items_) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
  }
  if (index >= 0 && index < count()) items_[index]->setChecked(true);
}
