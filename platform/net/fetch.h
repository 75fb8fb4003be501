// Synchronous download of one web address: the only place that talks to libcurl.
#pragma once

#include <string>

#include "platform/net/limits.h"
#include "platform/net/transfer_hook.h"

namespace kelvane::net {

struct FetchResult {
  bool ok = false;
  std::string body;    // the reply's bytes when ok
  std::string reason;  // why it failed; "" when ok
  // The server could not be reached, or went silent: asking it again would only wait again.
  bool server_failed = false;
};

// http and https only, following a few redirects; any final status outside 2xx, a time-out, a
// silent server, a reply larger than the size cap or a stop by the hook is a failure. The hook,
// when given, hears of the transfer while it runs.
FetchResult Fetch(const std::string& url, const Limits& limits = {}, TransferHook* hook = nullptr);

// "scheme://host:port" of a web address, for telling one server from another; "" when the
// address can't be read.
std::string ServerOf(const std::string& url);

}  // namespace kelvane::net
