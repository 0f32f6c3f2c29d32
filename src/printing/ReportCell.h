// Reading the parts of a report cell code (see RptUtil.h for the codes).
#ifndef PRINTING_REPORTCELL_H
#define PRINTING_REPORTCELL_H

#include <QString>

// The two characters at position at (0-based) read as a column; a leading
// blank is allowed, anything unreadable counts as 0.
int CodeColumn(const QString& cell, int at = 1);
// The text of an "L", "R" or "C" cell: everything after the column.
QString CodeText(const QString& cell);
// The letter of a cell, or a null character for an empty cell.
QChar CodeLetter(const QString& cell);

#endif  // PRINTING_REPORTCELL_H
