// Synchronous download of one web address: the only place that talks to libcurl.
#pragma once

#include <string>

namespace kelvane::net {

struct FetchResult {
  bool ok = false;
  std::string body;    // the reply's bytes when ok
  std::string reason;  // why it failed; "" when ok
};

// How long a download may take before it is given up, in seconds.
struct Limits {
  long connect_seconds = 10;
  long total_seconds = 60;
};

// http and https only, following a few redirects; any final status outside 2xx, a time-out or
// a reply larger than the size cap is a failure.
FetchResult Fetch(const std::string& url, const Limits& limits = {});

}  // namespace kelvane::net
