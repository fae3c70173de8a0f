#!/usr/bin/env python3
"""Checks that each translated user guide keeps the shape of the English one.

    check_guide_translations.py ENGLISH.md TRANSLATED.md...
    check_guide_translations.py --expect-faults N ENGLISH.md TRANSLATED.md...
        succeeds when exactly N faults are found

A translation must have as many headings of each level as the English guide, the same fenced
code blocks in the same order (commands and file contents are never translated), its tables
with the same number of rows and columns, and a table of contents whose links each lead to a
heading of the translated page (the anchors come from the translated headings). The inline
code (commands, options, file names, settings keys) must be the same, as many times each. A
section dropped or a block lost in translating fails here. Prints each fault and exits 1 if any.
"""
import collections
import re
import sys

import markdown

FENCE = re.compile(r'^(```|~~~)')
HEADING = re.compile(r'^(#{1,6})\s')
TABLE_ROW = re.compile(r'^\s*\|.*\|\s*$')
TABLE_RULE = re.compile(r'^\s*\|(\s*:?-+:?\s*\|)+\s*$')
LOCAL_LINK = re.compile(r'\]\(#([^)\s]+)\)')
INLINE_CODE = re.compile(r'`([^`]+)`')


def cells(row):
    return len(row.strip().strip('|').split('|'))


class Shape:
    """What a guide is made of, read line by line; text inside code fences is not Markdown."""

    def __init__(self, text):
        self.headings = {}  # level -> count
        self.code_blocks = []
        self.tables = []  # (rows, columns) per table, the header row included
        self.links = []
        self.inline_code = collections.Counter()
        paragraph = []
        block = None
        table = None
        for line in text.splitlines():
            if block is not None:
                if FENCE.match(line):
                    self.code_blocks.append('\n'.join(block))
                    block = None
                else:
                    block.append(line)
                continue
            if FENCE.match(line):
                block = []
                table = None
                self._end_paragraph(paragraph)
                continue
            if not line.strip():
                self._end_paragraph(paragraph)
            if TABLE_ROW.match(line):
                if table is None:
                    table = [0, cells(line)]
                    self.tables.append(table)
                if not TABLE_RULE.match(line):
                    table[0] += 1
                    table[1] = max(table[1], cells(line))
                paragraph.append(line)
                continue
            table = None
            heading = HEADING.match(line)
            if heading:
                level = len(heading.group(1))
                self.headings[level] = self.headings.get(level, 0) + 1
            self.links.extend(LOCAL_LINK.findall(line))
            paragraph.append(line)
        self._end_paragraph(paragraph)
        if block is not None:
            self.code_blocks.append('\n'.join(block))
            self.unclosed_fence = True
        else:
            self.unclosed_fence = False

    def _end_paragraph(self, lines):
        text = ' '.join(lines)
        self.inline_code.update(' '.join(span.split()) for span in INLINE_CODE.findall(text))
        lines.clear()


def anchors_of(text):
    """The ids the renderer gives the headings (scripts/render-user-guide.py uses "toc")."""
    html = markdown.markdown(text, extensions=['tables', 'toc', 'fenced_code'])
    return set(re.findall(r'<h[1-6] id="([^"]+)"', html))


def faults_of(english, translated):
    faults = []
    levels = sorted(set(english.headings) | set(translated.headings))
    for level in levels:
        want, have = english.headings.get(level, 0), translated.headings.get(level, 0)
        if want != have:
            faults.append('%d headings of level %d, the English guide has %d' % (have, level, want))
    if translated.unclosed_fence:
        faults.append('a code fence is never closed')
    if len(english.code_blocks) != len(translated.code_blocks):
        faults.append('%d code blocks, the English guide has %d' %
                      (len(translated.code_blocks), len(english.code_blocks)))
    for number, (want, have) in enumerate(zip(english.code_blocks, translated.code_blocks), 1):
        if want != have:
            faults.append('code block %d differs from the English one: %r' % (number, have[:60]))
    if len(english.tables) != len(translated.tables):
        faults.append('%d tables, the English guide has %d' % (len(translated.tables), len(english.tables)))
    for number, (want, have) in enumerate(zip(english.tables, translated.tables), 1):
        if want != have:
            faults.append('table %d has %d rows of %d columns, the English one %d rows of %d columns' %
                          (number, have[0], have[1], want[0], want[1]))
    for span in sorted(set(english.inline_code) | set(translated.inline_code)):
        want, have = english.inline_code[span], translated.inline_code[span]
        if want != have:
            faults.append('`%s` appears %d times, in the English guide %d times' % (span, have, want))
    return faults


def link_faults(text, shape):
    anchors = anchors_of(text)
    return ['the link to #%s leads to no heading' % link for link in shape.links if link not in anchors]


def main(argv):
    expected = None
    if argv[:1] == ['--expect-faults']:
        expected = int(argv[1])
        argv = argv[2:]
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[0], encoding='utf-8') as source:
        english_text = source.read()
    english = Shape(english_text)
    total = 0
    for path in [argv[0]] + argv[1:]:
        with open(path, encoding='utf-8') as source:
            text = source.read()
        shape = Shape(text)
        faults = link_faults(text, shape)
        if path != argv[0]:
            faults = faults_of(english, shape) + faults
        for fault in faults:
            print('%s: %s' % (path, fault))
        total += len(faults)
    if expected is not None:
        if total != expected:
            print('expected %d faults, found %d' % (expected, total), file=sys.stderr)
            return 1
        return 0
    return 1 if total else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
