#include "core/app/update_check.h"

#include <cstdlib>
#include <limits>

#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/base/settings_file.h"
#include "core/text/cp932.h"
#include "core/text/encoding.h"

namespace listora {

namespace {

constexpr std::string_view kProductWord = "Listora";

std::string_view WithoutTrailingSlashes(std::string_view server) {
  while (!server.empty() && server.back() == '/') server.remove_suffix(1);
  return server;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int LeadingNumber(std::string_view text) {
  constexpr int kMax = std::numeric_limits<int>::max();
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    const int digit = c - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return value;
}

// Inserts "." before the last two characters, never inside a double-byte
// character.
std::string WithVersionPoint(std::string_view text) {
  std::size_t last = 0;
  std::size_t beforeLast = 0;
  for (std::size_t i = 0; i < text.size(); i += cp932::CharLength(text, i)) {
    beforeLast = last;
    last = i;
  }
  std::string out(text.substr(0, beforeLast));
  out += '.';
  out.append(text.substr(beforeLast));
  return out;
}

}  // namespace

std::string UpdateServer(const SettingsFile& settingsFile) {
  if (const char* env = std::getenv("LISTORA_UPDATE_SERVER"); env && *env) return env;
  return settingsFile.GetString("Update", "Server", "");
}

std::string UpdateCheckUrl(std::string_view server) {
  std::string url(WithoutTrailingSlashes(server));
  url.append(kUpdateCheckPath);
  url += '?';
  url.append(kUpdateCheckQuery).append(std::to_string(kProgramVersion));
  return url;
}

std::string WebPageUrl(std::string_view server) {
  std::string url(WithoutTrailingSlashes(server));
  url.append(kWebPagePath);
  return url;
}

std::string_view FirstReplyLine(std::string_view body) {
  std::string_view line = body.substr(0, kReplyLineMax);
  line = line.substr(0, line.find('\0'));
  const std::size_t feed = line.find('\n');
  return feed == std::string_view::npos ? line : line.substr(0, feed + 1);
}

UpdateReply ReadUpdateReply(std::string_view body) {
  UpdateReply reply;
  const std::string_view line = FirstReplyLine(body);
  if (!line.starts_with(kProductWord)) return reply;

  // '-' and the white space bytes are never trail bytes of CP932 text, so
  // byte-wise searching cannot land inside a character.
  const std::size_t dash = line.find('-');
  std::string_view version = dash == std::string_view::npos ? line : line.substr(dash + 1);
  while (!version.empty() && IsSpace(version.back())) version.remove_suffix(1);

  reply.versionText = version;
  reply.version = LeadingNumber(version);
  reply.displayText = WithVersionPoint(version);
  reply.verdict =
      reply.version > kProgramVersion ? UpdateVerdict::kNewer : UpdateVerdict::kUpToDate;
  return reply;
}

std::string NewerVersionQuestion(std::string_view displayText) {
  return FormatMessage(msg::kNewerVersionFormat, Cp932ToUtf8(displayText).c_str());
}

}  // namespace listora
