#include "tests/support/local_http_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace testing_support {
namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

bool Accepts(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_in address = Loopback(port);
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

int FreeLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return 0;
  sockaddr_in address = Loopback(0);
  socklen_t size = sizeof address;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
    port = ntohs(address.sin_port);
  ::close(fd);
  return port;
}

LocalHttpServer::LocalHttpServer(const std::filesystem::path& folder) : port_(FreeLoopbackPort()) {
  if (port_ == 0) return;
  const std::string port = std::to_string(port_);
  const std::string dir = folder.string();
  pid_ = ::fork();
  if (pid_ == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::execlp("python3", "python3", "-m", "http.server", "--bind", "127.0.0.1", port.c_str(), "--directory",
             dir.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  if (pid_ < 0) return;
  // Python can take seconds to start while the machine is busy.
  for (int attempt = 0; attempt < 600 && !ready_; ++attempt) {
    if (Accepts(port_)) ready_ = true;
    else std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
}

LocalHttpServer::~LocalHttpServer() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  int status = 0;
  ::waitpid(pid_, &status, 0);
}

SilentServer::SilentServer() : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
  if (listener_ < 0) return;
  sockaddr_in address = Loopback(0);
  socklen_t size = sizeof address;
  // The kernel completes each connection into the queue; nobody ever reads or replies.
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(listener_, 16) == 0 &&
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
    port_ = ntohs(address.sin_port);
}

SilentServer::~SilentServer() {
  if (listener_ >= 0) ::close(listener_);
}

std::string SilentServer::Url() const { return port_ ? "http://127.0.0.1:" + std::to_string(port_) : ""; }

std::string LocalHttpServer::Url() const { return ready_ ? "http://127.0.0.1:" + std::to_string(port_) : ""; }

}  // namespace testing_support
