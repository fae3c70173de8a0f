#!/usr/bin/python3
"""Writes the workbooks the workbook-reader tests read.

  write_workbook.py xlsx FILE SPEC.json   an .xlsx written by openpyxl: SPEC is
      {"sheets": [{"name": ..., "rows": [[cell, ...], ...]}], "macros": false}
      where a cell is a string, a number, a boolean, null, or {"date": "2024-03-05T14:30:00",
      "format": "dd.mm.yyyy"}
  write_workbook.py ods FILE CONTENT.xml  an .ods of a hand-written content.xml, as an
      OpenDocument writer stores it (mimetype first and stored, then the parts)
  write_workbook.py bomb FILE SIZE        an .xlsx whose sheet expands to SIZE bytes

Exit status 3 when openpyxl is not installed, so the tests can skip.
"""
import datetime
import json
import sys
import zipfile

kind, path = sys.argv[1], sys.argv[2]

if kind == "ods":
    with open(sys.argv[3], encoding="utf-8") as f:
        content = f.read()
    with zipfile.ZipFile(path, "w") as z:
        z.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.spreadsheet")
        z.writestr("content.xml", content, zipfile.ZIP_DEFLATED)
        z.writestr("META-INF/manifest.xml",
                   '<?xml version="1.0" encoding="UTF-8"?>\n'
                   '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0">'
                   '<manifest:file-entry manifest:full-path="/" manifest:media-type='
                   '"application/vnd.oasis.opendocument.spreadsheet"/>'
                   '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
                   '</manifest:manifest>', zipfile.ZIP_DEFLATED)
    sys.exit(0)

if kind == "bomb":
    size = int(sys.argv[3])
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("xl/workbook.xml",
                   '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheets>'
                   '<sheet name="S" sheetId="1"/></sheets></workbook>')
        head = '<worksheet><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>'
        z.writestr("xl/worksheets/sheet1.xml", head + " " * (size - len(head)))
    sys.exit(0)

try:
    import openpyxl
except ImportError as e:
    print(e, file=sys.stderr)
    sys.exit(3)

with open(sys.argv[3], encoding="utf-8") as f:
    spec = json.load(f)
book = openpyxl.Workbook()
book.remove(book.active)
for sheet in spec["sheets"]:
    ws = book.create_sheet(sheet["name"])
    for r, row in enumerate(sheet["rows"], start=1):
        for c, value in enumerate(row, start=1):
            if value is None:
                continue
            if isinstance(value, dict):
                cell = ws.cell(row=r, column=c, value=datetime.datetime.fromisoformat(value["date"]))
                cell.number_format = value["format"]
            else:
                ws.cell(row=r, column=c, value=value)
book.save(path)
if spec.get("macros"):
    with zipfile.ZipFile(path, "a") as z:
        z.writestr("xl/vbaProject.bin", b"\xd0\xcf\x11\xe0macros")
