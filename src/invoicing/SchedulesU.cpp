#include "invoicing/SchedulesU.h"

#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "invoicing/RecurringInvoices.h"
#include "invoicing/RepeatU.h"
#include "platform/Dates.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"
#include "platform/Ui.h"

namespace {
constexpr int kHelpContext = 318;
}  // namespace

QString IntervalText(QChar every) {
  switch (every.unicode()) {
    case 'W': return TSchedules::tr("weekly");
    case 'Q': return TSchedules::tr("quarterly");
    case 'Y': return TSchedules::tr("yearly");
    default: return TSchedules::tr("monthly");
  }
}

QString ScheduleStateText(QChar state) {
  if (state == QLatin1Char('P')) return TSchedules::tr("paused");
  if (state == QLatin1Char('E')) return TSchedules::tr("ended");
  return TSchedules::tr("active");
}

TSchedules::TSchedules(QWidget* parent) : QDialog(parent) {
  setObjectName("TSchedules");
  setWindowTitle(tr("Repeating Invoices"));
  Help::setContext(this, kHelpContext);
  //: Column headings of the list of repeating invoices.
  StringGrid1 = MakeListGrid({tr("Schedule"), tr("Invoice"), tr("Every"), tr("Next"), tr("Made"), tr("State")}, this);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  StringGrid1->setMinimumWidth(60 * fontMetrics().horizontalAdvance(QChar('0')));
  BtnChange = MakeFormButton("BtnChange", tr("Change..."), this);
  BtnPause = MakeFormButton("BtnPause", tr("Pause"), this);
  BtnResume = MakeFormButton("BtnResume", tr("Resume"), this);
  //: Ends a repeating invoice's schedule for good.
  BtnEnd = MakeFormButton("BtnEnd", tr("End"), this);
  BtnClose = MakeFormButton("BtnClose", tr("Close"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StringGrid1);
  layout->addLayout(ButtonRow({BtnChange, BtnPause, BtnResume, BtnEnd, BtnClose}));
  const std::pair<QPushButton*, void (TSchedules::*)()> handlers[] = {{BtnChange, &TSchedules::BtnChangeClick},
                                                                      {BtnPause, &TSchedules::BtnPauseClick},
                                                                      {BtnResume, &TSchedules::BtnResumeClick},
                                                                      {BtnEnd, &TSchedules::BtnEndClick}};
  for (const auto& [button, handler] : handlers)
    connect(button, &QPushButton::clicked, this, Guarded(this, handler));
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, Guarded(this, &TSchedules::BtnChangeClick));
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TSchedules::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
}

void TSchedules::FormShow() {
  const int row = StringGrid1->currentRow();
  schedules_ = AllSchedules();
  CloseSchedules();
  StringGrid1->setRowCount(int(schedules_.size()));
  for (int i = 0; i < schedules_.size(); ++i) {
    const ScheduleRecord& s = schedules_[i];
    const QDate next = s.active() ? Occurrence(RecurrenceOf(s), s.made) : QDate();
    const QString cells[] = {QString::number(s.sched), QString::number(s.template_), IntervalText(s.every),
                             next.isValid() ? FormatShortDate(DateFromQDate(next)) : QStringLiteral("-"),
                             QString::number(s.made), ScheduleStateText(s.state)};
    for (int c = 0; c < 6; ++c) StringGrid1->setItem(i, c, new QTableWidgetItem(cells[c]));
  }
  if (!schedules_.isEmpty()) StringGrid1->selectRow(std::clamp(row, 0, int(schedules_.size()) - 1));
  for (QPushButton* b : {BtnChange, BtnPause, BtnResume, BtnEnd}) b->setEnabled(!schedules_.isEmpty());
}

ScheduleRecord* TSchedules::current() {
  const int row = StringGrid1->currentRow();
  return row >= 0 && row < schedules_.size() ? &schedules_[row] : nullptr;
}

void TSchedules::store(ScheduleRecord& s) {
  const bool written = WriteSchedule(s);
  CloseSchedules();
  if (!written) Ui::get().error(tr("Schedule %1 could not be written.").arg(s.sched));
  FormShow();
}

void TSchedules::setState(QChar state) {
  ScheduleRecord* s = current();
  if (!s || s->state == QLatin1Char('E')) return;  // an ended schedule stays ended
  s->state = state;
  store(*s);
}

void TSchedules::BtnChangeClick() {
  ScheduleRecord* s = current();
  if (!s || !repeat_) return;
  repeat_->setSchedule(*s);
  if (Ui::get().exec(repeat_) != QDialog::Accepted) return;
  ScheduleRecord changed = repeat_->schedule();
  store(changed);
}
