#include "ui/app/update_transfer.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "core/app/update_check.h"

namespace listora {

namespace {

struct Transfer {
  std::string body;
  const std::atomic<bool>* cancel = nullptr;
  bool enough = false;  // the first line is in: the rest is not wanted
};

std::size_t OnData(char* data, std::size_t size, std::size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  const std::string_view chunk(data, size * count);
  const std::size_t room = kReplyLineMax - transfer.body.size();
  transfer.body.append(chunk.substr(0, room));
  if (transfer.body.size() >= kReplyLineMax || transfer.body.find('\n') != std::string::npos) {
    transfer.enough = true;
    return 0;  // ends the transfer
  }
  return chunk.size();
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<Transfer*>(user)->cancel->load() ? 1 : 0;
}

void InitialiseOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

TransferResult FetchReplyStart(const std::string& url, std::chrono::milliseconds timeout,
                               const std::atomic<bool>& cancel) {
  InitialiseOnce();
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) return {};
  Transfer transfer;
  transfer.cancel = &cancel;
  const long ms = static_cast<long>(timeout.count());
  CURL* h = curl.get();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_USERAGENT, std::string(kUpdateAgent).c_str());
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, ms);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, ms);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &OnData);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &OnProgress);
  curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
  const CURLcode code = curl_easy_perform(h);
  TransferResult result;
  result.connected = code == CURLE_OK || (code == CURLE_WRITE_ERROR && transfer.enough);
  if (result.connected) result.body = std::move(transfer.body);
  return result;
}

}  // namespace listora
