#!/usr/bin/env bash
# Brings the catalogue up to date with the texts marked in the sources:
# extracts them into po/listora.pot (Tr, Tx, TxPlural and TrPlural), then merges
# po/en.po with it. New texts appear in en.po untranslated and texts no
# longer in the sources as obsolete entries ("#~"); the catalogue test
# (scripts/check_catalogue.py) fails on either until they are translated or
# removed ("msgattrib --no-obsolete -o po/en.po po/en.po"). Texts written into
# files rather than shown stay unmarked and are listed in po/kept_texts.txt.
set -euo pipefail
# xgettext reads and writes UTF-8 only under a UTF-8 locale.
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."

# "update_catalogue.sh pot FILE" only extracts, into FILE (the catalogue test).
pot=po/listora.pot
[ "${1:-}" = pot ] && pot=$2

mapfile -t sources < <(git ls-files --cached --others --exclude-standard 'core/*.cpp' 'core/*.h' 'ui/*.cpp' 'ui/*.h' \
  'ltbtool/*.cpp' 'ltbtool/*.h')
xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=Tr --keyword=Tx \
  --keyword=TxPlural:1,2 --keyword=TrPlural:1,2 --package-name=Listora --msgid-bugs-address=listora@example.jp \
  --sort-by-file --no-wrap -o "$pot" "${sources[@]}" 2>&1 |
  { grep -v -e 'non-ASCII characters' -e 'cause problems to translators' \
      -e 'different from yours' -e 'pure ASCII msgid' -e '^ *[^ :]*$' -e 'escape sequence' || true; } >&2
[ "${1:-}" = pot ] && exit 0
if [ -f po/en.po ]; then
  msgmerge --quiet --update --backup=none --no-fuzzy-matching --no-wrap po/en.po po/listora.pot \
    2>&1 | { grep -v -e 'escape sequence' || true; } >&2
else
  # msginit would copy the Japanese into an English catalogue: start empty.
  sed -e 's/charset=CHARSET/charset=UTF-8/' -e 's/^"Language: /&en/' \
    -e 's/^"Plural-Forms: .*/"Plural-Forms: nplurals=2; plural=(n != 1);\\n"/' \
    -e '/^#, fuzzy$/d' po/listora.pot > po/en.po
fi
