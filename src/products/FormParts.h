// Small pieces the product, purchase and tax windows are built from.
#ifndef PRODUCTS_FORMPARTS_H
#define PRODUCTS_FORMPARTS_H

#include <QString>
#include <initializer_list>

class QLineEdit;
class QPushButton;
class QWidget;

// A button that Enter in a field never presses.
QPushButton* MakeFormButton(const QString& name, const QString& caption, QWidget* parent);
// A single-line field limited to maxLength typed characters, Enter moving on.
QLineEdit* MakeFormEdit(const QString& name, int maxLength, QWidget* parent);
// Tab order through the widgets as listed.
void SetTabOrder(std::initializer_list<QWidget*> order);

#endif  // PRODUCTS_FORMPARTS_H
