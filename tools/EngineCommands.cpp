// The data tool's commands over the engine alone: dump, index, keys, seek,
// check, pack, repair. Table text is printed as UTF-8; arguments are taken as UTF-8.
// The engine's errors stay English; the counts told to a person are translated.
#include "EngineCommands.h"

#include "DataCommands.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>

#include "Cp1252Text.h"
#include "data/CardText.h"
#include "tbengine/engine.h"
#include "tbengine/inspect.h"

namespace fs = std::filesystem;

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(EngineCommands)
};

// A line for a person on stderr.
void Tell(const QString& line) { std::fprintf(stderr, "%s\n", line.toUtf8().constData()); }

// An engine handle for one command, closed at the end.
class Engine {
 public:
  Engine() : cb_(code4initP()) {}
  ~Engine() { code4initUndoP(cb_); }
  CODE4* cb() const { return cb_; }
  // Prints the pending error; returns 1.
  int Fail() const {
    std::fprintf(stderr, "tallowby-db: %s\n", code4errorText(cb_).c_str());
    code4errorCode(cb_, 0);
    return 1;
  }

 private:
  CODE4* cb_;
};

bool EndsWithNoCase(const std::string& s, const std::string& suffix) {
  if (s.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), s.end() - static_cast<long>(suffix.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); });
}

// "dir/T.dbf" -> "dir/T", the name d4open takes.
std::string TableName(const std::string& path) {
  return EndsWithNoCase(path, ".dbf") ? path.substr(0, path.size() - 4) : path;
}

std::string Absolute(const std::string& path) { return fs::absolute(path).string(); }

std::string TrimRight(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  return b == std::string::npos ? std::string() : TrimRight(s.substr(b));
}

// A stored number as JSON: null when blank or not a number.
std::string JsonNumber(const std::string& stored) {
  std::string t = Trim(stored);
  std::string sign;
  if (!t.empty() && t[0] == '-') {
    sign = "-";
    t.erase(0, 1);
  }
  size_t dot = t.find('.');
  std::string whole = t.substr(0, dot), frac = dot == std::string::npos ? "" : t.substr(dot + 1);
  auto digits = [](const std::string& s) { return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }); };
  if ((whole.empty() && frac.empty()) || !digits(whole) || !digits(frac) || (dot != std::string::npos && frac.empty()))
    return "null";
  while (whole.size() > 1 && whole[0] == '0') whole.erase(0, 1);
  if (whole.empty()) whole.assign(1, '0');  // not = "0": a false -Wrestrict at -O3 (GCC 12)
  return sign + whole + (frac.empty() ? "" : "." + frac);
}

std::string JsonValue(FIELD4* f) {
  const std::string stored = f4str(f);
  switch (f4type(f)) {
    case 'N': return JsonNumber(stored);
    case 'L': {
      char c = stored.empty() ? ' ' : stored[0];
      if (c == 'T' || c == 't' || c == 'Y' || c == 'y') return "true";
      if (c == 'F' || c == 'f' || c == 'N' || c == 'n') return "false";
      return "null";
    }
    case 'D': return JsonString(Trim(stored));
    case 'M': return JsonString(Cp1252ToUtf8(f4memoStr(f)));
    default: return JsonString(Cp1252ToUtf8(TrimRight(stored)));
  }
}

// A card text as it is printed: the card's number masked.
std::string JsonCardText(FIELD4* f) {
  const QString text = QString::fromStdString(Cp1252ToUtf8(TrimRight(f4str(f))));
  return JsonString(MaskedCardText(text).toStdString());
}

// dump [--unmasked] TABLE.dbf: --unmasked shows a card number whole, for a
// person repairing a table.
int Dump(std::vector<std::string> args) {
  const auto option = std::find(args.begin(), args.end(), std::string("--unmasked"));
  const bool unmasked = option != args.end();
  if (unmasked) args.erase(option);
  if (args.size() != 2) return 2;
  Engine e;
  code4autoOpen(e.cb(), 0);
  DATA4* d = d4open(e.cb(), TableName(args[1]).c_str());
  if (d == nullptr) return e.Fail();
  const QString table = QString::fromStdString(fs::path(TableName(args[1])).filename().string());
  int rc = 0;
  for (long r = 1; r <= d4recCountDo(d); ++r) {
    if (d4go(d, r) != 0) return e.Fail();
    std::string line = "{\"_recno\": " + std::to_string(r) + ", \"_deleted\": " + (d4deleted(d) ? "true" : "false");
    for (int j = 1; j <= d4numFields(d); ++j) {
      FIELD4* f = d4fieldJ(d, j);
      const bool card = !unmasked && HoldsCardText(table, QString::fromLatin1(f4name(f)));
      line += ", " + JsonString(f4name(f)) + ": " + (card ? JsonCardText(f) : JsonValue(f));
    }
    std::printf("%s}\n", line.c_str());
    if (code4errorText(e.cb()).size() > 0) rc = e.Fail();  // e.g. a memo that cannot be read
  }
  if (code4close(e.cb()) < 0) return e.Fail();
  return rc;
}

int Index(const std::vector<std::string>& args) {
  if (args.size() != 4) return 2;
  Engine e;
  code4autoOpen(e.cb(), 0);
  code4safety(e.cb(), 0);  // the output file is named explicitly
  DATA4* d = d4open(e.cb(), TableName(args[1]).c_str());
  if (d == nullptr) return e.Fail();
  if (t4createFile(d, Absolute(args[2]).c_str(), Utf8ToCp1252(args[3]).c_str()) == nullptr) return e.Fail();
  return code4close(e.cb()) < 0 ? e.Fail() : 0;
}

int Keys(const std::vector<std::string>& args) {
  if (args.size() != 2) return 2;
  Engine e;
  int rc = t4keysOfFile(e.cb(), Absolute(args[1]).c_str(), [](uint32_t recno, const std::string& key) {
    std::printf("%u\t%s\n", recno, Cp1252ToUtf8(key).c_str());
  });
  return rc < 0 ? e.Fail() : 0;
}

int Seek(const std::vector<std::string>& args) {
  if (args.size() != 4) return 2;
  Engine e;
  code4autoOpen(e.cb(), 0);
  DATA4* d = d4open(e.cb(), TableName(args[1]).c_str());
  if (d == nullptr) return e.Fail();
  TAG4* tag = t4openFile(d, Absolute(args[2]).c_str());
  if (tag == nullptr || d4verifyTags(d) < 0) return e.Fail();
  d4tagSelect(d, tag);
  int rc = d4seek(d, Utf8ToCp1252(args[3]).c_str());
  if (rc < 0) return e.Fail();
  std::printf("%d %ld\n", rc, d4recNo(d));
  return 0;
}

// Every table of the folder with its tag group; one line per problem.
int Check(const std::vector<std::string>& args) {
  if (args.size() != 2) return 2;
  std::error_code ec;
  std::vector<fs::path> tables, groups;
  for (const auto& entry : fs::directory_iterator(args[1], ec)) {
    const std::string name = entry.path().filename().string();
    if (EndsWithNoCase(name, ".dbf")) tables.push_back(entry.path());
    if (EndsWithNoCase(name, ".cgp")) groups.push_back(entry.path());
  }
  if (ec) {
    std::fprintf(stderr, "tallowby-db: %s: %s\n", args[1].c_str(), ec.message().c_str());
    return 1;
  }
  std::sort(tables.begin(), tables.end());
  Engine e;
  int problems = 0;
  for (const fs::path& table : tables) {
    const std::string stem = table.stem().string();
    bool grouped = std::any_of(groups.begin(), groups.end(), [&](const fs::path& g) {
      const std::string s = g.stem().string();
      return s.size() == stem.size() && EndsWithNoCase(s, stem);
    });
    code4autoOpen(e.cb(), grouped ? 1 : 0);
    DATA4* d = d4open(e.cb(), (table.parent_path() / stem).string().c_str());
    if (d == nullptr) {
      std::printf("%s\n", code4errorText(e.cb()).c_str());
      code4errorCode(e.cb(), 0);
      ++problems;
      continue;
    }
    std::vector<std::string> lines;
    problems += d4check(d, &lines);
    for (const std::string& l : lines) std::printf("%s\n", l.c_str());
    d4close(d);
    code4errorCode(e.cb(), 0);
  }
  // Sound tables: are the issued invoices and the received files as they were?
  if (problems == 0) problems += CheckRecordedContents(args[1]);
  //: %1: the problems found ("%n problem(s)")
  Tell(Tr::tr("%n table(s) checked, %1", nullptr, int(tables.size()))
           .arg(Tr::tr("%n problem(s)", nullptr, problems)));
  return problems > 0 ? 1 : 0;
}

int Pack(const std::vector<std::string>& args) {
  if (args.size() != 2) return 2;
  Engine e;
  code4accessMode(e.cb(), OPEN4DENY_WRITE);
  DATA4* d = d4open(e.cb(), TableName(args[1]).c_str());
  if (d == nullptr) return e.Fail();
  const long before = d4recCountDo(d);
  if (d4packCompress(d) < 0) return e.Fail();
  const long after = d4recCountDo(d);
  if (code4close(e.cb()) < 0) return e.Fail();
  Tell(Tr::tr("%n record(s) removed, %1 left", nullptr, int(before - after)).arg(after));
  return 0;
}

// Sets the record count of a table that another program left too small.
int Repair(const std::vector<std::string>& args) {
  if (args.size() != 2) return 2;
  Engine e;
  code4accessMode(e.cb(), OPEN4DENY_WRITE);
  code4autoOpen(e.cb(), 0);
  DATA4* d = d4open(e.cb(), TableName(args[1]).c_str());
  if (d == nullptr) return e.Fail();
  long before = 0, after = 0;
  if (d4repairCount(d, &before, &after) < 0) return e.Fail();
  if (code4close(e.cb()) < 0) return e.Fail();
  if (after == before) {
    Tell(Tr::tr("%n record(s); the count was right, nothing changed", nullptr, int(after)));
  } else {
    //: %1 -> %2: the record count before and after; %n: the records added
    Tell(Tr::tr("record count %1 -> %2; the indexes do not know the %n record(s) yet: "
                "run \"tallowby-db reindex\" on the folder (or start Tallowby there)",
                nullptr, int(after - before))
             .arg(before)
             .arg(after));
  }
  return 0;
}

}  // namespace

bool RunEngineCommand(const std::vector<std::string>& args, int* rc) {
  if (args.empty()) return false;
  const std::string& cmd = args[0];
  if (cmd == "dump") *rc = Dump(args);
  else if (cmd == "index") *rc = Index(args);
  else if (cmd == "keys") *rc = Keys(args);
  else if (cmd == "seek") *rc = Seek(args);
  else if (cmd == "check") *rc = Check(args);
  else if (cmd == "pack") *rc = Pack(args);
  else if (cmd == "repair") *rc = Repair(args);
  else return false;
  return *rc != 2;  // bad usage: the caller prints the usage
}
