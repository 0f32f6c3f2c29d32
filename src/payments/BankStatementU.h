// TBankStatement, "Bank Statement": the payments of a bank statement with
// the invoice each is proposed for and why; the person may change or clear
// any invoice (the Invoice column), then books them all with Book. Made
// and shown by ImportBankStatement.
#ifndef PAYMENTS_BANKSTATEMENTU_H
#define PAYMENTS_BANKSTATEMENTU_H

#include <QDialog>

#include "payments/BankBooking.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TBankStatement : public QDialog {
  Q_OBJECT

 public:
  explicit TBankStatement(QWidget* parent = nullptr);

  // The proposal to show; open the invoices are checked against.
  void setProposal(const StatementProposal& proposal, const OpenInvoices* open);
  // The payments as the person left them (the invoices changed or cleared).
  QList<ProposedPayment> payments() const;

  QTableWidget* StringGrid1;  // date, amount, payer, text, invoice, why
  QLabel* Label1;             // the entries passed by
  QPushButton* BtnBook;
  QPushButton* BtnCancel;

 public slots:
  void BtnBookClick();

 private:
  StatementProposal proposal_;
  const OpenInvoices* open_ = nullptr;
};

// "Bank Statement...": asks for the file, reads it, shows the payments in
// the window and books what the person confirms; each failure is said in
// a message box and books nothing. Opens and closes the invoice tables.
void ImportBankStatement(QWidget* parent);
// The program's start: a booking of a statement cut short by a kill is
// taken back whole before anything shows the invoices.
void UndoCutShortBookingAtStart();

#endif  // PAYMENTS_BANKSTATEMENTU_H
