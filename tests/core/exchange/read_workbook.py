#!/usr/bin/python3
"""Reads a workbook with an independent reader and prints its cells as JSON.

  read_workbook.py xls|xlsx FILE      -> {"sheets": [...], "cells": [[row, col, text, bold, wrap], ...]}
  read_workbook.py cfb FILE NAME...   -> [{"size": N, "sha1": "..."}, ...] for streams of a compound file

Exit status 3 when the reader is not installed, so the tests can skip.
"""
import hashlib
import json
import re
import sys

kind, path = sys.argv[1], sys.argv[2]
try:
    if kind in ("xls", "cfb"):
        import xlrd
        import xlrd.compdoc
    else:
        import openpyxl
except ImportError as e:
    print(e, file=sys.stderr)
    sys.exit(3)

if kind == "cfb":
    with open(path, "rb") as f:
        doc = xlrd.compdoc.CompDoc(f.read(), logfile=sys.stderr)
    found = []
    for name in sys.argv[3:]:
        data = doc.get_named_stream(name) or b""
        found.append({"size": len(data), "sha1": hashlib.sha1(data).hexdigest()})
    print(json.dumps(found))
    sys.exit(0)

cells = []
if kind == "xls":
    book = xlrd.open_workbook(path, formatting_info=True)
    names = book.sheet_names()
    sheet = book.sheet_by_index(0)
    for r in range(sheet.nrows):
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_EMPTY:
                continue
            xf = book.xf_list[cell.xf_index]
            bold = bool(book.font_list[xf.font_index].bold)
            wrap = bool(xf.alignment.text_wrapped)
            cells.append([r, c, cell.value, bold, wrap])
else:
    book = openpyxl.load_workbook(path)
    names = book.sheetnames
    sheet = book.worksheets[0]
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            # Excel's own escape of characters XML cannot hold: _xHHHH_
            text = re.sub(r"_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), cell.value)
            cells.append([cell.row - 1, cell.column - 1, text,
                          bool(cell.font.b), bool(cell.alignment.wrap_text)])
print(json.dumps({"sheets": names, "cells": cells}))
