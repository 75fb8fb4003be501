// How long a download may take before it is given up. Header only, so the engine's interface
// can name it without the web client.
#pragma once

namespace kelvane::net {

// In seconds.
struct Limits {
  long connect_seconds = 10;
  long total_seconds = 60;
  // A server that sends nothing for this long has failed.
  long silent_seconds = 15;
};

}  // namespace kelvane::net
