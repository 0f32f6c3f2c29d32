// A repair of our own for tables that other programs left inconsistent:
// setting a record count that is too small, after checking the records the
// count leaves out.
#include "Bytes.h"
#include "Facade.h"
#include "tbengine/inspect.h"

namespace tbengine {
namespace {

bool AllOf(const char* p, int n, bool (*ok)(char)) {
  for (int i = 0; i < n; ++i)
    if (!ok(p[i])) return false;
  return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' '; }

// Blanks, or blanks then an optional '-', digits and one optional '.'.
bool ValidNumber(const char* p, int n) {
  int i = 0;
  while (i < n && p[i] == ' ') ++i;
  if (i == n) return true;
  if (p[i] == '-') ++i;
  bool digits = false, dot = false;
  for (; i < n; ++i) {
    if (IsDigit(p[i])) digits = true;
    else if (p[i] == '.' && !dot) dot = true;
    else return false;
  }
  return digits;
}

// "" when rec reads as a record of the table, else what is wrong.
std::string RecordProblem(const DbfFile& dbf, const char* rec) {
  if (rec[0] != DbfFile::kLive && rec[0] != DbfFile::kDeleted) return "its deletion flag is not ' ' or '*'";
  for (const FieldDesc& f : dbf.fields()) {
    const char* p = rec + f.offset;
    bool ok = true;
    switch (f.type) {
      case 'N': ok = ValidNumber(p, f.width); break;
      case 'D': ok = AllOf(p, f.width, IsDigit) || AllOf(p, f.width, IsBlank); break;
      case 'L': ok = std::string("TtFfYyNn? ").find(p[0]) != std::string::npos; break;
      case 'M': {
        uint32_t block = 0;
        ok = DbtFile::ParsePointer(p, f.width, dbf.path(), &block).ok();
        break;
      }
      default: break;
    }
    if (!ok) return "field " + f.name + " holds '" + std::string(p, static_cast<size_t>(f.width)) + "'";
  }
  return "";
}

Status RepairCount(DATA4* d, uint32_t* before, uint32_t* after) {
  TB_RETURN_IF_ERROR(FlushRecord(d));
  if (d->lock != FileLock::kExclusive)
    return Status::Error(e4parm, "Cannot count the records of " + d->dbfPath + " while other programs may write it");
  DbfFile& dbf = *d->dbf;
  *before = *after = dbf.recordCount();
  uint64_t whole = 0;
  TB_RETURN_IF_ERROR(dbf.WholeRecords(&whole));
  if (whole > UINT32_MAX) return Status::Corrupt(d->dbfPath, "too many records");
  if (whole <= dbf.recordCount()) return Status::Ok();
  // Read past the count: the header's count is what Read trusts, so read
  // the bytes directly.
  std::string rec(static_cast<size_t>(dbf.recordLength()), '\0');
  for (uint64_t r = dbf.recordCount() + 1; r <= whole; ++r) {
    const uint64_t offset = dbf.headerLength() + (r - 1) * static_cast<uint64_t>(dbf.recordLength());
    size_t got = 0;
    IoStatus io = dbf.file()->ReadAt(offset, rec.data(), rec.size(), &got);
    if (!io.ok()) return IoError(e4read, io);
    if (got != rec.size()) return Status::Corrupt(d->dbfPath, "record " + std::to_string(r) + " is cut short");
    std::string problem = RecordProblem(dbf, rec.data());
    if (!problem.empty())
      return Status::Error(e4data, "Cannot count the records of " + d->dbfPath + ": record " + std::to_string(r) +
                                       " at offset " + std::to_string(offset) + " does not read as a record (" + problem +
                                       "); the count stays " + std::to_string(dbf.recordCount()));
  }
  TB_RETURN_IF_ERROR(dbf.SetCount(static_cast<uint32_t>(whole)));
  *after = static_cast<uint32_t>(whole);
  d->cursorSynced = false;
  return Status::Ok();
}

}  // namespace
}  // namespace tbengine

using namespace tbengine;

int d4repairCount(DATA4* d, long* before, long* after) {
  if (d == nullptr || before == nullptr || after == nullptr) return NullHandle("d4repairCount");
  uint32_t b = 0, a = 0;
  Status s = RepairCount(d, &b, &a);
  *before = static_cast<long>(b);
  *after = static_cast<long>(a);
  return s.ok() ? 0 : SetError(d->cb, s);
}
