// A real HTTP server on 127.0.0.1 for download tests: serves a folder, on a free port, for
// the lifetime of the object.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace testing_support {

class LocalHttpServer {
 public:
  explicit LocalHttpServer(const std::filesystem::path& folder);
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  // "http://127.0.0.1:PORT", without a trailing "/"; "" when the server did not start.
  std::string Url() const;

 private:
  int port_ = 0;
  pid_t pid_ = -1;
  bool ready_ = false;
};

// A loopback server that takes connections and never answers, for the lifetime of the object.
class SilentServer {
 public:
  SilentServer();
  ~SilentServer();
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;

  // "http://127.0.0.1:PORT"; "" when it did not start.
  std::string Url() const;

 private:
  int listener_ = -1;
  int port_ = 0;
};

// A loopback port that nothing listens on (it was free a moment ago).
int FreeLoopbackPort();

}  // namespace testing_support
