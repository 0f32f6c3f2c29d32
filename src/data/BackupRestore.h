// Backup of the data files to another folder and restore from it.
//
// A backup copies each table and memo file (the business data, then the
// settings, the import folders and the tables added since; the index files
// stay) while holding every table as a pack does, so
// the copy is consistent even when another program has the folder open; each
// copy is read back and compared before it counts. It writes the list of its
// files with their sizes and checksums (BackupManifest), and holds the backup
// folder exclusively meanwhile. Into a fixed folder everything is written
// beside the earlier backup (a TableSwap of the backup folder) and put in its
// place only once complete, so a failed backup leaves the earlier one
// restorable. On removable media the list goes on each disk before its first
// file; a full disk asks for another one and the copy goes on with the file
// that did not fit.
//
// A restore holds the data folder exclusively, copies the files into the
// staging folder of a TableSwap, checks that they are the files the backup
// wrote (against its list; a backup without one is from an earlier version)
// and tables of the expected layout, builds their indexes there, and only
// then puts tables and indexes in place together, so the data folder is
// never left holding a mix; the indexes are rebuilt afterwards as designed.
// It restores the business data and the tables added since that the backup
// holds; the settings (KEX1, the import folders, the seller's e-invoice
// details) only when asked to.
//
// Every failure is shown (through the Ui driver) naming the file and the
// reason, followed by "Backup Failed . . Check that disk is not write
// protected" or "Restore Failed . . Check that your disk is not full.".
#ifndef DATA_BACKUPRESTORE_H
#define DATA_BACKUPRESTORE_H

#include <QString>
#include <utility>
#include <vector>

struct TableDef;

// A file that backup and restore copy, with the progress value after it.
struct DataFileStep {
  QString name;
  int progress;
};
// Every file a backup copies from a folder that holds all the program's
// tables, in order: the designed eleven with their progress values, then
// the files of the other tables at 100.
std::vector<DataFileStep> DataFilesToCopy();

// "Backup Data Files" once the folder is chosen. Refuses the data folder
// itself. True when every file was copied and verified (*copied: how many;
// tables the program makes itself are left out where the folder lacks them).
bool BackupDataFiles(const QString& folder, int* copied = nullptr);
// What a restore does with a folder that has no list of its files (a
// backup made by an earlier version): its files cannot be checked.
enum class ListlessBackup { Refuse, RestoreUnchecked };

// "Restore Data Files" once the folder is chosen. Refuses the data folder
// itself, a backup cut short or mixed, one whose list is empty or cannot be
// read, one without a list unless listless says to restore it unchecked,
// and a data folder another program uses. True when every file was
// restored (*restored: how many); on false the data folder holds its
// earlier files. The settings are restored only withSettings, and only from
// a backup that holds them; a table added since the backup was made is
// restored only when the backup's list names it, and a message names those
// left as they were. The indexes are rebuilt either way (not after a
// refusal of the folder itself or of a folder in use).
bool RestoreDataFiles(const QString& folder, bool withSettings = false, int* restored = nullptr,
                      ListlessBackup listless = ListlessBackup::Refuse);

// True when folder holds a backup's list of its files (a file or anything
// else of its name).
bool HasBackupList(const QString& folder);
// The question asked before a backup without a list is restored unchecked.
QString UncheckedRestoreQuestion();

// True when a and b name the same folder (symbolic links and a trailing "/"
// included).
bool SameFolder(const QString& a, const QString& b);

// Copies from over to through the file copy, reads the copy back and
// compares it; false, *error naming the files and the reason, on failure.
bool CopyVerified(const QString& from, const QString& to, QString* error);

// True when dir holds def's table (matched without regard to case) and it
// opens with every field of def, of def's kinds; otherwise *error says why.
bool IsTableOfLayout(const QString& dir, const TableDef& def, QString* error);

// Writes the index files of tables in dir afresh (the engine looks in dir
// meanwhile); false, *error set, when one cannot be built.
bool BuildIndexesIn(const QString& dir, const std::vector<const TableDef*>& tables, QString* error);

// Holds the tables of the data folder as a pack does (deny-write, so no other
// program writes them) until it goes out of scope; tables the folder lacks
// are skipped. The tables are open without their indexes, on no tag.
class HeldTables {
 public:
  HeldTables() = default;
  ~HeldTables();
  HeldTables(const HeldTables&) = delete;
  HeldTables& operator=(const HeldTables&) = delete;
  // The business tables. False, *error set (the table is in use by another
  // program), when one cannot be held; those held so far are let go.
  bool hold(QString* error);
  // The same for the tables given.
  bool hold(const std::vector<const TableDef*>& tables, QString* error);
  // The held table of def; nullptr when the folder lacks it.
  struct DATA4* table(const TableDef& def) const;

 private:
  void release();
  std::vector<std::pair<const TableDef*, struct DATA4*>> held_;
};

#endif  // DATA_BACKUPRESTORE_H
