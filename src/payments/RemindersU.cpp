#include "payments/RemindersU.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/CustomerLanguage.h"
#include "payments/ReminderSettingsU.h"
#include "platform/Clock.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"
#include "platform/Language.h"
#include "platform/MailProgram.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"

namespace {
constexpr int kHelpContext = 319;
}  // namespace

TReminders::TReminders(QWidget* parent) : QDialog(parent) {
  setObjectName("TReminders");
  setWindowTitle(tr("Reminders"));
  Help::setContext(this, kHelpContext);
  StringGrid1 = new QTableWidget(this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setColumnCount(5);
  //: Column headings of the list of reminders due.
  StringGrid1->setHorizontalHeaderLabels({tr("Customer"), tr("Name"), tr("Level"), tr("Invoices"), tr("Amount Due")});
  StringGrid1->verticalHeader()->hide();
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  StringGrid1->horizontalHeader()->setStretchLastSection(true);
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
  QString why;
  const QString folder = NewMailFolder(&why);
  if (folder.isEmpty()) {
    Ui::get().information(tr("The reminder was not saved as PDF: %1").arg(why));
    return;
  }
  MailDraft draft;
  {
    const DocumentLanguage language(CustomerLanguage(r.customer));
    draft.subject = ReminderTitle(r.level);
    //: A reminder's PDF file name; %1 is the customer's number.
    draft.attachment = QDir(folder).filePath(tr("reminder-%1.pdf").arg(r.customer));
  }
  if (!SaveReminderPdf(r, Clock::today(), draft.attachment)) {
    Ui::get().information(tr("The reminder could not be saved as PDF in %1.").arg(folder));
    return;
  }
  // An address that could steer the mail program is not handed on.
  if (IsPlainMailAddress(r.email)) draft.to = r.email;
  if (!OpenMailProgram(draft, &why)) {
    Ui::get().information(tr("The reminder was saved as %1, but %2.").arg(draft.attachment, why));
    return;
  }
  RecordRemindersSent(r);
  FormShow();
}

void TReminders::BtnSettingsClick() {
  TReminderSettings settings(this);
  if (Ui::get().exec(&settings) == QDialog::Accepted) FormShow();
}
