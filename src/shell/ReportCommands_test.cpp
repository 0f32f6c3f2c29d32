// The main window's invoice, bill and statement commands reach the report
// builders with the selections each command makes.
#include <QAction>
#include <QPushButton>
#include <QToolButton>

#include "data/dbFiles.h"
#include "einvoice/EInvoicingU.h"
#include "platform/Clock.h"
#include "platform/DateBox.h"
#include "printing/DateSpanU.h"
#include "printing/RptUtil.h"
#include "shell/TestSupport.h"

namespace {

using ReportCommandsTest = ShellTest;

TEST_F(ReportCommandsTest, PrintButtonAndMenuItemsAskForTheirSpanOrPick) {
  start();
  QStringList proposed;
  ui.onDialog<TDateSpan>([&](TDateSpan* d) {
    proposed << d->findChild<DateBox*>("MaskEdit1")->text() + "-" +
                    d->findChild<DateBox*>("MaskEdit2")->text();
    d->findChild<QPushButton*>("BtnCancel")->click();
  });
  SetMonthSpan();
  const QString today = FormatShortDate(DateFromQDate(Clock::today()));
  const QString month = FormatShortDate(ReportFrom) + "-" + FormatShortDate(ReportTo);

  main()->BtnInvPrint->click();
  main()->SelectedDates2->trigger();
  main()->WithBalancesDue2->trigger();
  main()->WithBalances2->trigger();
  main()->EInvoiceDates1->trigger();
  EXPECT_EQ(proposed,
            QStringList({today + "-" + today, today + "-" + today, month, month, today + "-" + today}));

  // Picking from empty tables: the pick lists say so.
  ui.expectMessage(Ui::Kind::Information, "No invoices to select.");
  main()->SelectedInvoices1->trigger();
  ui.expectMessage(Ui::Kind::Information, "No invoices to select.");
  main()->SelectedBills2->trigger();
  ui.expectMessage(Ui::Kind::Information, "No invoices to select.");
  main()->EInvoiceSelected1->trigger();
  ui.expectMessage(Ui::Kind::Information, "Customer Database is Empty");
  main()->SelectedCustomers4->trigger();
  EXPECT_EQ(Inv5.d, nullptr);  // every command closed its tables
}

TEST_F(ReportCommandsTest, EInvoicingOpensTheSellersDetails) {
  start();
  QString shown;
  ui.onDialog<TEInvoicing>([&](TEInvoicing* d) {
    shown = d->windowTitle();
    d->BtnCancel->click();
  });
  main()->BtnEInvoicing->click();
  EXPECT_EQ(shown, "E-Invoicing");
}

}  // namespace
