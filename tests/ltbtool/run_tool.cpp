#include "run_tool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "support/test_support.h"

extern char** environ;

namespace listora::test {

ToolRun RunTool(const std::vector<std::string>& args, const std::string& stdinText,
                const std::string& stdoutFile, const std::string& lang) {
  const char* tool = std::getenv("LTBTOOL");
  if (!tool) throw std::runtime_error("LTBTOOL is not set");
  TempDir dir;
  const auto in = dir / "stdin", out = dir / "stdout", err = dir / "stderr";
  WriteAll(in, stdinText);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1,
                                   stdoutFile.empty() ? out.c_str() : stdoutFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  // No controlling terminal: a password prompt must fail instead of waiting.
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);

  std::vector<std::string> argvStorage = {tool};
  argvStorage.insert(argvStorage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argvStorage) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The tool speaks `lang` whatever the test's own environment says.
  std::vector<std::string> envStorage = {"LANG=" + lang};
  for (char** entry = environ; *entry; ++entry) {
    const std::string_view name(*entry, std::string_view(*entry).find('='));
    if (name != "LANG" && name != "LANGUAGE" && name != "LC_ALL" && name != "LC_MESSAGES")
      envStorage.emplace_back(*entry);
  }
  std::vector<char*> env;
  for (auto& e : envStorage) env.push_back(e.data());
  env.push_back(nullptr);

  pid_t pid;
  const int rc = posix_spawn(&pid, tool, &actions, &attr, argv.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) throw std::runtime_error("cannot start ltbtool");
  int status = 0;
  waitpid(pid, &status, 0);

  ToolRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (stdoutFile.empty()) run.out = ReadAll(out);
  run.err = ReadAll(err);
  return run;
}

}  // namespace listora::test
