// Downloaded files: a server on 127.0.0.1 answers every request with the rest of the input, and
// the first byte picks the download: the message, the results, a data file, the players, the
// link bar or the home pages.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <thread>

#include "tests/fuzz/fuzz_support.h"

using fuzzing::Tolerate;

namespace {

class Server {
 public:
  Server() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
      std::abort();
    url_ = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    std::thread([this] { Serve(); }).detach();
  }

  const std::string& Url() const { return url_; }
  void SetBody(std::string_view body) {
    std::lock_guard<std::mutex> lock(mutex_);
    body_.assign(body);
  }

 private:
  void Serve() {
    for (;;) {
      const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (client < 0) continue;
      // Reads the request up to its blank line; its address doesn't matter.
      std::string request;
      char chunk[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t count = ::read(client, chunk, sizeof chunk);
        if (count <= 0) break;
        request.append(chunk, static_cast<size_t>(count));
      }
      std::string reply;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        reply = "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body_.size()) +
                "\r\nConnection: close\r\n\r\n" + body_;
      }
      for (std::string_view rest = reply; !rest.empty();) {
        const ssize_t count = ::send(client, rest.data(), rest.size(), MSG_NOSIGNAL);
        if (count <= 0) break;
        rest.remove_prefix(static_cast<size_t>(count));
      }
      ::close(client);
    }
  }

  int listener_ = -1;
  std::string url_;
  std::mutex mutex_;
  std::string body_;
};

Server& TheServer() {
  // Never destroyed: its thread serves until the process ends.
  static Server* const server = new Server;
  return *server;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelvane::Pitchlog& engine = fuzzing::Engine();
  Server& server = TheServer();
  static const bool pointed = (engine.SetProperties("downloadurl", server.Url()), true);
  (void)pointed;
  const size_t choice = fuzzing::Choose(data, size, 6);
  server.SetBody(fuzzing::Text(data, size));
  switch (choice) {
    case 0:
      Tolerate([&] { engine.DownloadMessage(true); });
      break;
    case 1:
      Tolerate([&] { engine.DownloadResults(); });
      break;
    case 2:
      Tolerate([&] { engine.DownloadXML("teams"); });
      break;
    case 3:
      Tolerate([&] { engine.DownloadPlayers(); });
      Tolerate([&] { engine.PlayerList("ARG"); });
      break;
    case 4:
      Tolerate([&] { engine.DownloadLinks(); });
      Tolerate([&] { engine.Link("team", "ARG"); });
      break;
    default:
      Tolerate([&] { engine.DownloadHome(); });
      break;
  }
  return 0;
}
