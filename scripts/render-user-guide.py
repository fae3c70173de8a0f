#!/usr/bin/python3
"""Renders the user guide to a self-contained HTML page:

    render-user-guide.py IN.md OUT.html [LANGUAGE]

LANGUAGE is the guide's language code for the page ("en" unless given, "de" for
docs/user-guide.de.md), so browsers and screen readers read it in that language.
"""
import re
import sys

import markdown

STYLE = """
body { font-family: "Liberation Sans", Arial, sans-serif; max-width: 48em; margin: 2em auto;
       padding: 0 1em; line-height: 1.5; color: #222; }
h1, h2, h3 { line-height: 1.2; }
h2 { margin-top: 2em; border-bottom: 1px solid #ccc; padding-bottom: .2em; }
code { background: #f3f3f3; padding: 0 .2em; border-radius: 3px; }
pre { background: #f3f3f3; padding: .6em; overflow-x: auto; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #ccc; padding: .3em .6em; text-align: left; vertical-align: top; }
th { background: #eef2f6; }
"""


def main() -> int:
    if len(sys.argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    language = sys.argv[3] if len(sys.argv) == 4 else "en"
    if not re.fullmatch(r"[a-z]{2,3}(-[A-Za-z0-9]{2,8})*", language):
        print(f"not a language code: {language}", file=sys.stderr)
        return 2
    with open(sys.argv[1], encoding="utf-8") as source:
        text = source.read()
    body = markdown.markdown(text, extensions=["tables", "toc", "fenced_code"], output_format="html5")
    title = next((line[2:].strip() for line in text.splitlines() if line.startswith("# ")), "Mirn")
    page = (f'<!DOCTYPE html>\n<html lang="{language}">\n<head>\n<meta charset="utf-8">\n'
            f"<title>{title}</title>\n<style>{STYLE}</style>\n</head>\n<body>\n{body}\n</body>\n</html>\n")
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        out.write(page)
    return 0


if __name__ == "__main__":
    sys.exit(main())
