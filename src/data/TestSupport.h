// Helpers shared by the data layer's tests: the scripted Ui driver, and a
// fresh data folder with the supplied tables, the engine started on it.
#ifndef DATA_TESTSUPPORT_H
#define DATA_TESTSUPPORT_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/Progress.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"

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

#endif  // DATA_TESTSUPPORT_H
