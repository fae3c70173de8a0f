#!/usr/bin/env python3
"""Checks that every text the sources name for translation is in the translation files.

    check_sources.py SOURCE_DIR... -- TS_FILE...
    check_sources.py --expect-missing N SOURCE_DIR... -- TS_FILE...

A text added or changed in the sources and not yet collected into the .ts files (the update
step not run), or one the translation tools cannot read (a count written as a cast, a
variable named after a Qt keyword), would stay English in every language. This reads the
calls itself: Tr, TrN, TrUtf8, TrNUtf8, MIRN_TRANSLATABLE, QT_TRANSLATE_NOOP and
QCoreApplication::translate with their context, and tr and QT_TR_NOOP by their source alone
(their context is the class, which a reader of text does not know). Prints each missing text
with its file and line, and exits 1 if any (or, with --expect-missing, unless exactly N).
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

WITH_CONTEXT = ('Tr', 'TrN', 'TrUtf8', 'TrNUtf8', 'MIRN_TRANSLATABLE', 'QT_TRANSLATE_NOOP', 'translate')
SOURCE_ONLY = ('tr', 'QT_TR_NOOP')
ESCAPES = {'n': '\n', 't': '\t', 'r': '\r', '"': '"', "'": "'", '\\': '\\', '?': '?', 'a': '\a', '0': '\0'}


def tokens(text):
    """The identifiers, string literals (decoded; adjacent ones joined) and punctuation of C++
    text, with comments dropped; each with its line."""
    out = []
    i, line, n = 0, 1, len(text)
    while i < n:
        c = text[i]
        if c == '\n':
            line += 1
            i += 1
        elif c.isspace():
            i += 1
        elif text.startswith('//', i):
            i = text.find('\n', i)
            i = n if i < 0 else i
        elif text.startswith('/*', i):
            end = text.find('*/', i + 2)
            end = n if end < 0 else end + 2
            line += text.count('\n', i, end)
            i = end
        elif re.match(r'(?:u8|[uUL])?R"', text[i:i + 4]):
            # A raw string: taken as it stands up to its closing delimiter.
            start = text.index('"', i) + 1
            delimiter = text[start:text.index('(', start)]
            end = text.index(')' + delimiter + '"', start)
            value = text[start + len(delimiter) + 1:end]
            line += value.count('\n')
            out.append(('str', value, line))
            i = end + len(delimiter) + 2
        elif c.isdigit():
            # A number, digit separators included (1'000).
            i += len(re.match(r"[0-9][0-9A-Za-z_'.]*", text[i:]).group(0))
        elif c == '"' or (c in 'uUL' and text.startswith('"', i + 1)) or text.startswith('u8"', i):
            i = text.index('"', i) + 1
            value = bytearray()
            while i < n and text[i] != '"':
                if text[i] == '\\':
                    e = text[i + 1]
                    if e == 'x':
                        m = re.match(r'[0-9a-fA-F]+', text[i + 2:])
                        value.append(int(m.group(0), 16) & 0xFF)
                        i += 2 + len(m.group(0))
                        continue
                    if e in 'uU':
                        digits = 4 if e == 'u' else 8
                        value.extend(chr(int(text[i + 2:i + 2 + digits], 16)).encode())
                        i += 2 + digits
                        continue
                    if e in '01234567':
                        m = re.match(r'[0-7]{1,3}', text[i + 1:])
                        value.append(int(m.group(0), 8) & 0xFF)
                        i += 1 + len(m.group(0))
                        continue
                    value.extend(ESCAPES.get(e, e).encode())
                    i += 2
                    continue
                value.extend(text[i].encode())
                i += 1
            i += 1
            decoded = value.decode('utf-8', 'replace')
            if out and out[-1][0] == 'str':
                out[-1] = ('str', out[-1][1] + decoded, out[-1][2])
            else:
                out.append(('str', decoded, line))
        elif c == "'":
            end = i + 1
            while text[end] != "'":
                end += 2 if text[end] == '\\' else 1
            i = end + 1
        elif c.isalpha() or c == '_':
            m = re.match(r'[A-Za-z_][A-Za-z_0-9]*', text[i:])
            out.append(('id', m.group(0), line))
            i += len(m.group(0))
        else:
            out.append(('punct', c, line))
            i += 1
    return out


def calls(path):
    """(context or None, source, line) of every translatable text in the file."""
    with open(path, encoding='utf-8') as f:
        toks = tokens(f.read())
    found = []
    for k, (kind, value, line) in enumerate(toks):
        if kind != 'id' or k + 2 >= len(toks) or toks[k + 1][1] != '(':
            continue
        # A member of the same name on another object (parser.translate) is not the call.
        if k > 0 and toks[k - 1][1] == '.':
            continue
        a = toks[k + 2]
        if value in WITH_CONTEXT and a[0] == 'str' and k + 4 < len(toks) and toks[k + 3][1] == ',' \
                and toks[k + 4][0] == 'str':
            found.append((a[1], toks[k + 4][1], line))
        elif value in SOURCE_ONLY and a[0] == 'str':
            found.append((None, a[1], line))
    return found


def known_texts(ts_files):
    pairs, sources = set(), set()
    for ts in ts_files:
        for context in ET.parse(ts).getroot().iter('context'):
            name = context.findtext('name')
            for message in context.iter('message'):
                source = message.findtext('source') or ''
                pairs.add((ts, name, source))
                sources.add((ts, source))
    return pairs, sources


def main(args):
    expected = 0
    if args[:1] == ['--expect-missing']:
        expected = int(args[1])
        args = args[2:]
    split = args.index('--')
    folders, ts_files = args[:split], args[split + 1:]
    pairs, sources = known_texts(ts_files)
    missing = []
    for folder in folders:
        for root, _, names in os.walk(folder):
            for name in sorted(names):
                if not name.endswith(('.cpp', '.h', '.cpp.in')):
                    continue
                path = os.path.join(root, name)
                for context, source, line in calls(path):
                    for ts in ts_files:
                        known = (ts, source) in sources if context is None else (ts, context, source) in pairs
                        if not known:
                            missing.append('%s:%d: %r (%s) is not in %s' % (path, line, source, context or 'tr', ts))
    for m in missing:
        print(m)
    if len(missing) != expected:
        print('%d texts missing from the translation files; run the update_translations target and translate them'
              % len(missing) if not expected else 'expected %d missing texts, found %d' % (expected, len(missing)))
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
