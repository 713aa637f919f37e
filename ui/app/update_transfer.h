#pragma once
// The update check's one HTTP GET, over libcurl: the agent name "Listora",
// no redirections followed, the proxy the environment configures, and only
// as much of the reply as the check reads (its first line, at most 99
// bytes). It never takes longer than its timeout and stops early when
// asked to; it runs on a thread of its own so the window stays responsive.

#include <atomic>
#include <chrono>
#include <string>

namespace listora {

struct TransferResult {
  bool connected = false;  // false: no reply could be had ("接続エラー")
  std::string body;        // the start of the reply body, enough for its first line
};

TransferResult FetchReplyStart(const std::string& url, std::chrono::milliseconds timeout,
                               const std::atomic<bool>& cancel);

}  // namespace listora
