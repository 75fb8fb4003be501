#include "platform/net/fetch.h"

#include <curl/curl.h>

#include <cctype>
#include <memory>
#include <tuple>

namespace kelvane::net {
namespace {

constexpr long kMaxRedirects = 5;
constexpr size_t kMaxBodyBytes = 20u * 1024 * 1024;
// How often the hook hears of a transfer while nothing arrives.
constexpr int kPollMilliseconds = 40;

struct FreeCurl {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct FreeUrl {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

// One easy handle driven by a multi handle, so the transfer can be watched and stopped
// between short waits instead of blocking inside libcurl.
class Driver {
 public:
  explicit Driver(CURL* easy) : easy_(easy), multi_(curl_multi_init()) {
    if (multi_ && curl_multi_add_handle(multi_, easy_) != CURLM_OK) {
      curl_multi_cleanup(multi_);
      multi_ = nullptr;
    }
  }
  ~Driver() {
    if (!multi_) return;
    curl_multi_remove_handle(multi_, easy_);
    curl_multi_cleanup(multi_);
  }
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  // Runs to the end; `keep_going` is asked between waits and stops the transfer when false.
  template <typename KeepGoing>
  CURLcode Run(const KeepGoing& keep_going) {
    if (!multi_) return CURLE_OUT_OF_MEMORY;
    for (;;) {
      int running = 0;
      if (curl_multi_perform(multi_, &running) != CURLM_OK) return CURLE_RECV_ERROR;
      if (running == 0) break;
      if (!keep_going()) return CURLE_ABORTED_BY_CALLBACK;
      if (curl_multi_poll(multi_, nullptr, 0, kPollMilliseconds, nullptr) != CURLM_OK) return CURLE_RECV_ERROR;
    }
    CURLcode result = CURLE_OK;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left))
      if (message->msg == CURLMSG_DONE && message->easy_handle == easy_) result = message->data.result;
    return result;
  }

 private:
  CURL* easy_;
  CURLM* multi_;
};

bool IsServerFailure(CURLcode code) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_SSL_CONNECT_ERROR:
      return true;
    default:
      return false;
  }
}

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

FetchResult Failure(std::string reason, bool server_failed = false) {
  return FetchResult{false, {}, std::move(reason), server_failed};
}

FetchResult Transfer(const std::string& url, const Limits& limits, TransferHook* hook);

}  // namespace

FetchResult Fetch(const std::string& url, const Limits& limits, TransferHook* hook) {
  if (!HasWebScheme(url)) return Failure("only http and https addresses can be downloaded: " + url);
  if (hook && !hook->Begin(url)) return Failure("the download was not started");
  FetchResult result = Transfer(url, limits, hook);
  if (hook) hook->End(result.ok, result.reason);
  return result;
}

std::string ServerOf(const std::string& url) {
  std::unique_ptr<CURLU, FreeUrl> parsed(curl_url());
  if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) return {};
  char* text = nullptr;
  std::string server;
  for (const auto& [part, flags, prefix] : {std::tuple{CURLUPART_SCHEME, 0u, ""},
                                            std::tuple{CURLUPART_HOST, 0u, "://"},
                                            std::tuple{CURLUPART_PORT, unsigned(CURLU_DEFAULT_PORT), ":"}}) {
    if (curl_url_get(parsed.get(), part, &text, flags) != CURLUE_OK) return {};
    server += std::string(prefix) + text;
    curl_free(text);
  }
  for (char& c : server) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return server;
}

namespace {

FetchResult Transfer(const std::string& url, const Limits& limits, TransferHook* hook) {
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
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, limits.silent_seconds);
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBodyBytes));
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &OnData);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, error);

  Driver driver(h);
  const CURLcode code = driver.Run([&] {
    if (!hook) return true;
    curl_off_t expected = -1;
    curl_easy_getinfo(h, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &expected);
    return hook->Progress(static_cast<int64_t>(sink.body.size()), static_cast<int64_t>(expected));
  });
  if (sink.too_large) return Failure("the reply is larger than " + std::to_string(kMaxBodyBytes) + " bytes");
  if (code == CURLE_ABORTED_BY_CALLBACK) return Failure("the download was cancelled");
  if (code != CURLE_OK) return Failure(error[0] ? error : curl_easy_strerror(code), IsServerFailure(code));
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status > 299) return Failure("the server answered with status " + std::to_string(status));
  return FetchResult{true, std::move(sink.body), {}, false};
}

}  // namespace
}  // namespace kelvane::net
