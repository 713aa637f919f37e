#include "ltbtool/commands.h"

namespace ltbtool {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"info", "info FILE                      the header and a summary", RunInfo},
      {"dump", "dump FILE                      the whole document as JSON", RunDump},
      {"export", "export FILE --format txt|html|csv -o OUT\n"
                 "                                 text, HTML or CSV, as the program exports",
       RunExport},
      {"save", "save FILE -o OUT [--mode plain|password|encrypted] [--new-password-file F]\n"
               "                                 store the document as the program saves it",
       RunSave},
  };
  return commands;
}

}  // namespace ltbtool
