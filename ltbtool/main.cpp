// ltbtool: reads, converts and exports Listora documents without a display.

#include <array>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "core/app/version.h"
#include "core/base/language.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace {

void PrintHelp() {
  std::cout << "Usage: ltbtool COMMAND FILE [OPTION]...\n"
               "Read, convert and export Listora documents (.ltb).\n\n"
               "Commands:\n";
  for (const auto& command : ltbtool::Commands()) std::cout << "  " << command.synopsis << '\n';
  std::cout << "\nPassword options (for protected documents):\n"
               "  --password-file F     read the password from file F (one trailing line\n"
               "                        break is ignored)\n"
               "  --password-stdin      read the password from the first line of standard input\n"
               "Without either, a protected document asks on the terminal when there is one.\n\n"
               "  --help                display this help and exit\n"
               "  --version             output version information and exit\n\n"
               "Encodings: what ltbtool prints (info, dump, tree, dupes, the messages) is\n"
               "UTF-8, and so are the texts given as options (--text, --find, --with).\n"
               "The files export writes (txt, html, csv) are code page 932 (Shift_JIS), as\n"
               "the program writes them, unless --encoding utf-8 is given; the text inside\n"
               "documents is code page 932.\n"
               "Exit status: 0 success, 1 usage error, 2 document refused or unreadable,\n"
               "3 wrong or missing password, 4 output could not be written.\n";
}

void PrintVersion() { std::cout << "ltbtool (Listora) " << listora::kVersion << '\n'; }

int Usage(const std::string& message) {
  std::cerr << "ltbtool: " << message << "\nTry 'ltbtool --help' for more information.\n";
  return ltbtool::kExitUsage;
}

// The messages the core composes speak the desktop's language; the catalogue
// is found beside an installed program or in the build tree.
void UseDesktopLanguage() {
  std::error_code error;
  const std::filesystem::path exeDir =
      std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  const std::array dirs{listora::InstalledLocaleDir(exeDir), listora::BuildLocaleDir(exeDir)};
  listora::UseLanguage(listora::DesktopLanguage(), dirs);
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("missing command");
  const std::string& name = args.front();
  if (name == "--help" || name == "-h") {
    PrintHelp();
    return ltbtool::kExitOk;
  }
  if (name == "--version") {
    PrintVersion();
    return ltbtool::kExitOk;
  }
  for (const auto& command : ltbtool::Commands()) {
    if (command.name != name) continue;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const auto& arg : rest) {
      if (arg == "--help") {
        std::cout << "Usage: ltbtool " << command.synopsis << '\n';
        return ltbtool::kExitOk;
      }
    }
    try {
      return command.run(rest);
    } catch (const ltbtool::UsageError& error) {
      return Usage(error.message);
    } catch (const ltbtool::ToolError& error) {
      std::cerr << "ltbtool: " << error.message << '\n';
      return error.status;
    } catch (const std::bad_alloc&) {
      std::cerr << "ltbtool: out of memory\n";
      return ltbtool::kExitRefused;
    }
  }
  return Usage("unknown command '" + name + "'");
}

}  // namespace

int main(int argc, char** argv) {
  // Past the file-size limit a write then fails with "File too large",
  // which is reported and its temporary file removed, instead of the
  // signal ending the process half-way.
  std::signal(SIGXFSZ, SIG_IGN);
  // A reader of an output pipe that goes away early makes the write fail
  // with "Broken pipe", which is reported as an output not written.
  std::signal(SIGPIPE, SIG_IGN);
  UseDesktopLanguage();
  const int status = Run(std::vector<std::string>(argv + 1, argv + argc));
  // Standard output that did not all get out (a full disk behind a
  // redirection) is a failed output, whatever the subcommand was.
  if (status == ltbtool::kExitOk && !(std::cout << std::flush)) {
    std::cerr << "ltbtool: cannot write to standard output\n";
    return ltbtool::kExitWriteFailed;
  }
  return status;
}
