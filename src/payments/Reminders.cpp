#include "payments/Reminders.h"

#include <QCoreApplication>
#include <QHash>
#include <QPrinter>
#include <algorithm>

#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/dbFiles.h"
#include "einvoice/CreditorReference.h"
#include "invoicing/InvoiceDocument.h"
#include "payments/Interest.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfBeside.h"
#include "platform/PrinterChoice.h"
#include "platform/Ui.h"
#include "printing/ReportRender.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(Reminders)
};

constexpr Cents kRecoveryFee = 4000;  // EUR 40, between businesses (DE §288(5) BGB, FR L441-10)

// The last level sent for each invoice.
QHash<long, int> LevelsSent() {
  QHash<long, int> sent;
  DATA4* d = OpenREMIND();
  if (!d) return sent;
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1))
    if (!d4deleted(d)) sent[f4long(d4field(d, "IVNO"))] = f4int(d4field(d, "LEVEL"));
  d4close(d);
  return sent;
}

QString Money(Cents c) { return FormatFloat("%12.2f", double(c) / 100.0); }

// The seller's own text of the level ("%1": the date to pay by), else the
// program's in the document's language.
QString TextOf(int level, const QDate& payBy, const SellerDetails& seller) {
  const QString by = FormatShortDate(DateFromQDate(payBy));
  const QString own = seller.reminderTexts.value(level - 1).trimmed();
  if (!own.isEmpty()) return QString(own).replace(QLatin1String("%1"), by);
  switch (level) {
    case 1:
      return Tr::tr("Perhaps this has escaped your notice: the invoices below are overdue. Please pay the "
                    "amount due by %1.").arg(by);
    case 2:
      return Tr::tr("We have not yet received payment of the invoices below. Please pay the amount due by %1.")
          .arg(by);
    default:
      return Tr::tr("Despite our reminders the invoices below remain unpaid. Please pay the amount due by %1; "
                    "otherwise we shall have to take further steps.").arg(by);
  }
}

void PutRow(const QStringList& texts) {
  static const int kColumns[] = {1, 3, 5, 7, 9};
  for (int i = 0; i < texts.size() && i < 5; ++i) {
    const QString code = Report().ColumnCodes.value(kColumns[i]);
    Cell(kColumns[i]) = code + texts[i];
  }
}

void PutTotal(const QString& caption, Cents amount) {
  CheckPage(Report().LinesOnPage + 1, false);
  NewLine();
  Cell(7) = QStringLiteral("R38") + caption;
  Cell(9) = QStringLiteral("R52") + Money(amount);
}

// The document of one customer's reminder; the customer is in CustBuf.
void PutReminder(const CustomerReminder& r, const QString& languageCode, const SellerDetails& seller,
                 const QDate& asOf) {
  const DocumentLanguage language(languageCode);
  SetHeadings({QString(), Tr::tr("Invoice"), QString(), Tr::tr("Date"), QString(), Tr::tr("Due Date"), QString(),
               Tr::tr("Days Late"), QString(), Tr::tr("Amount Due")});
  Report().TitleLines = {ReminderTitle(r.level)};
  BeginLetterheadPage();
  //: Before the customer's address on a reminder.
  PutAddressBlock(Tr::tr("To:"), CustomerAddress);
  QStringList pieces;
  if (WrapText(TextOf(qBound(1, r.level, 3), asOf.addDays(7), seller), &pieces)) {
    NewLine();
    for (const QString& piece : pieces) {
      NewLine();
      Cell(0) = QStringLiteral("L00") + piece;
    }
  }
  PutHeadings();
  Cents due = 0, interest = 0;
  bool interestUnknown = false;
  for (const OverdueInvoice& i : r.invoices) {
    CheckPage(Report().LinesOnPage + 1, true);
    NewLine();
    PutRow({QString::number(i.number), FormatShortDate(DateFromQDate(i.date)), FormatShortDate(DateFromQDate(i.dueDate)),
            QString::number(i.daysLate), Money(i.due).trimmed()});
    due += i.due;
    if (i.interest < 0) interestUnknown = true;
    else interest += i.interest;
  }
  StyleCell() = QStringLiteral("U");
  const int level = qBound(1, r.level, 3);
  const Cents fee = Cents(std::llround(seller.reminderFees.value(level - 1) * 100));
  const bool charged = seller.reminderInterest;
  const Cents recovery = seller.reminderInterest && r.business ? kRecoveryFee * Cents(r.invoices.size()) : 0;
  NewLine();
  PutTotal(Tr::tr("Amount Due:"), due);
  if (fee > 0) PutTotal(Tr::tr("Reminder Fee:"), fee);
  if (charged && interest > 0) PutTotal(Tr::tr("Default Interest:"), interest);
  if (recovery > 0) PutTotal(Tr::tr("Recovery Costs:"), recovery);
  const Cents total = due + fee + (charged ? interest : 0) + recovery;
  PutTotal(Tr::tr("Total:"), total);
  NewLine();
  if (seller.reminderInterest && interestUnknown) {
    NewLine();
    //: %1: the first day of the half-year whose reference rate is missing.
    Cell(0) = QStringLiteral("L00") + Tr::tr("Default interest is not included: the reference rate of the current "
                                             "half-year is not known to the program.");
  }
  NewLine();
  Cell(0) = QStringLiteral("L00") +
            Tr::tr("Payment reference: %1").arg(CreditorReference(r.invoices.first().number));
  PutPaymentCode(seller, total, r.invoices.first().number);
}

// The documents of reminders into sink, in one report; their levels are
// recorded once it is delivered. Preconditions: the invoice tables are open.
void PutReminders(const QList<CustomerReminder>& reminders, const QDate& asOf, const SellerDetails& seller,
                  ReportLineSink& sink) {
  BeginReport(sink, 59, 12, {},
              {"V00", "R07", "V09", "R18", "V20", "R29", "V31", "R38", "V40", "R52", "V54"});
  const CustomerLanguages languages = CustomerLanguages::Read();
  for (const CustomerReminder& r : reminders) {
    LoadInvoiceCustomer(r.customer);
    PutReminder(r, languages.of(r.customer), seller, asOf);
  }
  Report().Delivered = [reminders] {
    for (const CustomerReminder& r : reminders) RecordRemindersSent(r);
  };
}

}  // namespace

QString ReminderTitle(int level) {
  switch (level) {
    //: The title of a first reminder (German: Zahlungserinnerung, French: Rappel de paiement).
    case 1: return Tr::tr("Payment Reminder");
    //: German: 2. Mahnung; French: Deuxième relance.
    case 2: return Tr::tr("Second Reminder");
    //: German: Letzte Mahnung; French: Mise en demeure.
    default: return Tr::tr("Final Reminder");
  }
}

int ReminderLevel(int daysLate, const SellerDetails& seller) {
  int level = 0;
  for (int i = 0; i < 3; ++i)
    if (daysLate >= seller.reminderDays.value(i, 14 * (i + 1))) level = i + 1;
  return level;
}

QList<CustomerReminder> DueReminders(const QDate& asOf, const SellerDetails& seller) {
  const QHash<long, int> sent = LevelsSent();
  const bool german = seller.country.compare(QLatin1String("DE"), Qt::CaseInsensitive) == 0;
  const bool french = seller.country.compare(QLatin1String("FR"), Qt::CaseInsensitive) == 0;
  const QList<RatePeriod> germanRates = german ? ReferenceRates(QStringLiteral("DE")) : QList<RatePeriod>();
  const QList<RatePeriod> frenchRates = french ? ReferenceRates(QStringLiteral("FR")) : QList<RatePeriod>();
  const QHash<long, QString> vatIds = ReadBuyerField("VATID");
  QHash<long, CustomerReminder> byCustomer;
  QList<long> order;
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CCNO"));
  for (int rc = d4top(Inv5.d); rc == 0; rc = d4skip(Inv5.d, 1)) {
    if (d4deleted(Inv5.d)) continue;
    const Cents due = ToCents(f4double(Inv5.Due));
    const QDate date = QDateFromDate(FieldDate(Inv5.IDate));
    if (due <= 0 || !date.isValid()) continue;
    OverdueInvoice i;
    i.number = f4long(Inv5.IvNo);
    i.date = date;
    i.dueDate = date.addDays(seller.dueDays);
    i.due = due;
    i.daysLate = int(i.dueDate.daysTo(asOf));
    i.level = ReminderLevel(i.daysLate, seller);
    if (i.level == 0 || i.level <= sent.value(i.number)) continue;
    const long cuno = f4long(Inv5.CuNo);
    if (!byCustomer.contains(cuno)) {
      CustomerReminder r;
      r.customer = cuno;
      if (cuno != 0 && d4seek(Cust5.d, NumberTagKey(cuno).constData()) == 0) {
        const QString company = FieldText(Cust5.addr1).trimmed();
        r.business = !company.isEmpty() || vatIds.contains(cuno);
        r.name = company.isEmpty()
                     ? (FieldText(Cust5.first).trimmed() + QLatin1Char(' ') + FieldText(Cust5.last).trimmed()).trimmed()
                     : company;
        r.email = FieldText(Cust5.email).trimmed();
      }
      byCustomer.insert(cuno, r);
      order << cuno;
    }
    CustomerReminder& r = byCustomer[cuno];
    if (seller.reminderInterest && (german || french)) {
      const double points = french ? 10 : r.business ? 9 : 5;
      i.interest = DefaultInterest(due, i.dueDate, asOf, french ? frenchRates : germanRates, points);
    }
    r.level = qMax(r.level, i.level);
    r.invoices << i;
  }
  QList<CustomerReminder> reminders;
  for (long cuno : order) {
    CustomerReminder r = byCustomer.value(cuno);
    std::sort(r.invoices.begin(), r.invoices.end(),
              [](const OverdueInvoice& a, const OverdueInvoice& b) { return a.date < b.date; });
    reminders << r;
  }
  return reminders;
}

void RecordRemindersSent(const CustomerReminder& reminder) {
  DATA4* d = OpenREMIND();
  if (!d) return;
  for (const OverdueInvoice& i : reminder.invoices) {
    if (!SeekNumber(d, d4field(d, "IVNO"), i.number)) {
      if (d4appendBlank(d) != 0) break;
      f4assignLong(d4field(d, "IVNO"), i.number);
    }
    f4assignInt(d4field(d, "LEVEL"), i.level);
    AssignDate(d4field(d, "SENT"), DateFromQDate(Clock::today()));
  }
  d4close(d);
}

QList<CustomerReminder> RemindersDue(const QDate& asOf) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return {};
  return DueReminders(asOf, ReadSellerDetails());
}

bool BuildReminders(const QDate& asOf, ReportLineSink& sink, QString* nothing) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return false;
  const SellerDetails seller = ReadSellerDetails();
  const QList<CustomerReminder> reminders = DueReminders(asOf, seller);
  if (reminders.isEmpty()) {
    *nothing = Tr::tr("No reminder is due.");
    return false;
  }
  PutReminders(reminders, asOf, seller, sink);
  return true;
}

bool SaveReminderPdf(const CustomerReminder& reminder, const QDate& asOf, const QString& path) {
  std::unique_ptr<QPrinter> printer = PrinterChoice::pdfPrinter(path);
  {
    const DocumentLanguage language(CustomerLanguage(reminder.customer));
    printer->setDocName(ReminderTitle(reminder.level));
  }
  printer->setCreator(QStringLiteral("Tallowby"));
  const PrinterChoice::StandIn standIn(std::move(printer));
  DocumentInHand document;
  {
    TablesClosedAtEnd tables;
    if (!OpenInvoiceTables()) return false;
    PutReminders({reminder}, asOf, ReadSellerDetails(), KeptLines());
    FinishReport();
  }
  // Mailed, not delivered: the caller records the levels once the mail
  // program has the message.
  Report().Delivered = nullptr;
  PainterCanvas canvas(PrinterChoice::printer());
  PrintDocument(canvas);
  canvas.end();
  QString reason;
  return PdfWrittenWhole(path, &reason);
}

void ShowReminders() {
  DocumentInHand document;
  QString nothing;
  if (!BuildReminders(Clock::today(), KeptLines(), &nothing)) {
    if (!nothing.isEmpty()) Ui::get().information(nothing);
    return;
  }
  ShowReport();
}
