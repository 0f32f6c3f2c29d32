// Small pieces the editor windows are built from.
#ifndef PLATFORM_FORMPARTS_H
#define PLATFORM_FORMPARTS_H

#include <QString>
#include <QStringList>
#include <initializer_list>

class AmountBox;
class DateBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

// A button that Enter in a field never presses.
QPushButton* MakeFormButton(const QString& name, const QString& caption, QWidget* parent);
// A single-line field limited to maxLength typed characters, Enter moving on.
QLineEdit* MakeFormEdit(const QString& name, int maxLength, QWidget* parent);
// An amount box with the window's mask and printf format ("!#####.99;1;_",
// "%8.2f"), and a date box, each named as its window names it.
AmountBox* MakeAmountBox(const QString& name, const QString& editMask, const char* format,
                         QWidget* parent);
DateBox* MakeDateBox(const QString& name, QWidget* parent);
// A field of a form: its caption (the field's buddy, so a screen reader
// names the field) and a MakeFormEdit box, in row of grid.
QLineEdit* AddFormField(QGridLayout* grid, int row, const QString& caption, const QString& name,
                        int maxLength, QWidget* parent);
// A window's list (named "StringGrid1"): the headings, no row numbers, the
// last column to the list's edge, one whole row chosen at a time.
QTableWidget* MakeListGrid(const QStringList& headings, QWidget* parent);
// Tab order through the widgets as listed.
void SetTabOrder(std::initializer_list<QWidget*> order);
// A window's buttons in a row at its foot, after a stretch when stretched
// (the row then stands at the right); null entries are left out.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, bool stretched = true);

#endif  // PLATFORM_FORMPARTS_H
