// A received file taken into the data folder: read and checked, its bytes
// archived unchanged in Received/ (named by seller and number), then
// registered in RECEIVED with its terms, its SHA-256 and the checks'
// verdict. In that order, so a run cut short between the two leaves an
// archived file that the next run finds (same bytes, same name) and
// registers: nothing twice, nothing lost. A file that is no e-invoice is
// neither archived nor registered.
#ifndef RECEIVING_RECEIVEFILES_H
#define RECEIVING_RECEIVEFILES_H

#include <QByteArray>
#include <QString>

#include "data/ReceivedRegister.h"
#include "receiving/ReceivedRead.h"

struct ReceiveOutcome {
  enum class Result {
    Registered,       // archived and registered
    Correction,       // registered, but the seller's number came before with other bytes
    AlreadyReceived,  // the same bytes of the same seller's number: nothing done
    Refused,          // no e-invoice that can be read: nothing done
    Failed,           // the archive or the register could not be written
  };
  Result result = Result::Refused;
  QString line;          // what happened, one sentence naming the file
  ReceivedRecord record; // as registered (or found registered)
  ReceivedRead read;     // what the file was read as

  bool ok() const { return result != Result::Refused && result != Result::Failed; }
};

// The tables of the data folder must be open to the engine (the register is
// opened when first needed). name is the file as the person named it; the
// verdict takes the official rules in with officialRules (OfficialRules).
ReceiveOutcome ReceiveFile(const QString& name, const QByteArray& bytes, bool officialRules = false);

// The archive's name for an invoice of seller and number: letters, digits,
// ".", "-" and "_" only (accents dropped), so any file system takes it.
QString ArchiveStem(const QString& seller, const QString& number);

#endif  // RECEIVING_RECEIVEFILES_H
