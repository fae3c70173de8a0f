"""Shared part of the Mirn import filters that read key labels from telephone provisioning
files (yealink2csv, polycom2csv): one extension per phone file, written as a CSV file with a
header row that Mirn maps by name:

  extension,type code,name,key 1,key 2,...

The keys are in key order: the phone's own keys first, then those of its first expansion
module, then the second, and so on. Mirn fills the layout's key fields in that order.

Each filter runs in two ways:
  NAME OUT.csv TYPECODE IN...          convert the phone files (or folders of them) once
  NAME /CONFIG /HWND:<id>              the mode Mirn starts from Configure Data Import: reads
      its settings file $XDG_CONFIG_HOME/Mirn/filters/NAME.ini ([Phones] Source= a file or
      folder, Target= the CSV file, TypeCode= the layout), converts, and reports to Mirn
      over MIRN_FILTER_SOCKET ("ConversionDone <lines written>", then "FilterDone").
"""

import configparser
import csv
import os
import socket
import sys


def expand(paths, suffixes):
    """The files named, and the files with one of `suffixes` in the folders named, in name order."""
    for path in paths:
        if os.path.isdir(path):
            for name in sorted(os.listdir(path)):
                if name.lower().endswith(suffixes):
                    yield os.path.join(path, name)
        else:
            yield path


def convert(program, read_phone, suffixes, sources, target, type_code):
    """Writes the CSV; answers (lines written, files left out). `read_phone` turns a file's
    text into (extension, name, [key labels]) or None."""
    phones, left_out = [], 0
    for path in expand(sources, suffixes):
        with open(path, encoding="utf-8-sig", errors="replace") as f:
            phone = read_phone(f.read())
        if phone is None or not phone[0]:
            print(f"{program}: {path}: no extension found, left out", file=sys.stderr)
            left_out += 1
            continue
        phones.append(phone)
    width = max((len(keys) for _, _, keys in phones), default=0)
    # UTF-8 with a byte-order mark: Mirn reads it as UTF-8, so every character survives.
    with open(target, "w", encoding="utf-8-sig", newline="") as out:
        writer = csv.writer(out, lineterminator="\r\n")
        writer.writerow(["extension", "type code", "name"] + [f"key {n}" for n in range(1, width + 1)])
        for extension, name, keys in phones:
            writer.writerow([extension, type_code, name] + keys + [""] * (width - len(keys)))
    return len(phones), left_out


def report(program, *lines):
    """Sends lines to Mirn over the filter socket, when Mirn gave one."""
    path = os.environ.get("MIRN_FILTER_SOCKET")
    if not path:
        return
    try:
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
            s.connect(path)
            s.sendall("".join(line + "\n" for line in lines).encode("ascii"))
    except OSError as error:
        print(f"{program}: cannot reach Mirn: {error}", file=sys.stderr)


def configure(program, run):
    base = os.environ.get("XDG_CONFIG_HOME") or os.path.join(os.path.expanduser("~"), ".config")
    path = os.path.join(base, "Mirn", "filters", program + ".ini")
    config = configparser.ConfigParser()
    config.optionxform = str
    if not os.path.exists(path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        config["Phones"] = {"Source": "", "Target": "", "TypeCode": ""}
        with open(path, "w", encoding="utf-8") as f:
            config.write(f)
        print(f"{program}: fill in {path} and configure again", file=sys.stderr)
        report(program, "ConversionDone -1", "FilterDone")
        return 1
    config.read(path, encoding="utf-8")
    section = config["Phones"] if "Phones" in config else {}
    try:
        written, left_out = run([section.get("Source", "")], section.get("Target", ""), section.get("TypeCode", ""))
    except OSError as error:
        print(f"{program}: {error}", file=sys.stderr)
        report(program, "ConversionDone -1", "FilterDone")
        return 1
    report(program, f"ConversionDone {written}", "FilterDone")
    return 0


def main(program, doc, read_phone, suffixes, argv):
    def run(sources, target, type_code):
        return convert(program, read_phone, suffixes, sources, target, type_code)

    if argv[:1] == ["/CONFIG"]:
        return configure(program, run)
    if len(argv) < 3:
        print(doc, file=sys.stderr)
        return 2
    written, left_out = run(argv[2:], argv[0], argv[1])
    print(f"{written} lines written, {left_out} files left out")
    return 0
