// The windows of received e-invoices, from "Received E-Invoices" on the
// Products tab:
//   TReceivedList     the register (date, seller, number, total, verdict,
//                     booked): Receive File... takes a file in, Show shows
//                     the chosen one again in the report window, Book books
//                     it after TReceivedBooking.
//   TReceivedBooking  the lines with the product each is booked as; the
//                     person may change or clear any product (the Product
//                     column), then books them with Book.
#ifndef RECEIVING_RECEIVEDU_H
#define RECEIVING_RECEIVEDU_H

#include <QDialog>
#include <QList>

#include "data/ReceivedRegister.h"
#include "receiving/ReceivedBooking.h"

class QPushButton;
class QTableWidget;

class TReceivedBooking : public QDialog {
  Q_OBJECT

 public:
  explicit TReceivedBooking(QWidget* parent = nullptr);

  void setLines(const QList<BookingLine>& lines);
  // The lines as the person left them: a product typed in is one chosen.
  QList<BookingLine> lines() const;

  QTableWidget* StringGrid1;  // line, item, description, quantity, net, product
  QPushButton* BtnBook;
  QPushButton* BtnCancel;

 public slots:
  void BtnBookClick();

 private:
  QList<BookingLine> proposed_;
};

class TReceivedList : public QDialog {
  Q_OBJECT

 public:
  explicit TReceivedList(QWidget* parent = nullptr);

  // The register read again into the grid.
  void Refresh();

  QTableWidget* StringGrid1;  // date, seller, number, total, verdict, booked
  QPushButton* BtnReceive;
  QPushButton* BtnShow;
  QPushButton* BtnBook;
  QPushButton* BtnClose;

 public slots:
  void FormShow();
  void BtnReceiveClick();
  void BtnShowClick();
  void BtnBookClick();

 private:
  // The register record of the highlighted row; recNo 0 for none.
  ReceivedRecord chosen() const;
  QList<ReceivedRecord> records_;
};

// "Received E-Invoices": the register's window, shown modally.
void ShowReceivedInvoices(QWidget* parent);

#endif  // RECEIVING_RECEIVEDU_H
