// TLabPrint, "Print Labels": the label stock to print on (ComboBox1, the one
// last used, LabID, chosen at first), and the column and row of the first
// label, each with its arrows. Shown with LABELS open; OK loads the chosen
// stock into LabelBuf.
#ifndef LABELS_LABPRINTU_H
#define LABELS_LABPRINTU_H

#include <QList>

#include "platform/FormDialog.h"

class Canvas;
class CountBox;
class QComboBox;
class QPushButton;
class QToolButton;

class TLabPrint : public FormDialog {
  Q_OBJECT
 public:
  explicit TLabPrint(QWidget* parent = nullptr);
  ~TLabPrint() override;

  // The stock chosen with OK is checked against this canvas (its page and
  // the report font) and refused when it cannot be printed; nullptr: no
  // check.
  void setCheckCanvas(Canvas* canvas) { check_ = canvas; }

  // Where the first label goes, as the boxes say (empty = 1).
  int column() const;
  int row() const;
  bool cancelled() const { return cancelled_; }

  QComboBox* ComboBox1;
  CountBox* MaskEdit1;   // starting column
  QToolButton* UpDown1Prev;  // the left arrow of UpDown1
  QToolButton* UpDown1Next;  // the right arrow of UpDown1
  CountBox* MaskEdit2;   // row
  QToolButton* UpDown2Prev;  // the up arrow of UpDown2
  QToolButton* UpDown2Next;  // the down arrow of UpDown2
  QPushButton* BtnOK;
  QPushButton* BtnCancel;

 public slots:
  void FormShow() override;
  void ComboBox1Change();
  // next: the right (column) or down (row) arrow; otherwise left or up.
  void UpDown1Click(bool next);
  void UpDown2Click(bool next);
  void MaskEdit1Exit();
  void MaskEdit2Exit();
  void BtnOKClick();
  void BtnCancelClick();

 private:
  // LabelBuf := the stock of the combo box's line; false when none.
  bool LoadChosenStock();
  // The last row the first label may go in: the rows on a page of the stock
  // on the check canvas (sheets only), at most 99.
  int lastRow() const;

  QList<long> records_;  // the record number of each line of ComboBox1
  Canvas* check_ = nullptr;
  bool cancelled_ = true;
};

// The print dialog created at start-up (nullptr before).
extern TLabPrint* LabPrint;

// Shows the print dialog modally (LABELS open), checking the stock against
// check; true when OK was pressed: LabelBuf holds the stock, *column and
// *row the starting place.
bool RunLabPrint(Canvas* check, int* column, int* row);

#endif  // LABELS_LABPRINTU_H
