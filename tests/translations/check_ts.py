#!/usr/bin/env python3
"""Checks the translation files against their source texts.

    check_ts.py TS_FILE...
    check_ts.py --expect-faults N TS_FILE...   succeeds when exactly N faults are found

Every message must be translated (no unfinished or empty entry) and keep what the program
fills in or splits on: the placeholders (%1..%9, %n, %s) of the source, the ";" between a
menu text and its tip, the "|" of a file filter and the "\\t" and line breaks a message is
laid out with. Prints each fault with its file, context and source, and exits 1 if any.
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%(?:[1-9]|n|s|L[1-9]|Ln)')


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text or ''))


def faults_of(source, translation):
    faults = []
    if placeholders(source) != placeholders(translation):
        faults.append('placeholders %s, translation has %s' % (placeholders(source), placeholders(translation)))
    for mark, name in ((';', 'menu/tip separators ";"'), ('|', 'filter separators "|"'), ('\t', 'tabs')):
        # A sentence may take a ";" of its own in another language; a text that splits on
        # one keeps its count.
        if mark == ';' and mark not in source:
            continue
        if source.count(mark) != translation.count(mark):
            faults.append('%s: %d in the source, %d in the translation' %
                          (name, source.count(mark), translation.count(mark)))
    if source.replace('&&', '').count('&') > 0 and translation.replace('&&', '').count('&') != 1:
        faults.append('the source has a mnemonic "&", the translation must have exactly one')
    return faults


def check(path):
    faults = []
    root = ET.parse(path).getroot()
    count = 0
    for context in root.iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            count += 1
            source = message.findtext('source') or ''
            translation = message.find('translation')
            where = '%s: %s: %r' % (path, name, source)
            if translation is None or translation.get('type') in ('unfinished', 'obsolete', 'vanished'):
                faults.append('%s: not translated' % where)
                continue
            forms = [f.text or '' for f in translation.iter('numerusform')] if message.get('numerus') == 'yes' \
                else [translation.text or '']
            for form in forms:
                if not form.strip():
                    faults.append('%s: empty translation' % where)
                    continue
                # A plural form may leave the count out ("eine Nebenstelle"); every other
                # placeholder must stay.
                src = source.replace('%n', '') if message.get('numerus') == 'yes' else source
                tr = form.replace('%n', '') if message.get('numerus') == 'yes' else form
                faults.extend('%s: %s' % (where, f) for f in faults_of(src, tr))
    if count == 0:
        faults.append('%s: holds no message' % path)
    return faults


def main(args):
    expected = 0
    if args[:1] == ['--expect-faults']:
        expected = int(args[1])
        args = args[2:]
    faults = []
    for path in args:
        faults.extend(check(path))
    for f in faults:
        print(f)
    if len(faults) != expected:
        print('%d faults, expected %d' % (len(faults), expected))
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
