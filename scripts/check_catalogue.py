#!/usr/bin/env python3
"""Checks the catalogue against the sources (a test, and a tool after edits).

- every Japanese string literal in core/, ui/ and ltbtool/ is marked for
  translation (Tr, Tx, TxPlural, TrPlural) or listed in po/kept_texts.txt as
  a text that never changes with the language (stored texts, file contents);
- po/listora.pot holds exactly the texts marked in the sources
  (scripts/update_catalogue.sh makes it);
- po/en.po translates each of them, none fuzzy or obsolete, and msgfmt
  --check accepts it;
- each English text keeps its Japanese text's mnemonic letter (&X) and its
  format directives (%d, %s, and the page codes %P, %T, ...) in order, and
  holds no Japanese.
Prints one line per fault and exits 1 when there is any.
"""

import re
import subprocess
import sys
import tempfile
from pathlib import Path

JAPANESE = re.compile(r'[\u3000-\u9fff\uff00-\uffef]')
MARKER = re.compile(r'\b(?:Tr|Tx|TxPlural|TrPlural)\(\s*$')
MNEMONIC = re.compile(r'&([0-9A-Za-z])')
DIRECTIVE = re.compile(
    r'%(?:([1-9])\$)?([-+ #0]*[0-9*]*(?:\.[0-9*]+)?(?:hh|h|ll|l|z|j|t|L)?[A-Za-z%])')


def directives(text):
    """The directives of a format in the order of their values: a numbered
    one ("%2$d") where its number puts it."""
    found = DIRECTIVE.findall(text)
    if not any(number for number, _ in found):
        return ['%' + directive for _, directive in found]
    ordered = sorted(found, key=lambda d: int(d[0] or 0))
    return ['%' + directive for _, directive in ordered]


def literals(source):
    """(line, offset, literal) of each string literal outside comments."""
    i, line, n = 0, 1, len(source)
    while i < n:
        if source[i] == '\n':
            line += 1
            i += 1
        elif source.startswith('//', i):
            end = source.find('\n', i)
            i = n if end < 0 else end
        elif source.startswith('/*', i):
            end = source.find('*/', i) + 2
            line += source.count('\n', i, end)
            i = end
        elif source[i] == "'" and not source[i - 1].isalnum():
            end = i + 1
            while source[end] != "'":
                end += 2 if source[end] == '\\' else 1
            i = end + 1
        elif source[i] == '"':
            end = i + 1
            while source[end] != '"':
                end += 2 if source[end] == '\\' else 1
            yield line, i, source[i:end + 1]
            i = end + 1
        else:
            i += 1


def unmarked(source, kept):
    """Lines and texts of the Japanese literals left unmarked in `source`."""
    found = []
    previous_end, previous_marked, plural_open = None, False, False
    for line, start, literal in literals(source):
        between = source[previous_end:start].strip() if previous_end is not None else None
        # A literal continuing the one before, or the second text of a plural.
        continued = between == '' or (between == ',' and plural_open)
        marked = bool(MARKER.search(source[max(0, start - 40):start])) or (continued and previous_marked)
        plural_open = not continued and bool(
            re.search(r'\b(?:TxPlural|TrPlural)\(\s*$', source[max(0, start - 40):start]))
        if JAPANESE.search(literal) and not marked and literal[1:-1] not in kept:
            found.append((line, literal))
        previous_end, previous_marked = start + len(literal), marked
    return found


def po_entries(text):
    """(msgid, [msgstr...], flags, obsolete) of each entry of a .po file."""
    entries, entry, field = [], None, None

    def finish():
        if entry is not None:
            entries.append(entry)

    for raw in text.splitlines():
        obsolete = raw.startswith('#~')
        line = raw[2:].strip() if obsolete else raw.strip()
        if not line:
            finish()
            entry, field = None, None
            continue
        if entry is None:
            entry = {'msgid': '', 'plural': None, 'msgstr': [], 'flags': '', 'obsolete': False}
        entry['obsolete'] |= obsolete
        if line.startswith('#,'):
            entry['flags'] += line[2:]
        elif line.startswith('#'):
            continue
        elif line.startswith('msgid_plural '):
            field = 'plural'
            entry['plural'] = unquote(line[len('msgid_plural '):])
        elif line.startswith('msgid '):
            field = 'msgid'
            entry['msgid'] = unquote(line[len('msgid '):])
        elif line.startswith('msgstr'):
            field = 'msgstr'
            entry['msgstr'].append(unquote(line.split(' ', 1)[1]))
        elif line.startswith('"'):
            if field == 'msgstr':
                entry['msgstr'][-1] += unquote(line)
            else:
                entry[field] += unquote(line)
    finish()
    return [e for e in entries if e['msgid'] or e['obsolete']]


ESCAPES = {'n': '\n', 't': '\t', 'r': '\r', '"': '"', '\\': '\\'}


def unquote(quoted):
    return re.sub(r'\\(.)', lambda m: ESCAPES.get(m.group(1), m.group(0)), quoted.strip()[1:-1])


def entry_faults(entry):
    """What an English entry lost of its Japanese text."""
    faults = []
    source = entry['msgid']
    for index, translation in enumerate(entry['msgstr']):
        original = source if index == 0 or entry['plural'] is None else entry['plural']
        if not translation:
            continue
        if JAPANESE.search(translation):
            faults.append('Japanese left in %r' % translation)
        for letter in MNEMONIC.findall(original.replace('&&', '')):
            if not re.search('&' + re.escape(letter), translation.replace('&&', ''), re.IGNORECASE):
                faults.append('mnemonic &%s lost' % letter)
        if directives(original) != directives(translation):
            faults.append('directives %s became %s' % (directives(original), directives(translation)))
    return faults


def main(root):
    root = Path(root)
    faults = []
    kept = {line for line in (root / 'po/kept_texts.txt').read_text(encoding='utf-8').splitlines()
            if line and not line.startswith('#')}
    sources = subprocess.run(['git', 'ls-files', '--cached', '--others', '--exclude-standard',
                              'core/*.cpp', 'core/*.h', 'ui/*.cpp', 'ui/*.h', 'ltbtool/*.cpp',
                              'ltbtool/*.h'], cwd=root, capture_output=True, text=True,
                             check=True).stdout.split()
    for name in sources:
        for line, literal in unmarked((root / name).read_text(encoding='utf-8'), kept):
            faults.append('%s:%d: unmarked text %s' % (name, line, literal))

    with tempfile.TemporaryDirectory() as scratch:
        fresh = Path(scratch) / 'fresh.pot'
        subprocess.run([str(root / 'scripts/update_catalogue.sh'), 'pot', str(fresh)], check=True)
        marked = {e['msgid'] for e in po_entries(fresh.read_text(encoding='utf-8'))}
    template = {e['msgid'] for e in po_entries((root / 'po/listora.pot').read_text(encoding='utf-8'))}
    for text in sorted(marked - template):
        faults.append('po/listora.pot: missing %r (run scripts/update_catalogue.sh)' % text)
    for text in sorted(template - marked):
        faults.append('po/listora.pot: no longer marked %r (run scripts/update_catalogue.sh)' % text)

    po = root / 'po/en.po'
    check = subprocess.run(['msgfmt', '--check', '--statistics', '-o', '/dev/null', str(po)],
                           capture_output=True, text=True, env={'LC_ALL': 'C'})
    if check.returncode != 0 or re.search('fuzzy|untranslated', check.stderr):
        faults.append('po/en.po: ' + check.stderr.strip())
    entries = po_entries(po.read_text(encoding='utf-8'))
    english = set()
    for entry in entries:
        if entry['obsolete']:
            faults.append('po/en.po: obsolete entry %r' % entry['msgid'])
            continue
        english.add(entry['msgid'])
        if 'fuzzy' in entry['flags'] or not all(entry['msgstr']):
            faults.append('po/en.po: untranslated or fuzzy %r' % entry['msgid'])
        faults.extend('po/en.po: %r: %s' % (entry['msgid'], f) for f in entry_faults(entry))
    for text in sorted(template - english):
        faults.append('po/en.po: missing %r (run scripts/update_catalogue.sh)' % text)

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent))
