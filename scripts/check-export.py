#!/usr/bin/env python3
"""Checks an export of `tallowby-db export` against an independent reading
of the data folder it was made from.

  check-export.py DATADIR EXPORT

EXPORT is the SQLite file (--sqlite) or the folder of CSV files (--csv). The
tables of DATADIR named in the export's source_columns are read with
Python's dbfread, and the check is:
  - every live record of every table appears exactly once in the export,
    every field equal to the .dbf's under the rules of docs/decisions.md
    ("Export to SQLite, PostgreSQL and CSV");
  - (SQLite) every row of the three views equals the one computed here from
    the .dbf files.
Exit status 0 when everything agrees; otherwise 1 with the differences.
Needs python3-dbfread.
"""
import collections
import csv
import datetime
import decimal
import math
import os
import re
import sqlite3
import sys

import dbfread
from dbfread.field_parser import FieldParser

# Bytes Windows-1252 leaves undefined stand for the control characters of
# the same value, as the program reads them.
CP1252 = ''.join(chr(b) if b in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else bytes([b]).decode('cp1252')
                 for b in range(256))
# A relation whose 0 or blank means "none": exported as NULL.
NONE_IS_NULL = {('CUST5', 'NGROUP'), ('INV5', 'CUNO'), ('ITM5', 'PRID'), ('PUR5', 'PURPROD')}
NUMBER = re.compile(rb'^[+-]?(\d+\.?\d*|\.\d+)$')


class RawParser(FieldParser):
    """Every field as its stored bytes; a memo as its text's bytes."""

    def parseC(self, field, data):
        return data

    parseD = parseL = parseN = parseF = parseC

    def parseM(self, field, data):
        memo = self.get_memo(self._parse_memo_index(data))
        return bytes(memo) if memo else b''


def text(data, memo=False):
    """A field's text without its padding; a memo's as stored."""
    if not memo:
        data = data.rstrip(bytes(range(0x21)))
    data = data.replace(b'\0', b'?')
    return ''.join(CP1252[b] for b in data)


def masked_card_text(value):
    """The card text as exported: 12 or more digits in groups joined by up to three
    characters that are neither letters nor digits, all but the last four digits
    as "*"; a month and year after the number are not part of it."""
    def mask(match):
        run = match.group(0)
        groups = list(re.finditer(r'\d+', run))
        expiry = re.search(r'(?<=\D)\d{1,2}/(\d{2}|\d{4})$', run)
        if expiry and len(groups) >= 3 and sum(len(g.group(0)) for g in groups[:-2]) >= 12:
            return mask_digits(run[:expiry.start()]) + run[expiry.start():]
        return mask_digits(run)

    def mask_digits(run):
        digits = sum(c.isdigit() for c in run)
        if digits < 12:
            return run
        hidden, out = digits - 4, []
        for c in run:
            if c.isdigit() and hidden > 0:
                out.append('*')
                hidden -= 1
            else:
                out.append(c)
        return ''.join(out)

    return re.sub(r'\d+(?:[\W_]{1,3}\d+)*', mask, value)


def number(data, decimals):
    data = data.strip(b' \0')
    if not data:
        return None
    if not NUMBER.match(data):
        return 'unreadable'
    value = decimal.Decimal(data.decode('ascii'))
    scaled = value.scaleb(decimals)
    if scaled != scaled.to_integral_value() or len(str(abs(int(scaled)))) > 18:
        return 'unreadable'
    return value if value != 0 else decimal.Decimal(0)


def date(data):
    if all(b in b' 0\0' for b in data):
        return None
    try:
        day = datetime.date(int(data[0:4]), int(data[4:6]), int(data[6:8]))
    except ValueError:
        return 'impossible'
    return day.isoformat()


def logical(data):
    c = data[:1]
    return True if c in (b'T', b't', b'Y', b'y') else False if c in (b'F', b'f', b'N', b'n') else None


def stored_value(field, data, table):
    """The value the export must hold for a field's stored bytes."""
    if field.type in ('C', 'M'):
        value = text(data, field.type == 'M')
        if (os.path.splitext(table)[0].upper(), field.name.upper()) == ('INV5', 'IMEMO'):
            value = masked_card_text(value)
    elif field.type in ('N', 'F'):
        value = number(data, field.decimal_count)
    elif field.type == 'D':
        value = date(data)
    elif field.type == 'L':
        value = logical(data)
    else:
        value = data
    if value in ('unreadable', 'impossible'):
        value = None
    if (os.path.splitext(table)[0].upper(), field.name.upper()) in NONE_IS_NULL and value in (0, ''):
        value = None
    return value


def read_table(folder, name):
    """The live records of a .dbf: (fields by name, list of {field: value})."""
    path = os.path.join(folder, name)
    table = dbfread.DBF(path, parserclass=RawParser, encoding='latin-1', char_decode_errors='strict',
                        ignore_missing_memofile=False)
    fields = {f.name.upper(): f for f in table.fields}
    records = []
    for record in table:
        records.append({k.upper(): stored_value(fields[k.upper()], v, name) for k, v in record.items()})
    return fields, records


class Export:
    """The export's tables, read as the format stores them."""

    def __init__(self, path):
        self.sqlite = os.path.isfile(path)
        self.path = path
        if self.sqlite:
            self.db = sqlite3.connect('file:%s?mode=ro' % path, uri=True)

    def rows(self, table):
        if self.sqlite:
            cursor = self.db.execute('SELECT * FROM "%s"' % table)
            columns = [d[0] for d in cursor.description]
            return columns, [list(r) for r in cursor]
        with open(os.path.join(self.path, table + '.csv'), newline='', encoding='utf-8') as f:
            lines = list(csv.reader(f))
        return lines[0], lines[1:]

    def source_columns(self):
        columns, rows = self.rows('source_columns')
        return [dict(zip(columns, r)) for r in rows]


def as_exported(value, field, column, sqlite):
    """A value of the .dbf as the export writes it, for comparing."""
    if value is None:
        return None if sqlite else ''
    if isinstance(value, bool):
        return int(value) if sqlite else ('true' if value else 'false')
    if isinstance(value, decimal.Decimal):
        places = field.decimal_count
        if sqlite:
            return int(value.scaleb(places)) if re.search(r'_x10+$', column) else int(value)
        return '%.*f' % (places, value) if places else str(int(value))
    if not sqlite and field.type in ('C', 'M') and value[:1] in ('=', '+', '-', '@', '\t', '\r'):
        return "'" + value  # shown as text by a spreadsheet
    return value


def check_tables(folder, export, problems):
    """Every live record exactly once; returns the .dbf records by table."""
    by_table = collections.OrderedDict()
    for s in export.source_columns():
        by_table.setdefault((s['sql_table'], s['dbf_table']), []).append((s['sql_column'], s['dbf_field']))
    read = {}
    for (sql_table, dbf_table), columns in by_table.items():
        columns_exported, rows = export.rows(sql_table)
        if [c for c, _ in columns] != columns_exported:
            problems.append('%s: columns %s, source_columns says %s' % (sql_table, columns_exported,
                                                                       [c for c, _ in columns]))
            continue
        if not os.path.exists(os.path.join(folder, dbf_table)):
            if rows:
                problems.append('%s: %d rows, but %s is not in the folder' % (sql_table, len(rows), dbf_table))
            continue
        fields, records = read_table(folder, dbf_table)
        read[sql_table] = (fields, records)
        expected = collections.Counter(
            tuple(as_exported(r[f.upper()], fields[f.upper()], c, export.sqlite) for c, f in columns)
            for r in records)
        found = collections.Counter(tuple(row) for row in rows)
        if expected != found:
            missing, extra = expected - found, found - expected
            problems.append('%s: %d rows of %s missing or different, %d rows not in it; first: %s / %s' % (
                sql_table, sum(missing.values()), dbf_table, sum(extra.values()),
                next(iter(missing), None), next(iter(extra), None)))
    return read


def cents(value):
    return int(value.scaleb(2)) if value is not None else None


def line_total(quantity, price):
    """Cents of quantity x price, rounded as the invoice editor rounds it."""
    x = float(quantity) * float(price)
    return int(math.trunc((x + 0.005) * 100) if x > 0 else math.trunc((x - 0.005) * 100))


def check_views(export, read, problems):
    invoices, items, payments = read['invoices'][1], read['invoice_items'][1], read['payments'][1]
    subtotal, paid = collections.Counter(), collections.Counter()
    for i in items:
        if i['QTY'] is not None and i['UPR'] is not None:
            subtotal[i['IVNO']] += line_total(i['QTY'], i['UPR'])
    for p in payments:
        if p['PAMT'] is not None:
            paid[p['IVNO']] += cents(p['PAMT'])

    def shown(c):  # a view's decimal in cents
        return None if c is None else int(round(decimal.Decimal(str(c)).scaleb(2)))

    expected = collections.Counter()
    for v in invoices:
        charges = [cents(v[k]) for k in ('SHIP', 'TAX')]
        total = subtotal[v['IVNO']] + sum(c or 0 for c in charges)
        expected[(v['IVNO'], v['CUNO'], v['IDATE'], subtotal[v['IVNO']], charges[0], charges[1], total,
                  paid[v['IVNO']], cents(v['DUE']))] += 1
    found = collections.Counter(
        (r[0], r[1], r[2]) + tuple(shown(c) for c in r[3:])
        for r in export.db.execute('SELECT * FROM invoice_totals'))
    if expected != found:
        problems.append('invoice_totals: %s / %s' % (next(iter(expected - found), None), next(iter(found - expected), None)))

    balances = collections.Counter()
    for v in invoices:
        balances[v['CUNO']] += cents(v['DUE']) or 0
    found = {r[0]: shown(r[1]) for r in export.db.execute('SELECT * FROM customer_balances')}
    if dict(balances) != found:
        problems.append('customer_balances: %s / %s' % (sorted(balances.items(), key=str)[:5],
                                                        sorted(found.items(), key=str)[:5]))

    first_date = {}
    for v in invoices:
        if v['IDATE'] is not None and (v['IVNO'] not in first_date or v['IDATE'] < first_date[v['IVNO']]):
            first_date[v['IVNO']] = v['IDATE']
    sales = collections.defaultdict(lambda: [None, None])
    for i in items:
        day = first_date.get(i['IVNO'])
        key = (i['PRID'], day[:7] if day else None)
        s = sales[key]
        if i['QTY'] is not None:
            s[0] = (s[0] or 0) + cents(i['QTY'])
        if i['QTY'] is not None and i['UPR'] is not None:
            s[1] = (s[1] or 0) + line_total(i['QTY'], i['UPR'])
    expected = {k: tuple(v) for k, v in sales.items()}
    found = {(r[0], r[1]): (shown(r[2]), shown(r[3])) for r in export.db.execute('SELECT * FROM product_sales')}
    if expected != found:
        problems.append('product_sales: %s / %s' % (sorted(expected.items(), key=str)[:3],
                                                    sorted(found.items(), key=str)[:3]))


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    export = Export(argv[2])
    problems = []
    read = check_tables(argv[1], export, problems)
    if export.sqlite and not problems:
        check_views(export, read, problems)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
