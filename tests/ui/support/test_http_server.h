#pragma once
// A small HTTP server on 127.0.0.1 for the update check's tests: every
// request gets the same raw reply, after an optional delay. It records the
// head of each request it receives.

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace listora::test {

class TestHttpServer {
 public:
  explicit TestHttpServer(std::string reply,
                          std::chrono::milliseconds delay = std::chrono::milliseconds(0));
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  // "http://127.0.0.1:<port>"
  std::string Address() const;
  std::vector<std::string> Requests() const;

 private:
  void Serve();

  std::string reply_;
  std::chrono::milliseconds delay_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// An address where nothing listens, so a connection is refused.
std::string RefusingAddress();

}  // namespace listora::test
