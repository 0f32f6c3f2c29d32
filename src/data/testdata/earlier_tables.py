#!/usr/bin/python3
"""Writes the seven tables of the earlier product generation into a folder,
with python dbf (dBASE III, .dbt memos), for the conversion tests.

usage: earlier_tables.py FOLDER [broken]

The widths differ from ours on purpose; only the field names are shared.
"broken" leaves the UPR field out of itm4, so a conversion fails on the
last table it converts.
"""
import datetime
import os
import sys

import dbf


def table(folder, name, fields, rows, deleted=()):
    t = dbf.Table(os.path.join(folder, name), fields, dbf_type='db3', codepage='cp1252')
    t.open(dbf.READ_WRITE)
    for i, row in enumerate(rows):
        t.append(row)
        if i in deleted:
            dbf.delete(t[-1])
    t.close()


def main():
    folder = sys.argv[1]
    broken = len(sys.argv) > 2 and sys.argv[2] == 'broken'
    table(folder, 'Prod4',
          'PRID C(12); RCODE C(12); PDESC C(40); UPRICE N(11,2); LTAX1 L; LTAX2 L; '
          'ICOMM C(30); PMEMO M',
          [('AB1', 'LIC-7', 'Blue candle', 12.5, True, False, 'tall, unscented',
            'Burns forty hours.\r\nKeep away from draughts.'),
           ('CD2', '', 'Soap bar', 3.25, False, True, '', ''),
           ('ZZ9', '', 'Withdrawn', 1.0, False, False, '', '')],
          deleted=(2,))
    table(folder, 'cust2',
          'CUNO N(8,0); NGROUP N(3,0); TITLE C(6); FIRST C(20); LAST C(25); ADDR1 C(40); '
          'ADDR2 C(40); ADDR3 C(40); ADDR4 C(40); ZIP C(12); COMMENTS M; NOTE C(40)',
          [(7, 2, 'Ms.', 'Zoë', 'Brontë', 'Wick & Co', '12 Mill Lane', 'Upton', '', 'UP1 2AB',
            'Likes lavender.', 'pays by check'),
           (12, 0, '', 'Al', 'Baker', '', '', '', '', '', '', '')])
    table(folder, 'inv',
          'IVNO N(7,0); CUNO N(7,0); IDATE D; IMEMO C(20); REM M; SHIP N(10,2); TAX N(10,2); '
          'DUE N(10,2)',
          [(1001, 7, datetime.date(2024, 5, 6), 'VISA 1234', '  Thanks for your order.  ',
            4.0, 1.56, 21.31),
           (1002, 12, None, '', '', 0.0, 0.0, 0.0)])
    items = 'IVNO N(7,0); PRID C(12); ICOMM C(30); QTY N(9,2); UPR N(10,2); LTAX1 L; LTAX2 L'
    rows = [(1001, 'ab1', 'gift wrap', 1.0, 12.5, True, False),
            (1001, 'GONE', '', 2.0, 1.5, False, False),
            (1002, 'CD2', '', 3.0, 3.25, False, True)]
    if broken:
        items = items.replace('UPR N(10,2); ', '')
        rows = [r[:4] + r[5:] for r in rows]
    table(folder, 'itm4', items, rows)
    table(folder, 'Groups', 'NGROUP N(2,0); CGROUP C(30)',
          [(2, 'Shops'), (3, 'Fairs')])
    table(folder, 'labels',
          'NAME C(30); TOPM N(9,3); LEFTM N(9,3); BOTTOMM N(9,3); RIGHTM N(9,3); '
          'WIDTH N(9,3); HEIGHT N(9,3); HGAP N(9,3); VGAP N(9,3); NACROSS N(2,0); CONTINUOUS L',
          [('Avery 5160', 0.5, 0.19, 0.5, 0.19, 2.625, 1.0, 0.125, 0.0, 3, False)])
    table(folder, 'pmt', 'IVNO N(6,0); PDATE D; PAMT N(12,2)',
          [(1001, datetime.date(2024, 5, 20), 10.0)])


if __name__ == '__main__':
    main()
