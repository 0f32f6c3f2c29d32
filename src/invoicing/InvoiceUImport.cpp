// The invoice editor's links with files outside the tables: an order
// imported from its Info and Order files into a new invoice, and the card
// payment of the invoice in hand added to Batchin.dat.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "data/BatchFile.h"
#include "data/NextNumber.h"
#include "data/RecordSave.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "invoicing/CardExport.h"
#include "invoicing/InvoiceU.h"
#include "invoicing/OrderImport.h"
#include "platform/AmountBox.h"
#include "picklists/PickEdit.h"
#include "platform/Ui.h"

namespace {

// A folder name with its separator at the end.
QString WithSeparator(const QString& dir) { return dir.endsWith('/') ? dir : dir + '/'; }

}  // namespace

void TInvoice::BtnImportClick() {
  QString infoDir, orderDir;
  ReadImportDirs(&infoDir, &orderDir);
  // Whatever was in the editor is dropped: the import makes a new invoice.
  clearWorkingCopy();
  NewInvoice();
  ShowInvoice();
  ShowCustomer();
  showState();
  if (infoDir.size() < 3 || orderDir.size() < 3) {
    Ui::get().information(
        tr("Directories containing Info and Order files must be selected proir to "
           "using the Import function. See Preferences/Import Dir's"));
    return;
  }
  infoDir = WithSeparator(infoDir);
  orderDir = WithSeparator(orderDir);
  const QString chosen = Ui::get().openFileName(this, tr("Open"), infoDir, QString());
  if (chosen.isEmpty()) return;
  const QString name = QFileInfo(chosen).fileName();
  if (name.isEmpty()) return;
  if (!QFileInfo::exists(infoDir + name)) {
    //: %1 is a file.
    Ui::get().information(tr("%1 Not Found").arg(infoDir + name));
    return;
  }
  if (!QFileInfo::exists(orderDir + name)) {
    Ui::get().information(tr("%1 Not Found").arg(orderDir + name));
    return;
  }

  // Both files are read and checked before anything is changed.
  ImportedOrder order;
  try {
    order = ReadOrderFiles(infoDir + name, orderDir + name);
  } catch (const OrderFileError& e) {
    Ui::get().error(QString::fromStdString(e.what()));
    return;
  }
  const QStringList& info = order.info;

  bool countryLeftOut = false;
  CustBuf = CustomerFromInfo(info, &countryLeftOut);
  if (countryLeftOut)
    Ui::get().information(tr("Could not import full address: Country = %1").arg(info[13]));

  InvoiceRecord& inv = CurrentInvoice;  // dated today by NewInvoice
  inv.IMemo = CardTextFromInfo(info);
  inv.REM = InvoiceNoteFromInfo(info, name);
  inv.Ship = order.shipping;
  inv.Tax = order.tax;
  inv.Due = 0;

  const CustomerRecord imported = CustBuf;
  for (const OrderLine& line : order.lines) {
    ItemRow row = ItemRowFromOrder(line, order.tax != 0);
    QString code = line.code;
    CurrentProductRec = FindOrderedProduct(&code, line.option);
    if (CurrentProductRec > 0) {
      d4go(Prod5.d, CurrentProductRec);
      ReadProduct();
      row.PrID = ProdBuf.PrID;
      row.PDesc = ProdBuf.PDesc;
      row.IComm = ProdBuf.IComm;
    } else {
      //: %1 the ordered product's code, %2 its description (no space follows it).
      Ui::get().warning(tr("Item %1 - %2NOT FOUND IN PRODUCT DATABASE").arg(code, line.description));
    }
    ItemList.append(row);
  }

  bool more = false;
  const int found = FindImportedCustomer(imported, &more);
  if (found > 0) {
    CurrentCustomerRec = found;
    d4go(Cust5.d, found);
    ReadCustomer();
    inv.CuNo = CustBuf.cuno;
    BuildCustomerAddress();
    ShowCustomer();
    ShowInvoice();
    if (more) Ui::get().warning(tr("Multiple Matches on Name / Zip"));
    return;
  }

  // A new customer, in a group the person picks; none picked, none made.
  CustBuf = imported;
  BuildCustomerAddress();
  Memo1->setPlainText(CustomerAddress.join('\n'));
  Edit4->setText(CustBuf.note.trimmed());
  ShowInvoice();
  CurrentGroupRec = 0;
  PickGroup(true);
  int appended = 0;
  if (CurrentGroupRec > 0) {
    d4go(Groups.d, CurrentGroupRec);
    ReadGroup();
    const long number = NextFreeNumber(Cust5.d, "ccno", Cust5.cuno);
    if (GoToOrAppend(Cust5.d, &appended, number <= LargestNumber(Cust5.cuno))) {
      CustBuf.ngroup = GroupBuf.nGroup;
      CustBuf.cuno = number;
      WriteCustomer();
      CurrentCustomerRec = appended;
      inv.CuNo = number;
      return;
    }
  }
  Memo1->clear();
  CustBuf.cuno = 0;
  inv.CuNo = 0;
}

void TInvoice::BtnExportClick() {
  const QString name = QStringLiteral("Batchin.dat");
  bool append = false;
  if (QFileInfo::exists(name)) {
    append = Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::YesNo,
                               tr("APPEND RECORD TO FILE? %1").arg(name));
  }
  // Nothing is written unless the card text can be read.
  QString record;
  if (!CardBatchRecord(Edit3->text(), MaskEdit5->text().trimmed(), &record)) {
    Ui::get().information(tr("Improperly Formatted Credit Card Information"));
    return;
  }
  // The card batch program would charge the card once for each record.
  if (append && BatchFileHolds(name, record.toLatin1()) &&
      !Ui::get().confirmDestructive(Ui::Kind::Confirmation, Ui::Buttons::YesNo,
                                    tr("%1 already holds this charge; the card would be charged "
                                       "twice. Add it again?")
                                        .arg(name)))
    return;
  QString error;
  if (!WriteBatchLine(name, record.toLatin1(), append, true, &error))
    Ui::get().information(tr("Unable to save to: %1").arg(name));
}
