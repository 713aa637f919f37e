#pragma once
// What the command line asks the program to do at start-up. Arguments are
// UTF-8, as the desktop program receives them, and stay so: they are paths
// of the file system.

#include <span>
#include <string>
#include <vector>

namespace listora {

struct StartRequest {
  enum class Kind {
    kNew,      // no document named: a new, empty document
    kOpen,     // open `document`
    kInsert,   // "-D": a new document, then one item per path of `paths`
    kHelp,     // "--help" or "-h": print the usage and end, without a window
    kVersion,  // "--version": print the version and end, without a window
  };
  Kind kind = Kind::kNew;
  std::string document;
  std::vector<std::string> paths;  // in the order given
};

// `args` excludes the program's own name.
// - A first argument of exactly "-D" (case-sensitive) makes every following
//   argument a path to insert, whatever it looks like; nothing is opened.
// - Otherwise "--help" or "-h" anywhere asks for the usage and "--version"
//   for the version, the first of them counting; other arguments starting
//   with "-" are switches, which are ignored; the first other non-empty
//   argument names the document to open and any further ones are ignored.
StartRequest ParseCommandLine(std::span<const std::string> args);

}  // namespace listora
