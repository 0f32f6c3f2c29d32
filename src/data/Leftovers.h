// What work cut short (a kill, a crash) leaves in a folder of tables, and
// its removal:
//   tag.ntx.tmp, tag.ntx.tbpack.tmp   an index being built
//   X.cgp.tbnew                       a tag group being written
//   NAME.tbcopy                       a file being copied (backup, restore),
//                                     also in Received/ (a received file archived)
//   X.dbf.tbpack, X.dbt.tbpack, tag.ntx.tbpack, X.dbf.tbmemo, X.dbt.tbmemo
//                                     a pack or memo compaction: the engine
//                                     finishes or discards it when it opens
//                                     the table, so each table with such
//                                     files is opened and closed again
// Half-written files are removed: whoever wrote them is gone, provided the
// caller holds the folder exclusively (FolderHold), so nobody else is
// working there.
#ifndef DATA_LEFTOVERS_H
#define DATA_LEFTOVERS_H

#include <QString>
#include <QStringList>

// The names of dir's files that cut-short work left.
QStringList LeftoversIn(const QString& dir);

// Removes them (and finishes or discards cut-short packs); what cannot be
// removed (read-only media) stays.
void RemoveLeftovers(const QString& dir);

#endif  // DATA_LEFTOVERS_H
