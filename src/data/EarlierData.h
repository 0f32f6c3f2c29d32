// Conversion of the data of the earlier product generation (its versions 4
// and 5): seven tables in one folder replace the business data. Groups, label
// stock and payments have our layout and are copied as files; products,
// customers, invoices and items are read field by field (only the field
// names are known, any widths), and each item then takes its product's
// description.
//
// The converted tables are built in the staging folder of a TableSwap from
// copies of the current ones and put in place together only when every
// table converted: a failure leaves all earlier data as it was. The data
// folder is held exclusively (FolderHold) for the whole conversion. Records the
// old tables hold marked deleted stay marked, so the pack that follows a
// conversion removes them.
#ifndef DATA_EARLIERDATA_H
#define DATA_EARLIERDATA_H

#include <QString>
#include <QStringList>

// The files of the earlier generation (names matched without regard to case).
const QStringList& EarlierDataFiles();

// The folder the picker starts in: the first of hern_bus and hern, under each
// of roots in turn, that holds Prod4.dbf; "" when none does.
QString EarlierDataPreset(const QStringList& roots);

// Converts the tables in folder after the user's OK to the warning "Warning:
// All previously entered data will be overwritten", with the progress box,
// and rebuilds the indexes. True when finished, also when nothing was started
// (files missing: "Data files not found in " + folder; the warning
// cancelled; the data folder in use by another program, which is said). False when the conversion failed; the message says why and the
// data folder is as it was. *converted: whether the tables were converted.
bool ConvertEarlierData(const QString& folder, bool* converted = nullptr);
// That warning, in the user's language (a command answering it for the user
// names it so).
QString OverwriteWarning();

#endif  // DATA_EARLIERDATA_H
