#include "ltbtool/tool_io.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <iostream>
#include <utility>

#include "core/app/settings_sets.h"
#include "core/base/file_io.h"
#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/doc/columns.h"
#include "core/text/encoding.h"

namespace ltbtool {

namespace {

std::string DropOneLineBreak(std::string text) {
  if (!text.empty() && text.back() == '\n') {
    text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
  }
  return text;
}

// Asks on the controlling terminal with echo off; nullopt without one.
std::optional<std::string> AskOnTerminal(const std::string& prompt) {
  const int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  termios old{};
  const bool isTerminal = tcgetattr(fd, &old) == 0;
  if (!isTerminal) {
    close(fd);
    return std::nullopt;
  }
  termios quiet = old;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  tcsetattr(fd, TCSAFLUSH, &quiet);
  if (write(fd, prompt.data(), prompt.size()) < 0) { /* the prompt is a courtesy */
  }
  std::string line;
  char c;
  while (read(fd, &c, 1) == 1 && c != '\n') line += c;
  tcsetattr(fd, TCSAFLUSH, &old);
  if (write(fd, "\n", 1) < 0) { /* as above */
  }
  close(fd);
  return line;
}

// Standard input up to its end, bounded as a password file is, so that
// "--password-stdin < F" takes the bytes "--password-file F" takes.
std::string ReadPasswordInput(std::istream& in) {
  std::string bytes(kMaxPasswordFileBytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  // Endless input (/dev/zero) must not be waited for nor kept.
  if (bytes.size() > kMaxPasswordFileBytes) {
    const std::string reason =
        listora::FormatMessage(listora::msg::kFileTooLargeFormat, kMaxPasswordFileBytes);
    throw ToolError{kExitPassword, listora::FormatMessage(listora::msg::kCannotRead,
                                                          "standard input", reason.c_str())};
  }
  return DropOneLineBreak(std::move(bytes));
}

std::filesystem::path ExecutableDir() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : exe.parent_path();
}

}  // namespace

void AddPasswordOptions(OptionSpec& known) {
  known.withValue.insert("--password-file");
  known.flags.insert("--password-stdin");
}

PasswordSource::PasswordSource(const Args& args)
    : file_(args.Value("--password-file")), fromStdin_(args.Has("--password-stdin")) {
  if (file_ && fromStdin_)
    throw UsageError{"give either --password-file or --password-stdin, not both"};
}

std::string PasswordSource::Get(const std::filesystem::path& forFile) {
  if (cached_) return *cached_;
  if (file_) {
    cached_ = ReadPasswordFile(*file_);
  } else if (fromStdin_) {
    cached_ = listora::PasswordToCp932(ReadPasswordInput(std::cin));
  } else if (auto typed = AskOnTerminal("Password for " + forFile.string() + ": ")) {
    cached_ = listora::PasswordToCp932(*typed);
  } else {
    throw ToolError{kExitPassword, forFile.string() +
                                       ": the document is protected by a password; give "
                                       "--password-file or --password-stdin"};
  }
  return *cached_;
}

std::string ReadPasswordFile(const std::filesystem::path& file) {
  listora::FileError error;
  auto bytes = listora::ReadFileBytes(file, &error, kMaxPasswordFileBytes);
  if (!bytes) throw ToolError{kExitPassword, error.what};
  return listora::PasswordToCp932(DropOneLineBreak(std::move(*bytes)));
}

std::string ReadInput(const std::filesystem::path& file) {
  listora::FileError error;
  auto bytes = listora::ReadFileBytes(file, &error);
  if (!bytes) throw ToolError{kExitRefused, error.what};
  return std::move(*bytes);
}

void FlushStandardOutput() {
  std::cout.flush();
  if (!std::cout) throw ToolError{kExitWriteFailed, "cannot write to standard output"};
}

namespace {

void WritePieces(const std::filesystem::path& file, listora::FilePieces bytes) {
  // What was printed goes first where OUT is standard output.
  FlushStandardOutput();
  listora::WriteOptions options;
  options.beforeInPlace = [](const std::string& notice) {
    std::cerr << "ltbtool: warning: " << notice << '\n';
  };
  listora::WriteReport report;
  listora::FileError error;
  if (!listora::WriteFile(file, bytes, options, &report, &error))
    throw ToolError{kExitWriteFailed, error.what};
  for (const std::string& warning : report.warnings)
    std::cerr << "ltbtool: warning: " << warning << '\n';
}

}  // namespace

void WriteOutput(const std::filesystem::path& file, std::string_view bytes) {
  WritePieces(file, listora::FilePieces(&bytes, 1));
}

void WriteOutput(const std::filesystem::path& file, const listora::StoredPieces& stored) {
  WritePieces(file, stored.pieces);
}

LoadedDocument LoadForTool(const std::filesystem::path& file, PasswordSource& passwords) {
  std::string bytes = ReadInput(file);
  LoadedDocument loaded;
  listora::LoadCallbacks callbacks;
  callbacks.askPassword = [&] { return passwords.Get(file); };
  loaded.result = listora::LoadDocument(std::move(bytes), callbacks, loaded.doc);
  const auto status = loaded.result.status;
  if (status == listora::LoadStatus::kLoaded) {
    // What is there is used, as the desktop program opens it, but not silently.
    if (loaded.result.endedEarly)
      std::cerr << "ltbtool: warning: " << file.string() << ": "
                << listora::EndedEarlyMessage(loaded.result) << '\n';
    return loaded;
  }
  const std::string message =
      file.string() + ": " + std::string(listora::LoadStatusMessage(status));
  throw ToolError{status == listora::LoadStatus::kWrongPassword ? kExitPassword : kExitRefused,
                  message};
}

void RefuseToReplaceDamaged(const std::filesystem::path& file, const LoadedDocument& loaded,
                            const std::filesystem::path& out) {
  std::error_code ignored;
  if (!loaded.result.endedEarly || !std::filesystem::equivalent(file, out, ignored)) return;
  throw ToolError{kExitRefused, file.string() + ": " + listora::EndedEarlyMessage(loaded.result) +
                                    "; it is not replaced by the items that could be read. "
                                    "Write them to another file with -o to keep them."};
}

void AddSaveOptions(OptionSpec& known) {
  known.withValue.insert("--mode");
  known.withValue.insert("--new-password-file");
}

SaveProtection ChooseSaveProtection(const Args& args, const LoadedDocument& loaded) {
  using listora::ProtectionMode;
  const auto modeName = args.Value("--mode");
  ProtectionMode mode = static_cast<ProtectionMode>(loaded.result.header.mode);
  if (modeName == "plain") {
    mode = ProtectionMode::kPlain;
  } else if (modeName == "password") {
    mode = ProtectionMode::kPassword;
  } else if (modeName == "encrypted") {
    mode = ProtectionMode::kEncrypted;
  } else if (modeName) {
    throw UsageError{"--mode must be plain, password or encrypted"};
  }
  std::string password = loaded.result.password;
  if (const auto file = args.Value("--new-password-file")) {
    if (mode != ProtectionMode::kPassword)
      throw UsageError{"--new-password-file needs --mode password"};
    password = ReadPasswordFile(*file);
  } else if (mode == ProtectionMode::kPassword && password.empty()) {
    throw UsageError{"--mode password needs --new-password-file"};
  }
  // The program would store an empty password as "encrypted"; asked for on
  // the command line, that is protection that was not given.
  if (mode == ProtectionMode::kPassword && password.empty())
    throw UsageError{"--mode password needs a password that is not empty"};
  // The program's own rule: with passwords on, an empty one means "encrypted".
  const bool pass = mode == ProtectionMode::kPassword;
  const bool ango = mode == ProtectionMode::kEncrypted;
  if (!pass) password.clear();
  const ProtectionMode chosen = listora::ChooseProtectionMode(pass, ango, password);
  return {chosen, password};
}

listora::SettingsFile ProgramSettings() {
  listora::SettingsFile settingsFile(listora::SettingsFilePath(ExecutableDir()));
  listora::FileError error;
  if (!settingsFile.Preload(&error)) throw ToolError{kExitRefused, error.what};
  return settingsFile;
}

SaveProtection NewDocumentProtection(const Args& args, const listora::SettingsFile& settingsFile) {
  if (args.Has("--mode")) return ChooseSaveProtection(args, LoadedDocument{});
  const auto [pass, ango] = listora::ReadProtectionSettings(settingsFile);
  std::string password;
  if (const auto file = args.Value("--new-password-file")) {
    if (!pass) throw UsageError{"--new-password-file needs --mode password or the Pass setting"};
    password = ReadPasswordFile(*file);
  }
  const listora::ProtectionMode mode = listora::ChooseProtectionMode(pass, ango, password);
  return {mode, password};
}

listora::StoredPieces StoreAsProgram(listora::Document& doc, const SaveProtection& protection) {
  listora::StoreOptions options;
  options.mode = protection.mode;
  options.password = protection.password;
  return listora::StoreDocumentPieces(doc, options);
}

std::filesystem::path OutputPath(const Args& args) {
  const auto out = args.Value("-o");
  if (!out) throw UsageError{"missing -o OUT"};
  return *out;
}

std::string TitleOf(const std::filesystem::path& file) {
  return listora::TextToCp932(file.filename().string());
}

}  // namespace ltbtool
