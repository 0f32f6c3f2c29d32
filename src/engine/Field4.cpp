// Fields of the current record: reading and assigning by kind, memo text.
//
// Numbers are read as Clipper's Val reads them: leading blanks skipped, the
// longest number at the start taken, anything else (blanks, "***") is 0.
// f4long and f4int then drop the fraction (toward zero, as Int(Val(x))
// does) and clamp to their type's range. Numbers are written with the
// field's decimals, right-aligned, without regard to the process locale.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <climits>
#include <cmath>
#include <cstring>

#include "Bytes.h"
#include "Facade.h"

using namespace tbengine;

namespace {

// The field's bytes in the current record, read at the first access after
// a move. A read that fails leaves the error pending and blank bytes.
const char* FieldBytes(FIELD4* f) {
  Status s = EnsureRecord(f->data);
  if (!s.ok()) SetError(f->data->cb, s);
  return f->data->record.data() + f->desc.offset;
}

size_t Width(const FIELD4* f) { return static_cast<size_t>(f->desc.width); }

// Val(): the number at the start of the text after blanks; 0 when none.
double ParseNumber(const char* p, size_t n) {
  size_t i = 0;
  while (i < n && p[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (p[i] == '-' || p[i] == '+')) negative = p[i++] == '-';
  double value = 0;
  auto r = std::from_chars(p + i, p + n, value, std::chars_format::fixed);
  if (r.ec != std::errc()) return 0;
  return negative ? -value : value;
}

// The whole text is a number (blanks around it allowed).
bool ParseWholeNumber(const std::string& text, double* value) {
  size_t b = text.find_first_not_of(' ');
  size_t e = text.find_last_not_of(' ');
  if (b == std::string::npos) return false;
  const char* p = text.data() + b;
  const char* end = text.data() + e + 1;
  bool negative = false;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  auto r = std::from_chars(p, end, *value, std::chars_format::fixed);
  if (r.ec != std::errc() || r.ptr != end) return false;
  if (negative) *value = -*value;
  return true;
}

// value with `decimals` decimals, right-aligned in width; false when it
// does not fit (or is not a finite number).
bool FormatNumber(double value, int width, int decimals, std::string* out) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e20) return false;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) return false;
  std::string text(buf, r.ptr);
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);  // no "-0.00"
  if (text.size() > static_cast<size_t>(width)) return false;
  *out = std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
  return true;
}

std::string FormatInteger(long value, int decimals) {
  std::string text = std::to_string(value);
  // Appended in place: GCC 12 at -O3 warns falsely (-Wrestrict) about
  // "." + std::string(...).
  if (decimals > 0) text.append(1, '.').append(static_cast<size_t>(decimals), '0');
  return text;
}

// A record that cannot be read takes no assignment, so a change never
// lands on the blanks that stand in for it.
int Store(FIELD4* f, const std::string& text) {
  Status s = EnsureRecord(f->data);
  if (!s.ok()) return SetError(f->data->cb, s);
  char* p = f->data->record.data() + f->desc.offset;
  const size_t w = Width(f);
  const size_t n = std::min(w, text.size());
  std::memcpy(p, text.data(), n);
  std::memset(p + n, ' ', w - n);
  f->data->changed = true;
  return 0;
}

int Refuse(FIELD4* f, const std::string& what) {
  return SetError(f->data->cb, e4data,
                  what + " does not fit field " + f->desc.name + " (N " + std::to_string(f->desc.width) + "," +
                      std::to_string(f->desc.decimals) + ") of " + f->data->dbfPath);
}

int AssignNumberText(FIELD4* f, const std::string& text) {
  if (text.size() > Width(f)) return Refuse(f, "The number " + text);
  return Store(f, std::string(Width(f) - text.size(), ' ') + text);
}

}  // namespace

FIELD4* d4field(DATA4* d, const char* name) {
  if (d == nullptr) return NullHandle("d4field"), nullptr;
  if (name != nullptr) {
    for (auto& f : d->fields)
      if (EqualNoCase(f->desc.name, name)) return f.get();
  }
  SetError(d->cb, e4fieldName, std::string("Field ") + (name ? name : "(null)") + " is not in " + d->dbfPath);
  return nullptr;
}

FIELD4* d4fieldJ(DATA4* d, int j) {
  if (d == nullptr) return NullHandle("d4fieldJ"), nullptr;
  if (j < 1 || j > static_cast<int>(d->fields.size())) {
    SetError(d->cb, e4parm, "Field number " + std::to_string(j) + " is not in " + d->dbfPath);
    return nullptr;
  }
  return d->fields[static_cast<size_t>(j - 1)].get();
}

int d4numFields(DATA4* d) { return d == nullptr ? NullHandle("d4numFields") : static_cast<int>(d->fields.size()); }

const char* f4name(FIELD4* f) { return f == nullptr ? "" : f->desc.name.c_str(); }
char f4type(FIELD4* f) { return f == nullptr ? '\0' : f->desc.type; }
int f4len(FIELD4* f) { return f == nullptr ? 0 : f->desc.width; }
int f4decimals(FIELD4* f) { return f == nullptr ? 0 : f->desc.decimals; }

const char* f4str(FIELD4* f) {
  if (f == nullptr) return NullHandle("f4str"), "";
  f->text.assign(FieldBytes(f), Width(f));
  return f->text.c_str();
}

int f4double2(FIELD4* f, double* result) {
  if (f == nullptr || result == nullptr) return NullHandle("f4double2");
  *result = ParseNumber(FieldBytes(f), Width(f));
  return 0;
}

long f4long(FIELD4* f) {
  if (f == nullptr) return NullHandle("f4long");
  const char* p = FieldBytes(f);
  const size_t n = Width(f);
  size_t i = 0;
  while (i < n && p[i] == ' ') ++i;
  long whole = 0;
  auto r = std::from_chars(p + i, p + n, whole);
  if (r.ec == std::errc() && (r.ptr == p + n || *r.ptr == ' ' || *r.ptr == '.')) return whole;  // exact for long digits
  double v = std::trunc(ParseNumber(p, n));
  if (!(v == v)) return 0;
  if (v >= static_cast<double>(LONG_MAX)) return LONG_MAX;
  if (v <= static_cast<double>(LONG_MIN)) return LONG_MIN;
  return static_cast<long>(v);
}

int f4int(FIELD4* f) {
  long v = f4long(f);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

int f4true(FIELD4* f) {
  if (f == nullptr) return NullHandle("f4true");
  char c = FieldBytes(f)[0];
  return c == 'T' || c == 't' || c == 'Y' || c == 'y' ? 1 : 0;
}

int f4assign(FIELD4* f, const char* text) {
  if (f == nullptr) return NullHandle("f4assign");
  std::string t = text != nullptr ? text : "";
  switch (f->desc.type) {
    case 'M': return f4memoAssignN(f, t.data(), static_cast<unsigned>(t.size()));
    case 'L': {
      std::string trimmed = t;
      trimmed.erase(0, trimmed.find_first_not_of(' '));
      char c = trimmed.empty() ? ' ' : trimmed[0];
      if (c == 'T' || c == 't' || c == 'Y' || c == 'y') c = 'T';
      else if (c == 'F' || c == 'f' || c == 'N' || c == 'n') c = 'F';
      else if (c != ' ' && c != '?')
        return SetError(f->data->cb, e4data, "'" + t + "' is not a logical value for field " + f->desc.name);
      return Store(f, std::string(1, c));
    }
    case 'N': {
      if (t.find_first_not_of(' ') == std::string::npos) return Store(f, "");
      double value = 0;
      if (!ParseWholeNumber(t, &value))
        return SetError(f->data->cb, e4data, "'" + t + "' is not a number for field " + f->desc.name);
      return f4assignDouble(f, value);
    }
    default: return Store(f, t);
  }
}

int f4assignDouble(FIELD4* f, double value) {
  if (f == nullptr) return NullHandle("f4assignDouble");
  if (f->desc.type != 'N' && f->desc.type != 'C')
    return SetError(f->data->cb, e4parm, "Field " + f->desc.name + " does not hold a number");
  std::string text;
  if (!FormatNumber(value, f->desc.width, f->desc.type == 'N' ? f->desc.decimals : 0, &text)) {
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.6g", value);
    return Refuse(f, std::string("The number ") + shown);
  }
  return Store(f, text);
}

int f4assignLong(FIELD4* f, long value) {
  if (f == nullptr) return NullHandle("f4assignLong");
  if (f->desc.type != 'N' && f->desc.type != 'C')
    return SetError(f->data->cb, e4parm, "Field " + f->desc.name + " does not hold a number");
  return AssignNumberText(f, FormatInteger(value, f->desc.type == 'N' ? f->desc.decimals : 0));
}

int f4assignInt(FIELD4* f, int value) { return f4assignLong(f, value); }

const char* f4memoStr(FIELD4* f) {
  if (f == nullptr) return NullHandle("f4memoStr"), "";
  if (f->desc.type != 'M') return f4str(f);
  DATA4* d = f->data;
  if (f->memoLoaded || f->memoPending) return f->memo.c_str();
  f->memo.clear();
  if (d->eof || d->recno < 1) return "";
  uint32_t block = 0;
  Status s = EnsureRecord(d);
  if (!s.ok()) return SetError(d->cb, s), "";
  s = DbtFile::ParsePointer(d->original.data() + f->desc.offset, f->desc.width, d->dbfPath, &block);
  if (s.ok() && block != 0) {
    if (!d->dbt) s = Status::Error(e4memo, "Table " + d->dbfPath + " has no memo file");
    else s = d->dbt->Read(block, &f->memo);
  }
  if (!s.ok()) {
    SetError(d->cb, Status::Error(s.code(), s.message() + " (record " + std::to_string(d->recno) + ", field " +
                                                f->desc.name + ")"));
    f->memo.clear();
    return "";
  }
  f->memoLoaded = true;
  return f->memo.c_str();
}

int f4memoAssign(FIELD4* f, const char* text) {
  return f4memoAssignN(f, text, text == nullptr ? 0u : static_cast<unsigned>(std::strlen(text)));
}

int f4memoAssignN(FIELD4* f, const char* text, unsigned len) {
  if (f == nullptr) return NullHandle("f4memoAssignN");
  std::string t = text != nullptr ? std::string(text, len) : std::string();
  if (f->desc.type != 'M') return f4assign(f, t.c_str());
  if (t.find(DbtFile::kEndMarker) != std::string::npos)
    return SetError(f->data->cb, e4memo, "A memo for field " + f->desc.name + " of " + f->data->dbfPath +
                                             " may not contain the byte 0x1A");
  Status s = EnsureRecord(f->data);  // the record is written with the memo's new pointer
  if (!s.ok()) return SetError(f->data->cb, s);
  f->memo = std::move(t);
  f->memoLoaded = true;
  f->memoPending = true;
  f->data->changed = true;
  return 0;
}
