// The register of received e-invoices (RECEIVED, one record per file
// registered), the archive of their original bytes (the folder Received/
// inside the data folder, each file written once and never again), and the
// products that a seller's item ids were mapped to (RECVMAP). A folder
// without the tables has no register. The field names are a contract with
// other tools: SELLERKEY SELLER SELLERVAT NUMBER TYPE INVDATE DUEDATE
// CURRENCY NET VAT TOTAL DUE BUYERREF FILE SHA256 RECEIVED VERDICT BOOKED
// BOOKFROM;
// SELLERKEY ITEMID PRID.
#ifndef DATA_RECEIVEDREGISTER_H
#define DATA_RECEIVEDREGISTER_H

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Dates.h"

// The archive's folder inside the data folder.
inline constexpr const char* kReceivedFolder = "Received";

struct ReceivedRecord {
  long recNo = 0;       // 0: not in the register yet
  QString sellerKey;    // SELLERKEY: ReceivedSellerKey
  QString seller;       // SELLER (BT-27)
  QString sellerVat;    // SELLERVAT (BT-31)
  QString number;       // NUMBER (BT-1)
  QString typeCode;     // TYPE (BT-3)
  TDate date = 0;       // INVDATE (BT-2)
  TDate dueDate = 0;    // DUEDATE (BT-9)
  QString currency;     // CURRENCY (BT-5)
  double net = 0, vat = 0, total = 0, due = 0;  // NET VAT TOTAL DUE (BT-109 BT-110 BT-112 BT-115)
  QString buyerReference;  // BUYERREF (BT-10)
  QString file;         // FILE: the archived copy's name in Received/
  QString sha256;       // SHA256 of the bytes received, hex
  TDate received = 0;   // RECEIVED
  QChar verdict = QLatin1Char('V');  // VERDICT: V valid, W warnings, I invalid
  bool booked = false;  // BOOKED
  long bookFrom = 0;    // BOOKFROM: Pur5's record number where its booking's purchases begin
};

// How the register tells sellers apart: the VAT id, else the name in
// capitals, as the table holds it (cut to the field).
QString ReceivedSellerKey(const QString& vatId, const QString& name);

// Every registered file in the order of the tag (seller, number, then as
// registered); none when the folder has no register.
QList<ReceivedRecord> AllReceived();
// Those of one seller's number.
QList<ReceivedRecord> ReceivedOf(const QString& sellerKey, const QString& number);
// Appends r (r.recNo set), on disk at once. False when the folder has no
// register or it cannot be written.
bool AppendReceived(ReceivedRecord& r);
// The record recNo; recNo 0 when there is none.
ReceivedRecord ReceivedAt(long recNo);
// Sets record recNo's BOOKFROM and BOOKED, on disk at once.
bool WriteReceivedBooking(long recNo, long bookFrom, bool booked);

// The archive folder of the data folder.
QString ReceivedArchiveDir();
// Writes bytes under a name of the archive: stem + extension, else stem-2,
// stem-3, ... + extension, never over a file (written beside, then linked
// in place, which fails when the name is taken). A file of the same bytes
// already there (left by a run cut short before it registered) is taken as
// it is. *name the file's name in the archive; false, *error set, when it
// cannot be written.
bool ArchiveReceived(const QString& stem, const QString& extension, const QByteArray& bytes, QString* name,
                     QString* error);
// The files of the archive, as "Received/NAME", in name order (what a
// backup copies); half-written ones left out.
QStringList ArchivedFiles();
// True for "Received/NAME" naming a file right inside the archive (a
// backup's list names nothing else there).
bool IsArchivedFileName(const QString& name);
// One line per registered file that is missing from the archive or whose
// bytes no longer match the SHA-256 in the register (stable English, as the
// data tool's check prints them).
QStringList ArchiveProblems();

// The product a seller's item id was mapped to; empty when none.
QString RememberedProduct(const QString& sellerKey, const QString& itemId);
// Remembers (or changes) the mapping, on disk at once.
bool RememberProduct(const QString& sellerKey, const QString& itemId, const QString& productCode);

// Closes the tables when this process opened them.
void CloseReceivedTables();
// The handles let go with the other tables' (ForgetTableHandles).
void ForgetReceivedHandles();

#endif  // DATA_RECEIVEDREGISTER_H
