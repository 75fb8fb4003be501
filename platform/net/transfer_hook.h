// What a download tells whoever watches it, and how the watcher stops it. Header only: the
// program implements it without linking the web client.
#pragma once

#include <cstdint>
#include <string>

namespace kelvane::net {

class TransferHook {
 public:
  virtual ~TransferHook() = default;
  // Before a transfer; false makes it fail at once, without reaching the server.
  virtual bool Begin(const std::string& url) = 0;
  // Several times a second while the transfer runs, also while nothing arrives; `expected` is
  // -1 when the server did not say. False stops the transfer at once.
  virtual bool Progress(int64_t received, int64_t expected) = 0;
  // After every transfer that began; `reason` says why one failed ("" when it arrived).
  virtual void End(bool ok, const std::string& reason) = 0;
};

}  // namespace kelvane::net
