// A captioned group of radio buttons that is read and set by item index,
// -1 meaning that no item is selected (a stored value outside the items
// selects none). Buttons are named "<group>Item0", "<group>Item1", ...
#ifndef PRODUCTS_RADIOGROUP_H
#define PRODUCTS_RADIOGROUP_H

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& name, const QString& caption, const QStringList& items,
             QWidget* parent = nullptr);

  // The index of the checked item; -1 when none is checked.
  int itemIndex() const;
  // Checks item index; any index outside the items leaves none checked.
  void setItemIndex(int index);

  QRadioButton* item(int index) const { return items_.value(index); }
  int count() const { return static_cast<int>(items_.size()); }

 private:
  QList<QRadioButton*> items_;
};

#endif  // PRODUCTS_RADIOGROUP_H
