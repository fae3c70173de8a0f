#!/usr/bin/env python3
"""Writes a manual page from a program's own --help and --version texts, so that the page
and the program say the same:

  make-manpage.py mirn OUT.1          the desktop program: its --help as it prints it
  make-manpage.py mirn-cli OUT.1      the batch tool: the command list of its --help, then
                                      every command's own --help (the reference of docs/cli.md)
  --language de|fr                    the page in that language, from the programs' help
                                      texts in it (the section names from the table below)

PROGRAM is run from the folder of OUT's --program (default: found on PATH). The date on the
page is SOURCE_DATE_EPOCH's when it is set (package builds), so that builds repeat."""

import argparse
import datetime
import os
import re
import subprocess
import sys


# The words of a page that are not the programs' own, by language.
WORDS = {
    "en": {"NAME": "NAME", "SYNOPSIS": "SYNOPSIS", "DESCRIPTION": "DESCRIPTION", "COMMANDS": "COMMANDS", "SEE ALSO": "SEE ALSO",
           "User Commands": "User Commands",
           "summary": "design and print the labels beside desk telephone buttons"},
    "de": {"NAME": "BEZEICHNUNG", "SYNOPSIS": "ÜBERSICHT", "DESCRIPTION": "BESCHREIBUNG", "COMMANDS": "BEFEHLE", "SEE ALSO": "SIEHE AUCH",
           "User Commands": "Dienstprogramme für Benutzer",
           "summary": "Tastenbeschriftungen für Tischtelefone gestalten und drucken"},
    "fr": {"NAME": "NOM", "SYNOPSIS": "SYNOPSIS", "DESCRIPTION": "DESCRIPTION", "COMMANDS": "COMMANDES", "SEE ALSO": "VOIR AUSSI",
           "User Commands": "Commandes de l'utilisateur",
           "summary": "concevoir et imprimer les étiquettes de touche des téléphones de bureau"},
}
LOCALES = {"en": "C.UTF-8", "de": "de_DE.UTF-8", "fr": "fr_FR.UTF-8"}
language = "en"


def word(key):
    return WORDS[language][key]


def run(argv):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL=LOCALES[language], LANGUAGE=language)
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
    return [f'.TH {name.upper()} 1 "{date}" "{roff(version)}" "{roff(word("User Commands"))}"',
            f".SH {word('NAME')}", f"{roff(name)} \\- {roff(summary)}"]


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
    page = header("mirn", version, word("summary"))
    page += [f".SH {word('SYNOPSIS')}", f".B {roff(usage)}", f".SH {word('DESCRIPTION')}"]
    page += paragraphs(help_text[1:])
    page += [f".SH {word('SEE ALSO')}", ".BR mirn\\-cli (1)"]
    return page


def cli_page(program, version):
    help_text = run([program, "--help"]).rstrip("\n").split("\n")
    summary = help_text[0].split(":", 1)[1].strip() if ":" in help_text[0] else "batch tool"
    # The list of commands follows the first line that is only a heading ("commands:").
    start = next(i for i in range(1, len(help_text)) if help_text[i].rstrip().endswith(":")
                 and not help_text[i].startswith(" "))
    end = next((i for i in range(start + 1, len(help_text)) if not help_text[i].strip()), len(help_text))
    page = header("mirn-cli", version, summary)
    page += [f".SH {word('SYNOPSIS')}", ".B mirn\\-cli", ".I COMMAND", "[\\fIARGUMENTS\\fR]", ".br",
             ".B mirn\\-cli", "\\-\\-help | \\-\\-version", f".SH {word('DESCRIPTION')}"]
    # The notes after the command list (how to get one command's help, the exit status).
    page += paragraphs([line for line in help_text[end:] if line.strip()])
    page += [f".SH {word('COMMANDS')}"]
    seen = set()
    for line in help_text[start + 1:end]:
        call = re.split(r"\s{2,}", line.strip())[0].split()
        # A name of two words ("template build") or one followed by its arguments: asking for
        # the help of the first two words gives the command either way.
        command_help = run([program] + call[:2] + ["--help"]).rstrip("\n").split("\n")
        if command_help[0] in seen:
            continue
        seen.add(command_help[0])
        usage = command_help[0][command_help[0].find("mirn-cli"):]  # after "usage: " in any language
        page += [".TP", f".B {roff(usage)}", roff(command_help[1])]
        for text in command_help[2:]:
            if not text.strip():
                page.append(".IP")
            elif text.startswith("  mirn-cli "):  # a second form of the command
                page.append(f"\\fB{roff(text.strip())}\\fR\n.br")
            else:
                page.append(roff(text.strip()))
    page += [f".SH {word('SEE ALSO')}", ".BR mirn (1)"]
    return page


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("name", choices=["mirn", "mirn-cli"])
    parser.add_argument("out")
    parser.add_argument("--program", help="the program to run (default: NAME on PATH)")
    parser.add_argument("--language", choices=sorted(WORDS), default="en")
    args = parser.parse_args()
    global language
    language = args.language
    program = args.program or args.name
    version = run([program, "--version"]).strip()
    page = desktop_page(program, version) if args.name == "mirn" else cli_page(program, version)
    with open(args.out, "w", encoding="utf-8") as out:
        out.write("\n".join(page) + "\n")


if __name__ == "__main__":
    main()
