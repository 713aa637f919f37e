#!/usr/bin/env python3
"""The catalogue check finds what it is there to find."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / 'scripts'))
import check_catalogue as check  # noqa: E402


class UnmarkedTexts(unittest.TestCase):
    def test_only_unmarked_japanese_literals_outside_comments_are_found(self):
        source = '\n'.join([
            'Utf8(Tr("検索"));',
            'constexpr Text k = Tx("長い"\n    "文");',
            'TrPlural("%d 個", "%d 個", n);',
            'constexpr auto p = TxPlural(\n    "一", "多");',
            'const char* face = "ＭＳ Ｐゴシック";  // "コメント"',
            '/* "ブロック" */ label = "ラベル";',
            "char c = '\"'; auto s = \"English\";",
            'Show("未";);',
        ])
        self.assertEqual(check.unmarked(source, {'ＭＳ Ｐゴシック'}),
                         [(8, '"ラベル"'), (10, '"未"')])


class EnglishEntries(unittest.TestCase):
    def faults(self, msgid, *msgstr, plural=None):
        return check.entry_faults({'msgid': msgid, 'plural': plural, 'msgstr': list(msgstr)})

    def test_mnemonics_directives_and_japanese_left(self):
        self.assertEqual(self.faults('開く(&O)...\tCtrl+O', '&Open…\tCtrl+O'), [])
        self.assertEqual(self.faults('名前を付けて保存(&A)', 'Save &as'), [])
        self.assertEqual(self.faults('終了(&X)', '&Quit'), ['mnemonic &X lost'])
        self.assertEqual(self.faults('%d 行目 %s', 'line %d in %s'), [])
        self.assertEqual(self.faults('%u 個中 %d 個', 'only %2$d of %1$u'), [])
        self.assertEqual(self.faults('%d 行目 %s', 'line %s in %d'),
                         ["directives ['%d', '%s'] became ['%s', '%d']"])
        self.assertEqual(self.faults('[%P] ページ', 'page'), ["directives ['%P'] became []"])
        self.assertEqual(self.faults('%d 個', '%d item', '%d items', plural='%d 個'), [])
        self.assertEqual(self.faults('はい', 'はい'), ["Japanese left in 'はい'"])

    def test_po_entries_read_plurals_continuations_and_obsolete_entries(self):
        entries = check.po_entries('\n'.join([
            'msgid ""', 'msgstr "Language: en\\n"', '',
            '#, fuzzy', 'msgid "a"', '"\\tb"', 'msgstr "x"', '',
            'msgid "%d 個"', 'msgid_plural "%d 個"', 'msgstr[0] "%d item"', 'msgstr[1] "%d items"', '',
            '#~ msgid "old"', '#~ msgstr "gone"', '']))
        self.assertEqual([(e['msgid'], e['msgstr'], 'fuzzy' in e['flags'], e['obsolete'])
                          for e in entries],
                         [('a\tb', ['x'], True, False),
                          ('%d 個', ['%d item', '%d items'], False, False),
                          ('old', ['gone'], False, True)])


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1])
