// The program's tables: one open routine per table, the field handles of
// the open tables, one process-wide record buffer per table with its read
// (current record -> buffer) and write (buffer -> current record), the
// current-record values of the pick lists, the invoice working copy, and
// the maintenance of the data files (index rebuild, pack, erase).
//
// A command opens the tables it needs and ends with code4close; no table
// stays open between commands. Reads and writes work on the current record
// of the table, which must be open.
#ifndef DATA_DBFILES_H
#define DATA_DBFILES_H

#include <QList>
#include <QString>
#include <QStringList>

#include "data/CodeBase.h"
#include "data/KeyText.h"
#include "platform/Dates.h"
#include "platform/NumberText.h"
#include "data/Schema.h"
#include "tbengine/engine.h"

// ---- Open tables and their field handles ----------------------------------
// The handles are valid from the open routine until the table is closed.

struct Cust5Table {
  DATA4* d = nullptr;
  FIELD4 *cuno, *title, *first, *last, *addr1, *addr2, *addr3, *addr4, *zip, *comments,
      *ngroup, *note, *phone, *fax, *email;
};
struct GroupsTable {
  DATA4* d = nullptr;
  FIELD4 *nGroup, *cGroup;
};
struct Inv5Table {
  DATA4* d = nullptr;
  FIELD4 *IvNo, *CuNo, *Dept, *IDate, *IMemo, *Ship, *Tax, *Due, *REM;
};
struct Itm5Table {
  DATA4* d = nullptr;
  FIELD4 *IvNo, *PrID, *Qty, *UPR, *LTax1, *LTax2, *PDesc, *IComm, *lBuild, *BackOrder;
};
struct LabelsTable {
  DATA4* d = nullptr;
  FIELD4 *Name, *TopM, *LeftM, *BottomM, *RightM, *Width, *Height, *HGap, *VGap, *NAcross,
      *Continuous;
};
struct PmtTable {
  DATA4* d = nullptr;
  FIELD4 *IvNo, *PDate, *PAmt;
};
struct Prod5Table {
  DATA4* d = nullptr;
  FIELD4 *PrID, *RCode, *PDesc, *UPrice, *LTax1, *LTax2, *lInven, *IComm, *PMemo, *REORDER,
      *ONHAND, *lBuild;
};
struct Pur5Table {
  DATA4* d = nullptr;
  FIELD4 *PURProd, *PURDate, *PURQty, *PURCost, *PURNo;
};

extern Cust5Table Cust5;
extern GroupsTable Groups;
extern Inv5Table Inv5;
extern Itm5Table Itm5;
extern LabelsTable Labels;
extern PmtTable Pmt;
extern Prod5Table Prod5;
extern Pur5Table Pur5;

// Each opens its table with the engine's current settings, selects the
// default tag, goes to the first record and looks up the field handles.
// A table that cannot be opened (or lacks a field) and a missing default tag
// show "Unable to open file <file>" + CR LF + "Program will now terminate."
// and end the program through the engine; false if the fatal hook returns.
bool OpenCUST5();
bool OpenGROUPS();
bool OpenINV5();
bool OpenITM5();
bool OpenLABELS();
bool OpenPMT();
bool OpenProd5();
bool OpenPur5();
// The settings table and Impdirs: opened with auto-open off (no index),
// on the first record. nullptr (after the same message) on failure.
DATA4* OpenKEX1();
DATA4* OpenImpdirs();
DATA4* OpenEINVSET();
// The buyers' e-invoice details, on their tag (customer number).
DATA4* OpenCUSTEI();
// The customers' document languages, on their tag (customer number).
DATA4* OpenCUSTLANG();
// The invoices' states, on their tag (invoice number).
DATA4* OpenINVSTATE();
// The booked bank statement entries, on their tag (the bank's reference).
DATA4* OpenBANKREF();
// The reminders sent, on their tag (invoice number).
DATA4* OpenREMIND();
DATA4* OpenREFRATE();
// The repeating invoices' schedules, on their tag (schedule number).
DATA4* OpenRECUR();
// The quotes and their lines, on their tags (quote number).
DATA4* OpenQUOTE();
DATA4* OpenQUOTEIT();
// The received e-invoices, on their tag (seller and number), and the
// remembered item mappings, on theirs (seller and item id).
DATA4* OpenRECEIVED();
DATA4* OpenRECVMAP();
// Every open table closed (code4close); the handles above cleared.
void CloseAll();
// The handles above cleared, the tables left as they are (after the engine
// itself has let them go).
void ForgetTableHandles();
// Held by a command that opens tables: CloseAll when it goes out of scope,
// so no table stays open after the command, even one abandoned by an error.
struct TablesClosedAtEnd {
  TablesClosedAtEnd() = default;
  TablesClosedAtEnd(const TablesClosedAtEnd&) = delete;
  TablesClosedAtEnd& operator=(const TablesClosedAtEnd&) = delete;
  ~TablesClosedAtEnd() { CloseAll(); }
};

// True when the nine tables the program needs are in the data directory
// (names matched without regard to case).
bool DataFilesPresent();
// True when dir (default: the data directory) holds fileName, matched
// without regard to case.
bool DataFileExists(const QString& fileName, const QString& dir = QString());

// ---- Field helpers (Windows-1252 <-> QString) -----------------------------

// Writes the current record of d to its file now (not at the next move of
// the record pointer), so a failure shows at the step that caused it.
void WriteCurrentRecord(DATA4* d);

QString FieldText(FIELD4* f);                                  // as stored, padded
void AssignText(FIELD4* f, const QString& text, int maxLength = kTextLength);
TDate FieldDate(FIELD4* f);                                    // blank -> 0
void AssignDate(FIELD4* f, TDate d);                           // through CenturyWindow; <= 0 blank
bool FieldLogical(FIELD4* f);
void AssignLogical(FIELD4* f, bool value);                     // "T" / "F"
QString MemoText(FIELD4* f);
void AssignMemo(FIELD4* f, const QString& text);               // trailing blanks removed

// The number tags key on Str(n, 6): NumberTagKey is the key of number n.
// SeekNumber moves d to the first record of n in its selected number tag,
// whose number is in numberField; NextOfNumber to the next record of n. Both
// are false when there is no (further) record of n.
QByteArray NumberTagKey(long n);
bool SeekNumber(DATA4* d, FIELD4* numberField, long n);
bool NextOfNumber(DATA4* d, FIELD4* numberField, long n);

// ---- Record buffers --------------------------------------------------------
// Character values are read as stored (padded to the field width) and
// written cut to 59 characters; the engine pads or cuts to the width.

struct CustomerRecord {
  long cuno = 0;
  int ngroup = 0;
  QString title, first, last, addr1, addr2, addr3, addr4, zip;
  QString comments;  // memo
  QString note, phone, fax, email;
};
struct GroupRecord {
  int nGroup = 0;
  QString cGroup;
};
struct InvoiceRecord {
  long IvNo = 0;
  long CuNo = 0;  // 0 = no customer
  TDate IDate = 0;
  QString Dept, IMemo;
  QString REM;  // memo
  double Ship = 0, Tax = 0, Due = 0;
};
struct ItemRecord {
  long IvNo = 0;
  QString PrID;
  double Qty = 0, UPR = 0;
  bool LTax1 = false, LTax2 = false;
  QString PDesc, IComm;
};
struct PaymentRecord {
  long IvNo = 0;
  TDate PDate = 0;
  double PAmt = 0;
};
struct ProductRecord {
  QString PrID, RCode, PDesc, IComm;
  QString PMemo;  // memo
  double UPrice = 0;
  bool LTax1 = false, LTax2 = false, lInven = false;
  double REORDER = 0, ONHAND = 0;
};
struct PurchaseRecord {
  QString PURProd;
  TDate PURDate = 0;
  double PURQty = 0, PURCost = 0;
  long PURNo = 0;
};
// A new definition: no name, all dimensions 0, one label across, sheets.
struct LabelRecord {
  QString Name;
  double TopM = 0, LeftM = 0, BottomM = 0, RightM = 0, Width = 0, Height = 0, HGap = 0,
         VGap = 0;
  int NAcross = 1;
  bool Continuous = false;
};

extern CustomerRecord CustBuf;
extern GroupRecord GroupBuf;
extern InvoiceRecord CurrentInvoice;
extern ItemRecord ItemBuf;
extern PaymentRecord PmtBuf;
extern ProductRecord ProdBuf;
extern PurchaseRecord PurBuf;
extern LabelRecord LabelBuf;

void ReadCustomer();
void WriteCustomer();
void ReadGroup();
void WriteGroup();
void ReadInvoice();
void WriteInvoice();
void ReadItem();
void WriteItem();  // also lBuild "F" and BackOrder 0
void ReadPayment();
void WritePayment();
void ReadProduct();
void WriteProduct();  // also lBuild "F"
void ReadPurchase();
void WritePurchase();
void ReadLabel();
void WriteLabel();

// The import folders of the order import (Impdirs): read trimmed, written
// cut to 126 characters. Only Impdirs is opened and closed.
void ReadImportDirs(QString* infoDir, QString* orderDir);
void WriteImportDirs(const QString& infoDir, const QString& orderDir);

// ---- Invoice working copy --------------------------------------------------

// One line item of the invoice in hand, as shown (columns 0 to 8).
struct ItemRow {
  QString PrID;   // 0 product code
  QString Qty;    // 1 quantity text
  QString UPR;    // 2 unit price text
  QString Tax1;   // 3 "t" or "f"
  QString Tax2;   // 4 "t" or "f"
  QString PDesc;  // 5 description
  QString IComm;  // 6 second description line
  QString RCode;  // 7 the product's licence code (never written to ITM5)
  QString PMemo;  // 8 the product text (never written to ITM5)
  QString& operator[](int column);
  const QString& operator[](int column) const;
};
// One payment of the invoice in hand: date in the short date format, amount "%10.2f".
struct PaymentRow {
  QString PDate;  // 0
  QString PAmt;   // 1
  QString& operator[](int column);
  const QString& operator[](int column) const;
};

extern QList<ItemRow> ItemList;
extern QList<PaymentRow> PaymentList;

// The address block of the customer in CustBuf: five lines, name and company
// first (their order set by the ByCust setting), then address lines 2 to 4,
// the postal code after the last non-empty line; for a customer whose
// e-invoice country is not the US, before the city on the last line instead.
extern QStringList CustomerAddress;
// The customer's title, trimmed first name and last name, one blank between
// each (the title as stored, padded to its width), the whole trimmed.
QString CustomerName(const CustomerRecord& c);
void BuildCustomerAddress();
// No customer: one empty line.
void ClearCustomerAddress();
// Lets go of the customers' e-invoice countries BuildCustomerAddress read,
// after CUSTEI changed (also with the table handles).
void ForgetBuyerCountries();

// ---- Current-record values and pending deletions --------------------------
// Record number of the record in hand: > 0 a record, 0 a new one wanted,
// -1 none (cancelled).

extern int CurrentCustomerRec;
extern int CurrentGroupRec;
extern int CurrentProductRec;
extern int CurrentPurchaseRec;
extern int CurrentLabelRec;
extern int CurrentInvoiceRec;
// A record was marked deleted and its table waits for a pack.
extern bool DeletionsPending;

// ---- Maintenance -----------------------------------------------------------

// Rebuilds the index files of every table (startupMode: only of the tables
// with a missing index or tag group file, without the progress box); the
// tables the program makes itself are passed by where the folder lacks
// them. An engine error ends the program.
// What the program's start does before it reads a table, and every command
// on a folder that holds the nine tables: the tables added since the
// supplied ones made where missing (a failure is said, and the start goes
// on), then RebuildIndexes(true).
void PrepareTables();
void RebuildIndexes(bool startupMode);
// Removes the table's deleted records (and, with compressMemo, compacts its
// memo file). A table that cannot be opened is skipped. The engine's result.
int PackTable(const char* openName, bool compressMemo);
// Writes the index files of the open table d (its tag group def) afresh from
// its records, replacing its open tags; no tag is selected afterwards. False
// (the engine's error pending) on failure.
bool RebuildTags(DATA4* d, const TableDef& def);
// Packs every table; clears DeletionsPending.
void PackAll();
// After the user's OK to the warning, removes every record of the business
// tables (not the label stock, settings or import folders). False when
// cancelled.
bool EraseAll();

// Buffers, lists, handles, current-record values and DeletionsPending back
// to their start values.
void resetDataForTests();

#endif  // DATA_DBFILES_H
