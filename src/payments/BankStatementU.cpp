#include "payments/BankStatementU.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/dbFiles.h"
#include "payments/BankCommand.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "platform/WaitCursor.h"

namespace {
constexpr int kInvoiceColumn = 4;
}  // namespace

TBankStatement::TBankStatement(QWidget* parent) : QDialog(parent) {
  setObjectName("TBankStatement");
  setWindowTitle(tr("Bank Statement"));
  StringGrid1 = MakeListGrid({tr("Date"), tr("Amount"), tr("Payer"), tr("Text"), tr("Invoice"), tr("Why")}, this);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  BtnBook = MakeFormButton("BtnBook", tr("Book"), this);
  BtnCancel = MakeFormButton("BtnCancel", tr("Cancel"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BtnBook);
  buttons->addWidget(BtnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StringGrid1);
  layout->addWidget(Label1);
  layout->addLayout(buttons);
  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  resize(70 * m, 30 * fontMetrics().lineSpacing());
  connect(BtnBook, &QPushButton::clicked, this, Guarded(this, &TBankStatement::BtnBookClick));
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TBankStatement::setProposal(const StatementProposal& proposal, const OpenInvoices* open) {
  proposal_ = proposal;
  open_ = open;
  StringGrid1->setRowCount(int(proposal.payments.size()));
  for (int r = 0; r < proposal.payments.size(); ++r) {
    const ProposedPayment& p = proposal.payments[r];
    const QString invoice = p.invoice > 0 ? QString::number(p.invoice) : QString();
    const QString why = p.alreadyBooked ? tr("booked before") : p.match.reason;
    const QString cells[] = {FormatShortDate(DateFromQDate(p.date)),
                             FormatFloat("%.2f", double(p.payment.amount) / 100.0) + QLatin1Char(' ') + p.payment.currency,
                             p.payment.payer, p.payment.text, invoice, why};
    for (int c = 0; c < 6; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      // Only the invoice of a payment not booked before may be changed.
      if (c != kInvoiceColumn || p.alreadyBooked) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      StringGrid1->setItem(r, c, item);
    }
  }
  StringGrid1->resizeColumnsToContents();
  Label1->setText(proposal.passedBy.isEmpty() ? QString()
                                              : tr("Passed by: %1").arg(proposal.passedBy.join(QStringLiteral("; "))));
}

QList<ProposedPayment> TBankStatement::payments() const {
  QList<ProposedPayment> payments = proposal_.payments;
  for (int r = 0; r < payments.size(); ++r) {
    const QTableWidgetItem* item = StringGrid1->item(r, kInvoiceColumn);
    payments[r].invoice = item ? item->text().trimmed().toLong() : 0;
  }
  return payments;
}

void TBankStatement::BtnBookClick() {
  for (const ProposedPayment& p : payments()) {
    if (p.invoice > 0 && !p.alreadyBooked && open_ && !open_->find(p.invoice)) {
      Ui::get().information(tr("Invoice %1 is not an open invoice; clear it or name another.").arg(p.invoice));
      return;
    }
  }
  accept();
}

void ImportBankStatement(QWidget* parent) {
  const QString name = Ui::get().openFileName(parent, TBankStatement::tr("Bank Statement"), QString(),
                                              //: A file dialog's filter: the description, "|", the pattern.
                                              TBankStatement::tr("Bank statements (*.xml)|*.xml"));
  if (name.isEmpty()) return;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    Ui::get().information(TBankStatement::tr("%1 cannot be read: %2").arg(name, file.errorString()));
    return;
  }
  const CamtRead read = ReadCamt(file.read(64 * 1024 * 1024 + 1));
  if (!read.ok) {
    Ui::get().information(TBankStatement::tr("%1 is not a bank statement that can be read: %2").arg(name, read.error));
    return;
  }
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return;
  if (const QString why = UndoCutShortBooking(); !why.isEmpty()) {
    Ui::get().information(TBankStatement::tr("A booking cut short could not be taken back: %1").arg(why));
    return;
  }
  const OpenInvoices open = ReadOpenInvoices();
  const StatementProposal proposal = ProposeBookings(read.statement, ReadSellerDetails().currency, open);
  TBankStatement window(parent);
  window.setProposal(proposal, &open);
  if (Ui::get().exec(&window) != QDialog::Accepted) return;
  BookingOutcome booked;
  {
    WaitCursor wait;
    booked = BookPayments(window.payments());
  }
  if (!booked.ok) {
    Ui::get().information(TBankStatement::tr("Nothing was booked: %1").arg(booked.error));
    return;
  }
  Ui::get().information(TBankStatement::tr("%n payment(s) booked.", nullptr, booked.booked));
}

void UndoCutShortBookingAtStart() {
  if (!BookingWasCutShort()) return;
  QString why;
  {
    TablesClosedAtEnd tables;
    if (!OpenInvoiceTables()) return;
    why = UndoCutShortBooking();
  }
  if (!why.isEmpty())
    Ui::get().error(TBankStatement::tr("A booking cut short could not be taken back: %1").arg(why));
}
