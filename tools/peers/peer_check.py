#!/usr/bin/env python3
"""Peer checks of our tables and indexes against other xBase readers.

  peer_check.py write-pydbf DIR
      Writes PEER.dbf/.dbt with python dbf: every field kind, blanks,
      deleted records, memos rewritten across blocks, Windows-1252 text.
  peer_check.py compare READER TABLE.dbf DUMP.jsonl
      Reads TABLE.dbf with READER (pydbf, dbfread or perl) and compares every
      record, field for field, with our data tool's dump of the same table.
  peer_check.py compare-keys NTX OURKEYS
      Reads NTX with Perl's XBase::Index and compares (record, key) in order
      with our data tool's keys output.
Exit status 0 when everything agrees; the differences are printed otherwise.
"""
import datetime
import json
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def write_pydbf(folder):
    import dbf
    table = dbf.Table(os.path.join(folder, 'PEER.dbf'),
                      'name C(20); qty N(8,2); cuno N(6,0); day D; paid L; notes M',
                      codepage='cp1252')
    table.open(dbf.READ_WRITE)
    for i in range(40):
        notes = '' if i % 4 == 3 else ('memo %d ' % i) + 'x' * (i * 53 % 1200)
        table.append(('Caf\xe9 \u20ac%d' % i if i % 5 == 0 else 'name %d' % i,
                      None if i % 7 == 6 else i * 1.25 - 10,
                      None if i % 6 == 5 else 1000 + i,
                      None if i % 3 == 2 else datetime.date(2020, 1 + i % 12, 1 + i % 28),
                      None if i % 8 == 7 else i % 2 == 0,
                      notes))
    for i in (1, 2, 9):  # rewrites that no longer fit their blocks
        dbf.write(table[i], notes='rewritten %d ' % i + 'y' * 900)
    for i in (4, 17):
        dbf.delete(table[i])
    table.close()


def normalize(value):
    if value is None:
        return None
    if isinstance(value, bool):
        return value
    if isinstance(value, (int, float)):
        return round(float(value), 6)
    if isinstance(value, (datetime.date, datetime.datetime)):
        return value.strftime('%Y%m%d')
    if isinstance(value, bytes):
        value = value.decode('cp1252')
    value = str(value).rstrip(' ')
    return value or None  # blank text, blank date and empty memo alike


def read_pydbf(path):
    import dbf
    table = dbf.Table(path)
    table.open()
    names = [n.upper() for n in table.field_names]
    rows = []
    for rec in table:
        values = {}
        for n in table.field_names:
            v = rec[n]
            if v is not None and not isinstance(v, (bool, int, float, str, datetime.date)):
                v = None if v == dbf.Unknown else bool(v)
            values[n.upper()] = normalize(v)
        rows.append((dbf.is_deleted(rec), values))
    table.close()
    return names, rows


def read_dbfread(path):
    import dbfread
    table = dbfread.DBF(path, load=True, encoding='cp1252')
    names = [n.upper() for n in table.field_names]
    live = [(False, {k.upper(): normalize(v) for k, v in r.items()}) for r in table.records]
    dead = [(True, {k.upper(): normalize(v) for k, v in r.items()}) for r in table.deleted]
    return names, live + dead


def read_perl(path):
    out = subprocess.run(['perl', os.path.join(HERE, 'xbase_read.pl'), 'table', path],
                         check=True, capture_output=True).stdout.decode('ascii').splitlines()
    names = [n.upper() for n in json.loads(out[0])]
    rows = []
    for line in out[1:]:
        values = json.loads(line)
        deleted, fields = bool(values[0]), values[1:]
        rec = {}
        for n, v in zip(names, fields):
            if isinstance(v, str):
                v = v.encode('latin-1').decode('cp1252')
            rec[n] = v
        rows.append((deleted, rec))
    return names, rows


def read_ours(dump):
    rows = []
    with open(dump, encoding='utf-8') as f:
        for line in f:
            rec = json.loads(line)
            deleted = rec.pop('_deleted')
            rec.pop('_recno')
            rows.append((deleted, {k.upper(): normalize(v) for k, v in rec.items()}))
    return rows


def perl_value(ours, theirs):
    """Perl gives numbers and dates as text and logicals as 1/0."""
    if theirs is None or ours is None:
        return theirs in (None, '') and ours in (None, '')
    if isinstance(ours, bool):
        return bool(int(theirs)) == ours
    if isinstance(ours, float):
        return abs(float(theirs) - ours) < 1e-6
    return normalize(str(theirs)) == ours


def compare(reader, path, dump):
    ours = read_ours(dump)
    if reader == 'pydbf':
        names, theirs = read_pydbf(path)
        same = lambda a, b: a == b
    elif reader == 'dbfread':
        names, theirs = read_dbfread(path)
        ours = [r for r in ours if not r[0]] + [r for r in ours if r[0]]
        same = lambda a, b: a == b
    else:
        names, theirs = read_perl(path)
        same = perl_value
    problems = []
    if len(ours) != len(theirs):
        problems.append('%d records here, %d in %s' % (len(ours), len(theirs), reader))
    for i, (a, b) in enumerate(zip(ours, theirs)):
        if a[0] != b[0]:
            problems.append('record %d: deleted %s here, %s in %s' % (i + 1, a[0], b[0], reader))
        for n in names:
            if not same(a[1].get(n), b[1].get(n)):
                problems.append('record %d field %s: %r here, %r in %s' % (i + 1, n, a[1].get(n), b[1].get(n), reader))
    return problems


def compare_keys(ntx, ours_file):
    theirs = subprocess.run(['perl', os.path.join(HERE, 'xbase_read.pl'), 'index', ntx],
                            check=True, capture_output=True).stdout.decode('cp1252').splitlines()
    with open(ours_file, encoding='utf-8') as f:
        ours = f.read().splitlines()
    problems = []
    if len(ours) != len(theirs):
        problems.append('%d entries here, %d in XBase::Index' % (len(ours), len(theirs)))
    for i, (a, b) in enumerate(zip(ours, theirs)):
        if a != b:
            problems.append('entry %d: %r here, %r in XBase::Index' % (i + 1, a, b))
    return problems


def main(argv):
    if len(argv) == 3 and argv[1] == 'write-pydbf':
        write_pydbf(argv[2])
        return 0
    if len(argv) == 5 and argv[1] == 'compare':
        problems = compare(argv[2], argv[3], argv[4])
    elif len(argv) == 4 and argv[1] == 'compare-keys':
        problems = compare_keys(argv[2], argv[3])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    for p in problems[:30]:
        print(p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
