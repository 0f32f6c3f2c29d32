#!/usr/bin/env python3
"""Writes the corpus of damaged data files the data tool's tests run over.

    scripts/damaged-corpus.py [TALLOWBY_DB] [OUT]
        (defaults: build/tools/tallowby-db, tools/testdata/damaged)

OUT/base holds one sound invoice table (INV5.dbf, INV5.dbt, INV5.cgp and its
two indexes, 70 invoices, every third with a memo, record 5 marked deleted).
Each other folder holds only the files one damage changes, laid over the
base, and a file EXPECT: the first line is a text `tallowby-db check` must
print, the second "pack-fails" when `tallowby-db pack` must refuse the table
and leave every file as it was, or "pack-works".
"""
import os
import shutil
import struct
import subprocess
import sys

TOOL = sys.argv[1] if len(sys.argv) > 1 else "build/tools/tallowby-db"
OUT = sys.argv[2] if len(sys.argv) > 2 else "tools/testdata/damaged"
N = 70
FIELDS = [("IVNO", "N", 6), ("IDATE", "D", 8), ("REM", "M", 10)]
HEADER = 32 + 32 * len(FIELDS) + 1
RECORD = 1 + sum(w for _, _, w in FIELDS)
REM_AT = 1 + 6 + 8


def memo_bytes(text):
    b = text.encode("ascii") + b"\x1a\x1a"
    return b + b"\0" * (-len(b) % 512)


def base_files():
    memos, blocks, nxt = [], [], 1
    for i in range(N):
        if i % 3 == 0:
            m = memo_bytes("note %d " % i + "." * (i * 11))
            blocks.append(nxt)
            memos.append(m)
            nxt += len(m) // 512
        else:
            blocks.append(0)
    head = bytearray(32)
    head[0] = 0x83
    head[1:4] = bytes([124, 6, 1])
    struct.pack_into("<IHH", head, 4, N, HEADER, RECORD)
    head[29] = 0x03
    desc = b""
    for name, kind, width in FIELDS:
        d = bytearray(32)
        d[0:len(name)] = name.encode()
        d[11] = ord(kind)
        d[16] = width
        desc += bytes(d)
    recs = b""
    for i in range(N):
        flag = b"*" if i == 4 else b" "
        ptr = ("%10d" % blocks[i]) if blocks[i] else " " * 10
        recs += flag + ("%6d" % (1000 + i)).encode() + ("2024%02d%02d" % (i % 12 + 1, i % 28 + 1)).encode() + ptr.encode()
    dbf = bytes(head) + desc + b"\x0d" + recs + b"\x1a"
    dbt = struct.pack("<I", nxt) + b"\0" * 508 + b"".join(memos)
    return {"INV5.dbf": dbf, "INV5.dbt": dbt, "INV5.cgp": b"inv\ninvd\n"}


def write(folder, files):
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def patched(data, offset, new):
    return data[:offset] + new + data[offset + len(new):]


def rec(i):  # offset of record i (1-based)
    return HEADER + (i - 1) * RECORD


def ntx_root(ntx):
    return struct.unpack_from("<I", ntx, 4)[0]


def ntx_item(ntx, page, slot):
    m = struct.unpack_from("<H", ntx, 18)[0]
    key = struct.unpack_from("<H", ntx, 14)[0]
    return page + 2 * (m + 2) + slot * (key + 8)


def main():
    shutil.rmtree(OUT, ignore_errors=True)
    base = os.path.join(OUT, "base")
    files = base_files()
    write(base, files)
    for tag, expr in (("inv", "Str(IvNo,6,0)"), ("invd", "DTOS(IDate)")):
        subprocess.run([TOOL, "index", os.path.join(base, "INV5.dbf"), os.path.join(base, tag + ".ntx"), expr], check=True)
    with open(os.path.join(base, "inv.ntx"), "rb") as f:
        inv = f.read()
    dbf, dbt = files["INV5.dbf"], files["INV5.dbt"]
    ptr = lambda s: (" " * (10 - len(s)) + s).encode()
    root = ntx_root(inv)
    child0 = struct.unpack_from("<I", inv, ntx_item(inv, root, 0))[0]
    cases = {
        # The count another program's crash left too small.
        "count-too-small": ({"INV5.dbf": patched(dbf, 4, struct.pack("<I", N - 10))},
                            "differs from header length", "pack-fails"),
        "header-length-long": ({"INV5.dbf": patched(dbf, 8, struct.pack("<H", HEADER + 1))},
                               "disagrees with its 3 field descriptors", "pack-fails"),
        "memo-cut-at-a-block": ({"INV5.dbt": dbt[:512 * 8]}, "outside", "pack-fails"),
        "memo-pointer-past-end": ({"INV5.dbf": patched(dbf, rec(7) + REM_AT, ptr("900"))}, "outside", "pack-fails"),
        "memo-pointer-huge": ({"INV5.dbf": patched(dbf, rec(7) + REM_AT, b"9999999999")}, "Corrupt memo reference", "pack-fails"),
        "memo-pointer-negative": ({"INV5.dbf": patched(dbf, rec(7) + REM_AT, ptr("-4"))}, "Corrupt memo reference", "pack-fails"),
        "memo-pointer-text": ({"INV5.dbf": patched(dbf, rec(7) + REM_AT, ptr("abc"))}, "Corrupt memo reference", "pack-fails"),
        "memo-no-end-mark": ({"INV5.dbt": dbt.replace(b"\x1a", b"x")}, "no end marker", "pack-fails"),
        "version-says-no-memo": ({"INV5.dbf": patched(dbf, 0, b"\x03")}, "says the table has no memo file", "pack-works"),
        "memo-next-free-zero": ({"INV5.dbt": patched(dbt, 0, struct.pack("<I", 0))}, "next free block at offset 0 is 0", "pack-works"),
        "memo-next-free-past-end": ({"INV5.dbt": patched(dbt, 0, struct.pack("<I", 5000))}, "lies past the end", "pack-works"),
        "memo-block-shared": ({"INV5.dbf": patched(dbf, rec(4) + REM_AT, dbf[rec(1) + REM_AT:rec(1) + REM_AT + 10])},
                              "point at the same memo block", "pack-works"),
        "tag-group-empty": ({"INV5.cgp": b""}, "names no tags", "pack-works"),
        "field-name-control-byte": ({"INV5.dbf": patched(dbf, 32 + 2, b"\x01")}, "invalid field name", "pack-fails"),
        "field-name-twice": ({"INV5.dbf": patched(dbf, 96, b"IDATE\0")}, "appears twice", "pack-works"),
        "index-pages-share-a-child": ({"inv.ntx": patched(inv, ntx_item(inv, root, 1), struct.pack("<I", child0))},
                                      "reached twice", "pack-works"),
        "index-root-is-a-leaf": ({"inv.ntx": patched(inv, 4, struct.pack("<I", child0))}, "entries for 70 records", "pack-works"),
        "index-record-out-of-range": ({"inv.ntx": patched(inv, ntx_item(inv, child0, 0) + 4, struct.pack("<I", 999))},
                                      "does not match the table", "pack-works"),
    }
    for name, (changed, check, pack) in cases.items():
        folder = os.path.join(OUT, name)
        write(folder, changed)
        with open(os.path.join(folder, "EXPECT"), "w") as f:
            f.write(check + "\n" + pack + "\n")
    print("%d damaged cases in %s" % (len(cases), OUT))


if __name__ == "__main__":
    main()
