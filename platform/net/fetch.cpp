#include "platform/net/fetch.h"

#include <curl/curl.h>

#include <cctype>
#include <memory>

namespace kelvane::net {
namespace {

constexpr long kMaxRedirects = 5;
constexpr size_t kMaxBodyBytes = 20u * 1024 * 1024;

struct FreeCurl {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

bool HasWebScheme(const std::string& url) {
  auto starts = [&](std::string_view prefix) {
    if (url.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(url[i])) != prefix[i]) return false;
    return true;
  };
  return starts("http://") || starts("https://");
}

struct Sink {
  std::string body;
  bool too_large = false;
};

size_t OnData(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const size_t bytes = size * count;
  if (sink->body.size() + bytes > kMaxBodyBytes) {
    sink->too_large = true;
    return 0;  // makes libcurl stop with a write error
  }
  sink->body.append(data, bytes);
  return bytes;
}

FetchResult Failure(std::string reason) { return FetchResult{false, {}, std::move(reason)}; }

}  // namespace

FetchResult Fetch(const std::string& url, const Limits& limits) {
  if (!HasWebScheme(url)) return Failure("only http and https addresses can be downloaded: " + url);
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!initialised) return Failure("cannot start the web client");
  std::unique_ptr<CURL, FreeCurl> curl(curl_easy_init());
  if (!curl) return Failure("cannot start the web client");

  Sink sink;
  char error[CURL_ERROR_SIZE] = {};
  CURL* h = curl.get();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, limits.connect_seconds);
  curl_easy_setopt(h, CURLOPT_TIMEOUT, limits.total_seconds);
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBodyBytes));
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &OnData);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, error);

  const CURLcode code = curl_easy_perform(h);
  if (sink.too_large) return Failure("the reply is larger than " + std::to_string(kMaxBodyBytes) + " bytes");
  if (code != CURLE_OK) return Failure(error[0] ? error : curl_easy_strerror(code));
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status > 299) return Failure("the server answered with status " + std::to_string(status));
  return FetchResult{true, std::move(sink.body), {}};
}

}  // namespace kelvane::net
