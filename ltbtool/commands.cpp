#include "ltbtool/commands.h"

namespace ltbtool {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"info", "info FILE                      the header and a summary", RunInfo},
      {"dump", "dump FILE                      the whole document as JSON", RunDump},
      {"export",
       "export FILE --format txt|html|csv|xlsx [--encoding cp932|utf-8] -o OUT\n"
       "                                 text, HTML, CSV or a workbook (.xlsx), as the\n"
       "                                 program exports. Text, HTML and CSV are code\n"
       "                                 page 932 by default; with utf-8 every character\n"
       "                                 is written as itself (a CSV with a byte order\n"
       "                                 mark). A workbook holds every cell as text on\n"
       "                                 one sheet: 1,048,576 rows at most, names included",
       RunExport},
      {"save",
       "save FILE -o OUT [--mode plain|password|encrypted] [--new-password-file F]\n"
       "                                 store the document as the program saves it",
       RunSave},
      {"dupes",
       "dupes FILE --column K          duplicate search over user column K:\n"
       "                                 JSON groups in the result dialog's order, each\n"
       "                                 a list of 0-based item indexes",
       RunDupes},
      {"search",
       "search FILE --text T -o OUT    list search: matching items move to the top\n"
       "                                 and T heads the search history; prints the\n"
       "                                 result message. With an empty T or no items\n"
       "                                 nothing happens and OUT gets the document as is",
       RunSearch},
      {"replace",
       "replace FILE --find X --with Y [--match-case] -o OUT\n"
       "                                 replace all from the first cell; without\n"
       "                                 --match-case letter case is ignored and only\n"
       "                                 the first match of each cell is replaced",
       RunReplace},
      {"append",
       "append FILE OTHER... -o OUT    append-open: the items of each OTHER after\n"
       "                                 FILE's; a refused OTHER is skipped with its\n"
       "                                 message on stderr (exit status still 0), an\n"
       "                                 unreadable one silently, as in the program.\n"
       "                                 All files share one password",
       RunAppend},
      {"sort",
       "sort FILE --column K [--clicks N] -o OUT\n"
       "                                 N header clicks (default 1) on column K\n"
       "                                 (0..C-1) of the freshly opened document",
       RunSort},
      {"tree",
       "tree FILE --position A         the tree grouped at display position A (1..4)\n"
       "                                 as the tree view copies it (CR LF lines);\n"
       "                                 nothing for an empty table or an absent position",
       RunTree},
      {"new",
       "new OUT [--insert PATH...] [--mode M] [--new-password-file F]\n"
       "                                 a new document from the settings file, with one\n"
       "                                 item per PATH as \"-D\" inserts them; saved under\n"
       "                                 the Pass/Ango settings unless --mode is given",
       RunNew},
      {"import",
       "import FILE -o OUT [--header|--no-header] [--append-to DOC]\n"
       "       [--encoding auto|cp932|utf-8|utf-16|euc-jp|windows-1252]\n"
       "       [--separator auto|comma|tab|semicolon|space|CHAR] [--skip N]\n"
       "       [--comments] [--quote '\"'|none]\n"
       "                                 CSV or otherwise separated text as a new document\n"
       "                                 (from the settings file, saved as \"new\" saves),\n"
       "                                 or its items after DOC's: one item per record,\n"
       "                                 fields as columns 1..10 (or DOC's); an empty line\n"
       "                                 is an item with empty cells, except at the end.\n"
       "                                 --header: the first record names the columns, as\n"
       "                                 it does unasked in the program's own CSV export;\n"
       "                                 --no-header: never. --skip N passes over the first\n"
       "                                 N lines, --comments over lines starting with \"#\"\n"
       "                                 (unasked in a .tab file); --quote none reads '\"'\n"
       "                                 as text. auto separator: tab for .tsv, otherwise\n"
       "                                 tab, comma or semicolon, whichever splits the first\n"
       "                                 lines alike. auto encoding takes only what can be\n"
       "                                 nothing else; a file it cannot tell, not text in\n"
       "                                 its encoding, or with a quote left open or followed\n"
       "                                 by text is refused with its line and the encodings\n"
       "                                 that read it (status 2).\n"
       "                                 Characters code page 932 cannot hold are kept\n"
       "                                 as references and read back as themselves,\n"
       "                                 \"¥\" U+00A5 and \"‾\" U+203E among them. Seven\n"
       "                                 are stored as their code page 932 look-alike:\n"
       "                                 〜 U+301C as ～, − U+2212 as －, ‖ U+2016 as ∥,\n"
       "                                 — U+2014 as ―, ¢ as ￠, £ as ￡, ¬ as ￢",
       RunImport},
  };
  return commands;
}

}  // namespace ltbtool
