#include "payments/RemindersU.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "invoicing/MailPdf.h"
#include "payments/ReminderSettingsU.h"
#include "platform/Clock.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"

namespace {
constexpr int kHelpContext = 319;
}  // namespace

TReminders::TReminders(QWidget* parent) : QDialog(parent) {
  setObjectName("TReminders");
  setWindowTitle(tr("Reminders"));
  Help::setContext(this, kHelpContext);
  //: Column headings of the list of reminders due.
  StringGrid1 = MakeListGrid({tr("Customer"), tr("Name"), tr("Level"), tr("Invoices"), tr("Amount Due")}, this);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  StringGrid1->setMinimumWidth(64 * fontMetrics().horizontalAdvance(QChar('0')));
  LabelNone = new QLabel(tr("No reminder is due."), this);
  LabelNone->setObjectName("LabelNone");
  LabelRate = new QLabel(tr("Default interest is left out: add the reference rate of the current half-year "
                            "under Settings."),
                         this);
  LabelRate->setObjectName("LabelRate");
  LabelRate->setWordWrap(true);
  BtnShow = MakeFormButton("BtnShow", tr("Show All..."), this);
  BtnEMail = MakeFormButton("BtnEMail", tr("E-Mail..."), this);
  BtnSettings = MakeFormButton("BtnSettings", tr("Settings..."), this);
  BtnClose = MakeFormButton("BtnClose", tr("Close"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StringGrid1);
  layout->addWidget(LabelNone);
  layout->addWidget(LabelRate);
  layout->addLayout(ButtonRow({BtnShow, BtnEMail, BtnSettings, BtnClose}));
  const std::pair<QPushButton*, void (TReminders::*)()> handlers[] = {{BtnShow, &TReminders::BtnShowClick},
                                                                      {BtnEMail, &TReminders::BtnEMailClick},
                                                                      {BtnSettings, &TReminders::BtnSettingsClick}};
  for (const auto& [button, handler] : handlers)
    connect(button, &QPushButton::clicked, this, Guarded(this, handler));
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TReminders::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
}

void TReminders::FormShow() {
  const int row = StringGrid1->currentRow();
  reminders_ = RemindersDue(Clock::today());
  StringGrid1->setRowCount(int(reminders_.size()));
  bool rateMissing = false;
  for (int i = 0; i < reminders_.size(); ++i) {
    const CustomerReminder& r = reminders_[i];
    Cents due = 0;
    for (const OverdueInvoice& invoice : r.invoices) {
      due += invoice.due;
      rateMissing = rateMissing || invoice.interest < 0;
    }
    const QString cells[] = {QString::number(r.customer), r.name, ReminderTitle(r.level),
                             QString::number(r.invoices.size()), FormatFloat("%.2f", double(due) / 100.0)};
    for (int c = 0; c < 5; ++c) StringGrid1->setItem(i, c, new QTableWidgetItem(cells[c]));
  }
  const bool any = !reminders_.isEmpty();
  if (any) StringGrid1->selectRow(std::clamp(row, 0, int(reminders_.size()) - 1));
  LabelNone->setVisible(!any);
  LabelRate->setVisible(rateMissing);
  BtnShow->setEnabled(any);
  BtnEMail->setEnabled(any);
}

void TReminders::BtnShowClick() {
  ShowReminders();
  FormShow();
}

void TReminders::BtnEMailClick() {
  const int row = StringGrid1->currentRow();
  if (row < 0 || row >= reminders_.size()) return;
  const CustomerReminder r = reminders_[row];
  if (!MailPdf({r.customer, [&r] { return ReminderTitle(r.level); },
               //: A reminder's PDF file name; %1 is the customer's number.
               [&r] { return tr("reminder-%1.pdf").arg(r.customer); },
               [&r](const QString& path) { return SaveReminderPdf(r, Clock::today(), path); }, r.email,
               tr("The reminder was not saved as PDF: %1"), tr("The reminder could not be saved as PDF in %1."),
               tr("The reminder was saved as %1, but %2.")}))
    return;
  RecordRemindersSent(r);
  FormShow();
}

void TReminders::BtnSettingsClick() {
  TReminderSettings settings(this);
  if (Ui::get().exec(&settings) == QDialog::Accepted) FormShow();
}
