#pragma once
// What every ltbtool subcommand shares: exit statuses, reading passwords
// without putting them on the command line, loading a document, and writing
// outputs the way the desktop program does.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "ltbtool/args.h"

namespace ltbtool {

enum ExitStatus {
  kExitOk = 0,
  kExitUsage = 1,
  kExitRefused = 2,   // a document refused or unreadable
  kExitPassword = 3,  // wrong or missing password
  kExitWriteFailed = 4,
};

// Thrown by subcommands; main prints the message and exits with the status.
struct ToolError {
  int status;
  std::string message;  // UTF-8
};

// Adds --password-file and --password-stdin.
void AddPasswordOptions(OptionSpec& known);

// The password for protected documents: from --password-file (its content,
// one trailing line break ignored), --password-stdin, or the terminal.
// Read at most once and reused for every document of the run.
class PasswordSource {
 public:
  explicit PasswordSource(const Args& args);
  // CP932 bytes; throws ToolError(kExitPassword) when there is no way to
  // get one.
  std::string Get(const std::filesystem::path& forFile);

 private:
  std::optional<std::string> file_;
  bool fromStdin_ = false;
  std::optional<std::string> cached_;
};

// Reads a file given on the command line; throws ToolError(kExitRefused).
std::string ReadInput(const std::filesystem::path& file);
// Flushes standard output; throws ToolError(kExitWriteFailed) when what was
// printed did not all get out (a full disk behind a redirection).
void FlushStandardOutput();
// Writes atomically; throws ToolError(kExitWriteFailed).
void WriteOutput(const std::filesystem::path& file, std::string_view bytes);
// The same for a document stored in pieces.
void WriteOutput(const std::filesystem::path& file, const listora::StoredPieces& stored);
// Reads the first line of a password file (one trailing CR LF or LF
// dropped) as CP932. Longer files than any password are refused.
inline constexpr std::size_t kMaxPasswordFileBytes = 4096;
std::string ReadPasswordFile(const std::filesystem::path& file);

struct LoadedDocument {
  listora::Document doc;
  listora::LoadResult result;
};

// Loads a document as the desktop program opens it; a refused document
// throws ToolError with the program's message. A document that ends early
// is loaded as far as it goes, with a warning on standard error.
LoadedDocument LoadForTool(const std::filesystem::path& file, PasswordSource& passwords);

// Throws ToolError(kExitRefused) when `loaded`, read from `file`, ended
// early and `out` is that file: what could be read would replace what
// could not.
void RefuseToReplaceDamaged(const std::filesystem::path& file, const LoadedDocument& loaded,
                            const std::filesystem::path& out);

// The protection a save uses: the file's own unless --mode says otherwise.
struct SaveProtection {
  listora::ProtectionMode mode;
  std::string password;
};
void AddSaveOptions(OptionSpec& known);  // --mode, --new-password-file
SaveProtection ChooseSaveProtection(const Args& args, const LoadedDocument& loaded);

// The settings file the desktop program beside ltbtool uses, read once: a
// new document takes some fifty settings from it. Throws
// ToolError(kExitRefused) when it is there but cannot be read.
listora::SettingsFile ProgramSettings();
// A new document is saved under the program's own settings unless --mode
// says otherwise: `Main`/`Pass` with the password of --new-password-file
// (none means "encrypted", as two empty fields of the dialog do), `Main`/`Ango`.
SaveProtection NewDocumentProtection(const Args& args, const listora::SettingsFile& settingsFile);

// Stores the document as the desktop program's save does after opening it:
// columns as the list shows them, natural column order; in pieces that
// view the document's records rather than copy them.
listora::StoredPieces StoreAsProgram(listora::Document& doc, const SaveProtection& protection);

// The output path of -o; throws a usage error when missing.
std::filesystem::path OutputPath(const Args& args);

// A document's file name as CP932 text (the title the program shows).
std::string TitleOf(const std::filesystem::path& file);

}  // namespace ltbtool
