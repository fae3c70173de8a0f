#!/usr/bin/env python3
"""Writes a manual page from a program's own --help and --version texts, so that the page
and the program say the same:

  make-manpage.py mirn OUT.1          the desktop program: its --help as it prints it
  make-manpage.py mirn-cli OUT.1      the batch tool: the command list of its --help, then
                                      every command's own --help (the reference of docs/cli.md)

PROGRAM is run from the folder of OUT's --program (default: found on PATH). The date on the
page is SOURCE_DATE_EPOCH's when it is set (package builds), so that builds repeat."""

import argparse
import datetime
import os
import re
import subprocess
import sys


def run(argv):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    done = subprocess.run(argv, capture_output=True, text=True, env=env, check=False)
    if done.returncode != 0:
        sys.exit(f"make-manpage: {' '.join(argv)} exited {done.returncode}: {done.stderr.strip()}")
    return done.stdout


def roff(text):
    """Plain text as roff: backslashes and minus signs escaped, no line starting a request."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\n".join("\\&" + line if line.startswith((".", "'")) else line for line in text.split("\n"))


def header(name, version, summary):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    when = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc) if epoch else None
    date = when.strftime("%Y-%m-%d") if when else ""
    return [f'.TH {name.upper()} 1 "{date}" "{roff(version)}" "User Commands"',
            ".SH NAME", f"{roff(name)} \\- {roff(summary)}"]


def paragraphs(lines):
    """Text lines as roff: blank lines separate paragraphs, indented lines keep their shape."""
    out = []
    for line in lines:
        if not line.strip():
            out.append(".PP")
        elif line.startswith(" "):
            out += [".nf", roff(line), ".fi"]
        else:
            out.append(roff(line))
    return out


def desktop_page(program, version):
    """mirn: Qt's help text, "Usage:" line first, then the description and the options."""
    help_text = run([program, "--help"]).rstrip("\n").split("\n")
    usage = help_text[0].split(":", 1)[1].strip()
    usage = "mirn" + usage[usage.find(" "):] if " " in usage else "mirn"
    page = header("mirn", version, "design and print the labels beside desk telephone buttons")
    page += [".SH SYNOPSIS", f".B {roff(usage)}", ".SH DESCRIPTION"]
    page += paragraphs(help_text[1:])
    page += [".SH SEE ALSO", ".BR mirn\\-cli (1)"]
    return page


def cli_page(program, version):
    help_text = run([program, "--help"]).rstrip("\n").split("\n")
    summary = help_text[0].split(":", 1)[1].strip() if ":" in help_text[0] else "batch tool"
    start = help_text.index("commands:")
    end = next((i for i in range(start + 1, len(help_text)) if not help_text[i].strip()), len(help_text))
    page = header("mirn-cli", version, summary)
    page += [".SH SYNOPSIS", ".B mirn\\-cli", ".I COMMAND", "[\\fIARGUMENTS\\fR]", ".br",
             ".B mirn\\-cli", "\\-\\-help | \\-\\-version", ".SH DESCRIPTION"]
    # The notes after the command list (how to get one command's help, the exit status).
    page += paragraphs([line for line in help_text[end:] if line.strip()])
    page += [".SH COMMANDS"]
    seen = set()
    for line in help_text[start + 1:end]:
        call = re.split(r"\s{2,}", line.strip())[0].split()
        # A name of two words ("template build") or one followed by its arguments: asking for
        # the help of the first two words gives the command either way.
        command_help = run([program] + call[:2] + ["--help"]).rstrip("\n").split("\n")
        if command_help[0] in seen:
            continue
        seen.add(command_help[0])
        usage = command_help[0].removeprefix("usage: ")
        page += [".TP", f".B {roff(usage)}", roff(command_help[1])]
        for text in command_help[2:]:
            if not text.strip():
                page.append(".IP")
            elif text.startswith("  mirn-cli "):  # a second form of the command
                page.append(f"\\fB{roff(text.strip())}\\fR\n.br")
            else:
                page.append(roff(text.strip()))
    page += [".SH SEE ALSO", ".BR mirn (1)"]
    return page


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("name", choices=["mirn", "mirn-cli"])
    parser.add_argument("out")
    parser.add_argument("--program", help="the program to run (default: NAME on PATH)")
    args = parser.parse_args()
    program = args.program or args.name
    version = run([program, "--version"]).strip()
    page = desktop_page(program, version) if args.name == "mirn" else cli_page(program, version)
    with open(args.out, "w", encoding="utf-8") as out:
        out.write("\n".join(page) + "\n")


if __name__ == "__main__":
    main()
