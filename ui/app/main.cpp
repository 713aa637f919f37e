// The desktop program's entry. The usage and the version are answered
// before the toolkit starts, so they need no display.

#include <wx/init.h>

#include <iostream>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/app/version.h"
#include "ui/app/listora_app.h"

wxIMPLEMENT_APP_NO_MAIN(listora::ListoraApp);

namespace {

// The manual page listora(1) is made from this text: the usage lines, one
// line saying what the program is, then the rest.
constexpr char kUsage[] =
    "Usage: listora [FILE]\n"
    "  or:  listora -D PATH...\n"
    "Keep a table of items with memos and pictures in Listora documents (.ltb).\n"
    "\n"
    "  FILE          open this document; without one, start with a new, empty one\n"
    "  -D PATH...    start with a new document holding one item for each PATH: a\n"
    "                file, or the files of a folder as automatic insertion takes\n"
    "                them; every argument after -D is a path\n"
    "  -h, --help    display this help and exit\n"
    "  --version     output version information and exit\n"
    "\n"
    "Relative paths are taken from the folder the program is started in.\n"
    "\n"
    "The settings are kept in Listora.ini beside the program when a file of\n"
    "that name is there (a portable copy), else in\n"
    "$XDG_CONFIG_HOME/listora/Listora.ini (~/.config/listora/Listora.ini).\n"
    "The environment variable LISTORA_INI names another file instead.\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  switch (listora::ParseCommandLine(args).kind) {
    case listora::StartRequest::Kind::kHelp: std::cout << kUsage; return std::cout.flush() ? 0 : 1;
    case listora::StartRequest::Kind::kVersion:
      std::cout << "listora (Listora) " << listora::kVersion << '\n';
      return std::cout.flush() ? 0 : 1;
    default: return wxEntry(argc, argv);
  }
}
