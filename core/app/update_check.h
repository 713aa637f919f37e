#pragma once
// The update check: the request the program sends to the maker's server and
// how it reads the reply. The server's reply is untrusted; whatever it sends,
// reading it is bounded and ends in one of three verdicts. The network
// transfer itself belongs to the desktop program.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/app/version.h"

namespace listora {

inline constexpr std::string_view kUpdateAgent = "Listora";
inline constexpr std::string_view kUpdateCheckPath = "/cgi/upcheck.cgi";
// Followed by kProgramVersion.
inline constexpr std::string_view kUpdateCheckQuery = "app=Listora&ver=";
inline constexpr std::string_view kWebPagePath = "/listora.html";

class SettingsFile;

// The update server: $LISTORA_UPDATE_SERVER when set, else the settings
// key `Update`/`Server`; empty (no server, nothing is asked) by default.
std::string UpdateServer(const SettingsFile& settingsFile);

// `server` is the scheme and host (and port, if any) of the maker's server,
// for example "http://www.example.jp"; trailing "/" are ignored.
std::string UpdateCheckUrl(std::string_view server);
std::string WebPageUrl(std::string_view server);

// Only the first line of the reply is read, and of it at most this many
// bytes (the line feed included when it falls within them); a transfer may
// stop once it has this many bytes or a line feed.
inline constexpr std::size_t kReplyLineMax = 99;

// The first line of `body` as read: up to and including the first line
// feed, at most kReplyLineMax bytes, and ending before a NUL byte (the reply
// is text).
std::string_view FirstReplyLine(std::string_view body);

enum class UpdateVerdict {
  kNoVersionInfo,  // the line does not start with the product word "Listora"
  kUpToDate,       // version kProgramVersion or less
  kNewer,
};

struct UpdateReply {
  UpdateVerdict verdict = UpdateVerdict::kNoVersionInfo;
  // The text after the first "-" of the line (the whole line without one),
  // trailing white space removed; CP932 bytes as received.
  std::string versionText;
  // Its leading decimal digits as a number, 0 without any; saturates
  // instead of overflowing.
  int version = 0;
  // versionText with "." before its last two characters: "122" -> "1.22".
  std::string displayText;
};

UpdateReply ReadUpdateReply(std::string_view body);

// The question that offers the web page for a newer version (UTF-8):
// "\"Version 1.22\" にバージョンアップしています。\r\nwebページを開きますか？".
std::string NewerVersionQuestion(std::string_view displayText);

}  // namespace listora
