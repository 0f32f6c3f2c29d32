// "Generate a Mail Merge File": the customers of chosen groups, in postal
// code order, as a tab-separated text file a word processor merges into
// letters: a header line and eight columns per customer, lines ended by
// CR LF, UTF-8 text. The file is written beside its target and renamed over
// it, so a failed export leaves an existing file as it was.
#ifndef SHELL_MAILMERGE_H
#define SHELL_MAILMERGE_H

#include <QList>
#include <QString>

class QWidget;

// The header line's eight words, in column order.
extern const char* const kMailMergeHeader[8];

// Writes the customers of CUST5 (open, in its selected order) whose group is
// in groups to fileName, with the progress box. False (nothing written over
// fileName) when the file cannot be written. *customers counts those written.
bool WriteMailMergeFile(const QString& fileName, const QList<int>& groups,
                        long* customers = nullptr);

// The command: opens CUST5 and GROUPS, asks for the groups (TMultGroup) and
// the file name, writes the file, closes all tables. What was done, as a
// line for the status bar ("" when the person cancelled).
QString MailMergeExport(QWidget* parent);

#endif  // SHELL_MAILMERGE_H
