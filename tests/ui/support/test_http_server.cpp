#include "ui/support/test_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace listora::test {

namespace {

// A listening socket on 127.0.0.1 with a free port; returns the port.
int Listen(int& socketFd) {
  socketFd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (socketFd < 0) throw std::runtime_error("socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(socketFd, 8) != 0) {
    throw std::runtime_error("bind");
  }
  socklen_t length = sizeof address;
  ::getsockname(socketFd, reinterpret_cast<sockaddr*>(&address), &length);
  return ntohs(address.sin_port);
}

bool Readable(int fd, int ms) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, ms) > 0;
}

}  // namespace

TestHttpServer::TestHttpServer(std::string reply, std::chrono::milliseconds delay)
    : reply_(std::move(reply)), delay_(delay) {
  port_ = Listen(listener_);
  thread_ = std::thread([this] { Serve(); });
}

TestHttpServer::~TestHttpServer() {
  stop_ = true;
  thread_.join();
  ::close(listener_);
}

std::string TestHttpServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> TestHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void TestHttpServer::Serve() {
  while (!stop_) {
    if (!Readable(listener_, 20)) continue;
    const int client = ::accept(listener_, nullptr, nullptr);
    if (client < 0) continue;
    std::string head;
    char buffer[4096];
    while (!stop_ && head.find("\r\n\r\n") == std::string::npos && Readable(client, 20)) {
      const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      head.append(buffer, static_cast<std::size_t>(got));
    }
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(head);
    }
    const auto answerAt = std::chrono::steady_clock::now() + delay_;
    while (!stop_ && std::chrono::steady_clock::now() < answerAt) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // The client may hang up once it has what it wants: stop sending then.
    for (std::size_t sent = 0; !stop_ && sent < reply_.size();) {
      const ssize_t n = ::send(client, reply_.data() + sent, reply_.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    ::close(client);
  }
}

std::string RefusingAddress() {
  int fd = -1;
  const int port = Listen(fd);
  ::close(fd);
  return "http://127.0.0.1:" + std::to_string(port);
}

}  // namespace listora::test
