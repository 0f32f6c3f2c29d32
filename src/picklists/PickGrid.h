// The paged grid pick list that every large table is browsed through
// (customers, products, purchases, invoices): ten rows of the table in the
// order of its selected tag, a scroll bar and paging keys, a seek box, and
// Select / New / Cancel. The result goes into the table's current-record
// value: a record number (> 0), 0 for a new record, -1 for cancelled (also
// when the window is closed any other way).
//
// A list supplies its table, its tag choice, its columns and the texts of a
// row; the paging itself is PickPaging. Grid rows: the header is the
// table's horizontal header, so data row r (1 to 10) is table row r - 1.
// The last column holds the record number under "RecNo" and lies wholly
// beyond the grid's visible width.
#ifndef PICKLISTS_PICKGRID_H
#define PICKLISTS_PICKGRID_H

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include "picklists/PickPaging.h"
#include "tbengine/engine.h"

class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;

class PickGridForm : public QDialog {
  Q_OBJECT

 public:
  struct Column {
    QString header;
    int width;  // in widths of the list's width letter
  };
  // What does not change between showings.
  struct Shape {
    QString caption;
    QChar widthLetter;  // column widths are multiples of this letter's width
    int gridWidth;      // in the same unit
    int rightMargin;    // pixels between the scroll bar and the window's edge
    // With no remembered record on the page, row 1 becomes current (else
    // the current row is left where it is).
    bool firstRowWhenNoneNoted;
  };

  QTableWidget* StringGrid1;
  QScrollBar* ScrollBar1;
  QLabel* SeekLabel;
  QLineEdit* Edit1;  // the seek box
  QPushButton* BtnSelect;
  QPushButton* BtnNew;
  QPushButton* BtnCancel;

  PickPaging& paging() { return paging_; }
  // The current data row, 1 to 10; 0 when none.
  int currentRow() const;
  // The record number shown on data row row (1 to 10); 0 for a blank row.
  long recordOfRow(int row) const;

 public slots:
  void FormShow();
  void BtnSelectClick();
  void BtnNewClick();
  void BtnCancelClick();
  void StringGrid1DblClick();
  void StringGrid1Click();
  void Edit1Change();
  void ScrollBar1Scroll(int action);
  void ScrollBar1Released();

 protected:
  PickGridForm(const Shape& shape, QWidget* parent);

  // The table browsed; open while the list is shown.
  virtual DATA4* table() const = 0;
  // The table's current-record value.
  virtual int& currentRecord() const = 0;
  // Selects the tag the list pages in; by default the caller's choice stands.
  virtual void selectTag() {}
  // The visible columns of this showing (the record-number column is added).
  virtual QList<Column> columns() const = 0;
  // The texts of the visible columns for the table's current record.
  virtual QStringList rowTexts() = 0;
  // The highlighted row changed (row 0: none); e.g. shows its customer's group.
  virtual void showRowDetails(int row) { (void)row; }
  // Seeks what the seek box holds; true when the list must be filled again.
  virtual bool seek(const QString& text) { return paging_.seekText(text); }
  // Seeks text and fills the rows when it found something; a list with a
  // seek box of its own connects that box's changes here.
  void seekAndFill(const QString& text);

  // Fills the ten rows from the top offset; rowAfter (1 to 10) is made
  // current afterwards when given, else the remembered record's row.
  void fillGrid(int rowAfter = 0);
  // The row after the seek box: further boxes of a list go here.
  QHBoxLayout* seekRow() const { return seekRow_; }

  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Paging and choosing keys of the grid; true when the key was handled.
  bool StringGrid1KeyDown(QKeyEvent* event);
  void layOut();
  void setCurrentDataRow(int row);

  Shape shape_;
  PickPaging paging_;
  QWidget* gridArea_ = nullptr;
  QHBoxLayout* seekRow_ = nullptr;
  int filledRows_ = 0;
  bool filling_ = false;  // no row details while the rows are rewritten
};

#endif  // PICKLISTS_PICKGRID_H
