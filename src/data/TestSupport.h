// Helpers shared by the data layer's tests: the scripted Ui driver, and a
// fresh data folder with the supplied tables, the engine started on it.
#ifndef DATA_TESTSUPPORT_H
#define DATA_TESTSUPPORT_H

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include "data/Progress.h"
#include "data/EInvoiceDetails.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"
#include "tbengine/engine.h"

// The scripted driver, also noting the kind of the last confirmation.
class DataTestUi : public ScriptedUi {
 public:
  bool confirm(Kind kind, Buttons buttons, const QString& text) override {
    lastConfirmKind = kind;
    return ScriptedUi::confirm(kind, buttons, text);
  }
  Kind lastConfirmKind = Kind::Information;
};

// Thrown by the fatal hook the tests install: the program would end here.
struct ProgramEnded {
  int code;
  std::string message;
};

// Each test gets: en_US number and date formats, the clock fixed at
// 2026-03-15 10:00, the scripted Ui, a throwing fatal hook, a temporary data
// folder holding the supplied empty tables, and the engine started on it.
class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  QString path(const QString& file) const { return dir.filePath(file); }
  bool exists(const QString& file) const;

  QTemporaryDir dir;
  DataTestUi ui;
};

// A data folder whose index files have been built.
class IndexedFolderTest : public DataFolderTest {
 protected:
  void SetUp() override;
};

// Records what long operations show in the progress box: "show:<caption>",
// "hide" and the percentages.
class RecordingProgress : public ProgressSink {
 public:
  QStringList calls;
  void showProgress(bool visible, const QString& caption) override {
    calls << (visible ? "show:" + caption : QStringLiteral("hide"));
  }
  void setProgress(int percent) override { calls << QString::number(percent); }
};

// Locale, clock and Ui only (no folder, no engine).
class PlainDataTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  DataTestUi ui;
};

// Test records written through the record buffers: each opens its table (the
// index files must exist), appends one record from rec and closes all tables.
// The buffer (CurrentInvoice for an invoice) is left holding rec.
struct CustomerRecord;
struct GroupRecord;
struct InvoiceRecord;
struct ItemRecord;
struct PaymentRecord;
struct ProductRecord;
struct PurchaseRecord;
void AppendCustomer(const CustomerRecord& rec);
void AppendGroup(const GroupRecord& rec);
void AppendInvoice(const InvoiceRecord& rec);
void AppendItem(const ItemRecord& rec);
void AppendPayment(const PaymentRecord& rec);
void AppendProduct(const ProductRecord& rec);
void AppendPurchase(const PurchaseRecord& rec);
// The same for any table: write fills the buffer's record.
void AppendTestRecord(bool (*open)(), DATA4* const* table, void (*write)());

// The table that open opens read back: one line per record in record order,
// "*" before a deleted one; then the table and its indexes checked and all
// tables closed.
QStringList StoredLines(bool (*open)(), DATA4* const* table, const std::function<QString()>& line);
// The open table and its indexes checked.
void ExpectIntact(DATA4* d);

// A file as found: its bytes and modification time.
struct FileState {
  QByteArray bytes;
  QDateTime modified;
  bool operator==(const FileState&) const = default;
};
// Every file of the folder, by name.
QMap<QString, FileState> FolderFiles(const QString& folder);
// Puts every file back as it was, and removes those that were not there.
void RestoreFolderFiles(const QString& folder, const QMap<QString, FileState>& files);

// A small file system of its own (a tmpfs of kilobytes, mounted under a
// temporary folder), for what a full disk does; unmounted with the object.
// Mounting needs root: unavailable() says why not, and the test skips.
class SmallDisk {
 public:
  explicit SmallDisk(int kilobytes);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  const QString& unavailable() const { return unavailable_; }
  QString path(const QString& name) const;
  // Fills the disk with a file until fewer than kilobytes are left.
  void fillLeaving(int kilobytes) const;

 private:
  QTemporaryDir dir_;
  QString unavailable_;
};

// Records for the tables, the fields not named left empty.
CustomerRecord Customer(long cuno, const QString& title, const QString& first,
                        const QString& last, const QStringList& addr, const QString& zip);
InvoiceRecord Invoice(long ivNo, long cuNo, QDate date, double ship, double tax, double due);
ItemRecord Item(long ivNo, const QString& code, double qty, double price, const QString& desc,
                const QString& comment = QString());
PaymentRecord Payment(long ivNo, QDate date, double amount);
ProductRecord Product(const QString& code, const QString& memo);
// A German seller with every detail the e-invoice formats ask for (IBAN,
// VAT identifier, electronic address, contact), 14 days to pay.
SellerDetails GermanSeller();
// Customer cuno in Berlin with a Leitweg-ID and an electronic address.
BuyerDetails GermanBuyer(long cuno);
GroupRecord Group(int n, const QString& name);

// A product with the figures the stock reports print.
ProductRecord StockProduct(const QString& code, const QString& desc, double price, double reorder,
                           bool inventory, const QString& comment = QString());
PurchaseRecord Purchase(const QString& code, QDate date, double qty, double cost);

#endif  // DATA_TESTSUPPORT_H
