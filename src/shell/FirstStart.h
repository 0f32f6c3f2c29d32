// The company folder of a start from the desktop menu (`tallowby
// --remembered`): the folder chosen at an earlier start while it still holds
// the tables; otherwise the person is asked (TDataFolder, through the Ui
// driver) for a new, empty company folder, written with the supplied tables
// as `tallowby-db init` writes them, or for an existing folder that holds
// them. The choice is remembered in the user's settings.
#ifndef SHELL_FIRSTSTART_H
#define SHELL_FIRSTSTART_H

#include <QString>

class QSettings;

// The settings key of the remembered folder.
inline constexpr const char* kDataFolderKey = "DataFolder";

// The folder to start in, or an empty string when the person cancelled:
// then nothing has been written, neither a folder nor the settings.
QString ChooseDataFolder(QSettings& settings);

// True when folder holds the nine tables the program needs.
bool HoldsTables(const QString& folder);

// Makes folder (which must not exist or be empty) a new company folder
// holding the supplied tables. They are written into a folder beside it and
// renamed into place, so a failure leaves nothing behind. False with *error
// set when that cannot be done.
bool CreateCompanyFolder(const QString& folder, QString* error);

#endif  // SHELL_FIRSTSTART_H
