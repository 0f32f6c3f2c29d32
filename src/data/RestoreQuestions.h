// What "Restore Data Files" asks before it replaces anything: whether to
// replace the data by the backup (naming both folders and when the backup
// was made; Cancel the default); for a backup without a list of its files,
// whether to restore it unchecked (No the default); and, when the backup
// holds the settings, whether to restore them too (No the default: the
// settings in use stay).
#ifndef DATA_RESTOREQUESTIONS_H
#define DATA_RESTOREQUESTIONS_H

#include <QString>

#include "data/BackupRestore.h"

// False when the person cancelled. *withSettings: restore the settings as
// well; *listless: what the person chose for a backup without a list. A
// folder that is the data folder itself is not asked about (the restore
// refuses it).
bool ConfirmRestore(const QString& folder, bool* withSettings, ListlessBackup* listless);

// When the backup in folder was made, as its list says (or, for a backup of
// an earlier version, its customer table's time), in the short date format
// with the time; "(date unknown)" when neither is there.
QString BackupMadeText(const QString& folder);

#endif  // DATA_RESTOREQUESTIONS_H
