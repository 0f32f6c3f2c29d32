// The program's windows: each is created once, in this order, and lives for
// the whole run. A window built later takes its place in CreateWindows (and
// registers its pick list and editor with RegisterPickEdit there), in the
// order TMain, TAboutForm, TDriveDir, TCustomer, TPickCust, TPickGroup,
// TGroupDef, TPickProd, TProdDef, TPickInv, TInvoice, TItemDef, TPmtDef,
// TPickPmt, TReportF, TStationary, TDateSpan, TLabPrint, TMultGroup,
// TPickPur, TPurDef, TTaxDef, TLabelDef, TPickLab, TImportdir, TPickQuote,
// TQuote, TRepeat, TSchedules.
#ifndef SHELL_WINDOWS_H
#define SHELL_WINDOWS_H

class TAboutForm;
class TCustomer;
class TGroupDef;
class TInvoice;
class TItemDef;
class TMain;
class TPickCust;
class TPickGroup;
class TPickInv;
class TPickPmt;
class TPmtDef;
class TPickProd;
class TPickPur;
class TProdDef;
class TPurDef;
class TTaxDef;
class TReportF;
class TDateSpan;
class TDriveDir;
class TImportdir;
class TMultGroup;
class TStationary;
class TLabPrint;
class TLabelDef;
class TPickLab;
class TPickQuote;
class TQuote;
class TRepeat;
class TSchedules;

struct ProgramWindows {
  TMain* Main = nullptr;
  TAboutForm* AboutForm = nullptr;
  TDriveDir* DriveDir = nullptr;
  TCustomer* Customer = nullptr;
  TPickCust* PickCust = nullptr;
  TPickGroup* PickGroup = nullptr;
  TGroupDef* GroupDef = nullptr;
  TPickProd* PickProd = nullptr;
  TProdDef* ProdDef = nullptr;
  TPickInv* PickInv = nullptr;
  TInvoice* Invoice = nullptr;
  TItemDef* ItemDef = nullptr;
  TPmtDef* PmtDef = nullptr;
  TPickPmt* PickPmt = nullptr;
  TReportF* ReportF = nullptr;
  TStationary* Stationary = nullptr;
  TDateSpan* DateSpan = nullptr;
  TLabPrint* LabPrint = nullptr;
  TMultGroup* MultGroup = nullptr;
  TPickPur* PickPur = nullptr;
  TPurDef* PurDef = nullptr;
  TTaxDef* TaxDef = nullptr;
  TImportdir* Importdir = nullptr;
  TLabelDef* LabelDef = nullptr;
  TPickLab* PickLab = nullptr;
  TPickQuote* PickQuote = nullptr;
  TQuote* Quote = nullptr;
  TRepeat* Repeat = nullptr;
  TSchedules* Schedules = nullptr;
};

// The windows of the run (all nullptr before CreateWindows).
ProgramWindows& Windows();
// Creates every window in order. The main window is created first; the
// others are its children, so they are centred on it and end with it.
void CreateWindows();
// Destroys them all and clears Windows().
void DestroyWindows();

#endif  // SHELL_WINDOWS_H
