// Shared set-up of the printing tests (and of the reports tests above
// them): the test application (fonts need one), en_US number and date
// formats, the clock fixed at 2026-03-14 10:00 (short date "03/14/26"), no
// printer, an empty settings record and an empty report document.
#ifndef PRINTING_TESTSUPPORT_H
#define PRINTING_TESTSUPPORT_H

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include "platform/TestApplication.h"

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The document's lines, each line's cells joined with "|".
QStringList Lines();
// Starts a report of the given width and cell count with one title and no
// column headings; its lines are kept.
void StartPlainReport(int lineWidth, int cellsPerLine, const QString& title);
// Lines joined with "\n", for readable failure output.
QString Joined(const QStringList& lines);

// Whether pdftoppm and zbarimg, which read a PDF's QR code, are installed.
bool QrReadersInstalled();
// The QR code on the first page of pdf as zbarimg reads it (raw, UTF-8,
// without the line break it ends with); empty when none is read.
QString QrCodeOnFirstPage(const QString& pdf);

// Leaves dataDir as a restore killed just after its commit point leaves it:
// the files named in files, taken from the folder newSet, staged beside the
// tables with the swap's journal (which also removes the index files), the
// index files removed, and the first `placed` of the files put in place.
// The next command on the folder must finish the restore before it reads.
void LeaveCutShortRestore(const QString& dataDir, const QString& newSet, const QStringList& files,
                          int placed);

#endif  // PRINTING_TESTSUPPORT_H
