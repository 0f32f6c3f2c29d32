#!/usr/bin/env python3
"""Peer checks of our tables and indexes against other xBase readers.

  peer_check.py write-pydbf DIR
      Writes PEER.dbf/.dbt with python dbf: every field kind, blanks,
      deleted records, memos rewritten across blocks, Windows-1252 text.
  peer_check.py write-keyed DIR NAME RECORDS SEED
      Writes NAME.dbf with python dbf: the fields the program indexes, with
      mixed case, blanks, duplicates, Windows-1252 text, negative numbers,
      blank dates and a few deleted records.
  peer_check.py seek-reference TABLE.dbf EXPR OUT [EXPR OUT ...]
      Computes EXPR's keys from python dbf's values and writes OUT.keys
      ("recno TAB key" in index order) and OUT.probes (one seek probe a line:
      kind, probe as hex, probe as text or "-", expected result, record).
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


LAST_NAMES = ['M\xfcller', 'm\xfcller', 'M\xdcLLER', 'Smith', 'smith', 'SMITH', "O'Brien", 'van Dijk',
              'Van Dijk', '\u20acuro', '\xc6r\xf8', 'Zo\xeb', '\u0160imon', '\u017d\xe1k', '\u0153uvre', '\u0178ves',
              '', ' Leading', 'Zz', 'zz', 'A', 'a', '\xff', 'Abel', 'abel ', 'Ng']
FIRST_NAMES = ['Ann', 'ann', 'ANN', '', 'J\xfcrgen', '\xc9lise', 'Bo', 'bo', '\u20ac', 'Zed']
PRODUCTS = ['W-100', 'w-100', 'Bolt', 'BOLT', 'bolt', 'N\xfcT', '', 'Z9', 'a', 'A1', '\u20acX', 'ZZZZZZZZZZ']
NAME_CHARS = 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ \xe4\xf6\xfc\xc4\xd6\xdc\xdf\xe9\u20ac\u0160\xff-'


def write_keyed(folder, name, count, seed):
    import dbf
    import random
    rng = random.Random(seed)
    table = dbf.Table(os.path.join(folder, name + '.dbf'),
                      'last C(12); first C(10); cuno N(6,0); ivno N(6,0); idate D; zip C(10); '
                      'prid C(10); purdate D; amount N(9,2)', codepage='cp1252')
    table.open(dbf.READ_WRITE)

    def text(pool, width):
        if rng.random() < 0.6:
            return rng.choice(pool)
        return ''.join(rng.choice(NAME_CHARS) for _ in range(rng.randint(1, width)))

    def number(low, high):
        return None if rng.random() < 0.05 else rng.choice([0, rng.randint(low, high), rng.randint(0, 99)])

    def day():
        return None if rng.random() < 0.1 else datetime.date(1990, 1, 1) + datetime.timedelta(rng.randint(0, 15000))

    for _ in range(count):
        zip_code = rng.choice(['', '%05d' % rng.randint(0, 99999), '%05d-%04d' % (rng.randint(0, 99999), rng.randint(0, 9999)),
                               'sw1a 1aa', 'SW1A 1AA', '10115'])
        amount = None if rng.random() < 0.08 else round(rng.uniform(-99999, 99999), 2) * rng.choice([1, 1, 0])
        table.append((text(LAST_NAMES, 12), text(FIRST_NAMES, 10), number(-9999, 99999), number(1, 999999),
                      day(), zip_code, text(PRODUCTS, 10), day(), amount))
    for i in range(0, count, 17):
        dbf.delete(table[i])
    table.close()


def upper_ascii(b):
    return bytes(c - 32 if 0x61 <= c <= 0x7a else c for c in b)


def str_key(value, width, decimals=0):
    """Str(n, w, d): half away from zero, right-aligned, asterisks when too wide."""
    import decimal
    q = decimal.Decimal(1).scaleb(-decimals)
    d = decimal.Decimal(repr(value or 0)).quantize(q, rounding=decimal.ROUND_HALF_UP)
    t = '%.*f' % (decimals, d)
    return (t.rjust(width) if len(t) <= width else '*' * width).encode('ascii')


def dtos(value):
    return value.strftime('%Y%m%d').encode('ascii') if value else b' ' * 8


def key_function(expr):
    """The project's tag expressions, computed from field values."""
    c = lambda rec, n: rec[n].encode('cp1252')
    known = {
        'Str(CuNo, 6)': lambda r: str_key(r['cuno'], 6),
        'Str(IvNo,6,0)': lambda r: str_key(r['ivno'], 6, 0),
        'Upper(Last + First)': lambda r: upper_ascii(c(r, 'last') + c(r, 'first')),
        'DTOS(IDate)': lambda r: dtos(r['idate']),
        'Zip': lambda r: c(r, 'zip'),
        'Upper(PrID)+ DTOS(PURDATE)': lambda r: upper_ascii(c(r, 'prid')) + dtos(r['purdate']),
        'PrID + Str(IvNo,6,0)': lambda r: c(r, 'prid') + str_key(r['ivno'], 6, 0),
    }
    return known[expr]


def probes_of(keys):
    """(kind, probe) pairs: every key, its short prefixes, neighbours, the ends."""
    found = []
    seen = set()

    def add(kind, probe):
        if (kind, probe) not in seen:
            seen.add((kind, probe))
            found.append((kind, probe))

    add('empty', b'')
    for k in keys:
        add('key', k)
        if k.rstrip(b' ') != k:
            add('trimmed', k.rstrip(b' '))
        for n in (1, 2, 3):
            if n < len(k):
                add('prefix', k[:n])
        last = k[-1]
        if last > 0x20:
            add('below', k[:-1] + bytes([last - 1]))
        if last < 0xff:
            add('above', k[:-1] + bytes([last + 1]))
    add('past-end', b'\xff' * (len(keys[-1]) if keys else 1))
    return found


def seek_reference(path, tags):
    import dbf
    table = dbf.Table(path)
    table.open()
    records = list(table)
    for expr, out in tags:
        key_of = key_function(expr)
        write_reference(sorted(((key_of(rec), i + 1) for i, rec in enumerate(records)), key=lambda e: e[0]), out)
    table.close()


def write_reference(entries, out):
    """Entries sorted stably by key; a probe stops on the first key whose
    first len(probe) bytes are not less than the probe."""
    import bisect
    keys = [e[0] for e in entries]
    with open(out + '.keys', 'w', encoding='utf-8') as f:
        for key, recno in entries:
            f.write('%d\t%s\n' % (recno, key.decode('cp1252')))
    width = len(keys[0]) if keys else 0
    prefixes = {}  # keys cut to the probe's length, which keep the order
    with open(out + '.probes', 'w', encoding='utf-8') as f:
        for kind, probe in probes_of(keys):
            part = probe[:width] if keys else probe
            if len(part) not in prefixes:
                prefixes[len(part)] = [k[:len(part)] for k in keys]
            at = bisect.bisect_left(prefixes[len(part)], part)
            if at == len(keys):
                rc, recno = 3, len(keys) + 1
            else:
                rc, recno = (0 if keys[at][:len(part)] == part else 2), entries[at][1]
            try:
                shown = probe.decode('cp1252')
                shown = shown if shown.isprintable() else '-'
            except UnicodeDecodeError:
                shown = '-'
            f.write('%s\t%s\t%s\t%d\t%d\n' % (kind, probe.hex(), shown, rc, recno))


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
    if len(argv) == 6 and argv[1] == 'write-keyed':
        write_keyed(argv[2], argv[3], int(argv[4]), int(argv[5]))
        return 0
    if len(argv) >= 5 and len(argv) % 2 == 1 and argv[1] == 'seek-reference':
        seek_reference(argv[2], list(zip(argv[3::2], argv[4::2])))
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
