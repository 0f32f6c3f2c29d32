#include "shell/Windows.h"

#include <QDialog>

#include "customers/CustomerU.h"
#include "data/forms/DriveDirU.h"
#include "data/forms/ImportDirU.h"
#include "customers/GroupDefU.h"
#include "customers/PickCustU.h"
#include "customers/PickGroupU.h"
#include "invoicing/InvoiceU.h"
#include "invoicing/ItemDefU.h"
#include "invoicing/PickInvU.h"
#include "invoicing/RepeatU.h"
#include "invoicing/SchedulesU.h"
#include "quotes/PickQuoteU.h"
#include "quotes/QuoteU.h"
#include "invoicing/PickPmtU.h"
#include "invoicing/PmtDefU.h"
#include "labels/LabPrintU.h"
#include "labels/LabelDefU.h"
#include "labels/PickLabelU.h"
#include "labels/StationaryU.h"
#include "picklists/PickEdit.h"
#include "platform/FieldNames.h"
#include "products/DefTaxU.h"
#include "products/PickProdU.h"
#include "products/PickPurU.h"
#include "products/ProdDefU.h"
#include "products/PurDefU.h"
#include "printing/DateSpanU.h"
#include "printing/MultGroupU.h"
#include "printing/ReportU.h"
#include "shell/About.h"
#include "shell/MainU.h"

ProgramWindows& Windows() {
  static ProgramWindows windows;
  return windows;
}

void CreateWindows() {
  ProgramWindows& w = Windows();
  w.Main = new TMain;
  w.AboutForm = new TAboutForm(w.Main);
  w.DriveDir = new TDriveDir(w.Main);
  w.Customer = new TCustomer(w.Main);
  w.PickCust = new TPickCust(w.Main);
  w.PickGroup = new TPickGroup(w.Main);
  w.GroupDef = new TGroupDef(w.Main);
  w.PickProd = new TPickProd(w.Main);
  w.ProdDef = new TProdDef(w.Main);
  w.PickInv = new TPickInv(w.Main);
  w.Invoice = new TInvoice(w.Main);
  w.ItemDef = new TItemDef(w.Main);
  w.PmtDef = new TPmtDef(w.Main);
  w.PickPmt = new TPickPmt(w.Main);
  w.ReportF = new TReportF(w.Main);
  w.Stationary = new TStationary(w.Main);
  w.DateSpan = new TDateSpan(w.Main);
  w.LabPrint = new TLabPrint(w.Main);
  w.MultGroup = new TMultGroup(w.Main);
  w.PickPur = new TPickPur(w.Main);
  w.PurDef = new TPurDef(w.Main);
  w.TaxDef = new TTaxDef(w.Main);
  w.Importdir = new TImportdir(w.Main);
  w.LabelDef = new TLabelDef(w.Main);
  w.PickLab = new TPickLab(w.Main);
  w.PickQuote = new TPickQuote(w.Main);
  w.Quote = new TQuote(w.Main);
  w.Repeat = new TRepeat(w.Main);
  w.Schedules = new TSchedules(w.Main);
  RegisterPickEdit(PickTable::Customer, w.PickCust, w.Customer);
  RegisterPickEdit(PickTable::Group, w.PickGroup, w.GroupDef);
  RegisterPickEdit(PickTable::Product, w.PickProd, w.ProdDef);
  RegisterPickEdit(PickTable::Purchase, w.PickPur, w.PurDef);
  RegisterPickEdit(PickTable::Invoice, w.PickInv, w.Invoice);
  RegisterPickEdit(PickTable::Label, w.PickLab, w.LabelDef);
  w.Invoice->useWindows(w.Customer, w.ItemDef, w.PmtDef, w.PickPmt, w.Repeat);
  w.Schedules->useRepeatWindow(w.Repeat);
  w.PickPmt->usePaymentDialog(w.PmtDef);
  w.Quote->useWindows(w.Customer, w.ItemDef);
  NameFieldsByLabels(w.Main);
  for (QDialog* window : w.Main->findChildren<QDialog*>()) NameFieldsByLabels(window);
}

void DestroyWindows() {
  delete Windows().Main;  // its children with it
  Windows() = {};
}
