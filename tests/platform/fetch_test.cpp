#include "platform/net/fetch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>

#include "tests/support/local_http_server.h"

namespace {

using kelvane::net::Fetch;

class FetchTest : public testing::Test {
 protected:
  void SetUp() override {
    site_ = std::filesystem::temp_directory_path() / ("pitchlog-fetch-" + std::to_string(::getpid()));
    std::filesystem::create_directories(site_ / "sub");
    Write("bytes.bin", std::string("a\0b\xff", 4));
    Write("sub/index.html", "inside");
    server_ = std::make_unique<testing_support::LocalHttpServer>(site_);
    ASSERT_FALSE(server_->Url().empty()) << "the local HTTP server did not start";
  }
  void TearDown() override {
    server_.reset();
    std::filesystem::remove_all(site_);
  }
  void Write(const std::string& name, const std::string& content) {
    std::ofstream(site_ / name, std::ios::binary) << content;
  }
  std::string Url(const std::string& path) const { return server_->Url() + path; }

  std::filesystem::path site_;
  std::unique_ptr<testing_support::LocalHttpServer> server_;
};

TEST_F(FetchTest, ReturnsTheBodyBytesAndIgnoresTheQuery) {
  auto reply = Fetch(Url("/bytes.bin?Cache=12.5"));
  ASSERT_TRUE(reply.ok) << reply.reason;
  EXPECT_EQ(reply.body, std::string("a\0b\xff", 4));
  EXPECT_EQ(reply.reason, "");
}

TEST_F(FetchTest, FollowsARedirect) {
  // The server answers "/sub" with a redirect to "/sub/".
  auto reply = Fetch(Url("/sub"));
  ASSERT_TRUE(reply.ok) << reply.reason;
  EXPECT_EQ(reply.body, "inside");
}

TEST_F(FetchTest, AMissingFileIsAFailureWithItsStatus) {
  auto reply = Fetch(Url("/missing.xml"));
  EXPECT_FALSE(reply.ok);
  EXPECT_EQ(reply.body, "");
  EXPECT_NE(reply.reason.find("404"), std::string::npos) << reply.reason;
}

TEST_F(FetchTest, AReplyOverTheSizeCapIsAFailure) {
  Write("big.bin", std::string(20u * 1024 * 1024 + 1, 'x'));
  auto reply = Fetch(Url("/big.bin"));
  EXPECT_FALSE(reply.ok);
  EXPECT_EQ(reply.body, "");
}

TEST(Fetch, RefusesAddressesThatAreNotHttpOrHttps) {
  for (const std::string url : {"", "file:///etc/passwd", "ftp://127.0.0.1/x", "gopher://127.0.0.1/",
                                "127.0.0.1/x", "/Results.xml?Cache=1", " http://127.0.0.1/"}) {
    auto reply = Fetch(url);
    EXPECT_FALSE(reply.ok) << url;
    EXPECT_NE(reply.reason.find("http"), std::string::npos) << url << ": " << reply.reason;
  }
}

TEST(Fetch, AServerThatIsDownIsAFailure) {
  const int port = testing_support::FreeLoopbackPort();
  ASSERT_NE(port, 0);
  auto reply = Fetch("http://127.0.0.1:" + std::to_string(port) + "/Results.xml");
  EXPECT_FALSE(reply.ok);
  EXPECT_FALSE(reply.reason.empty());
}

}  // namespace

using testing_support::SilentServer;
using Clock = std::chrono::steady_clock;

// A server that takes the connection but never answers must not hold the caller forever.
TEST(Fetch, AServerThatHangsTimesOut) {
  SilentServer server;
  const auto start = Clock::now();
  kelvane::net::FetchResult reply = kelvane::net::Fetch(server.Url(), {1, 2});
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  EXPECT_FALSE(reply.ok);
  EXPECT_FALSE(reply.reason.empty());
  EXPECT_TRUE(reply.server_failed);
}

// Silence ends a transfer long before the total time-out.
TEST(Fetch, AServerThatStaysSilentHasFailed) {
  SilentServer server;
  const auto start = Clock::now();
  kelvane::net::FetchResult reply = kelvane::net::Fetch(server.Url(), {10, 60, 2});
  const auto took = Clock::now() - start;
  EXPECT_FALSE(reply.ok);
  EXPECT_TRUE(reply.server_failed);
  EXPECT_GE(took, std::chrono::milliseconds(1500));
  EXPECT_LT(took, std::chrono::seconds(4));
}

// Records what the transfer tells, and stops it after `stop_after`.
struct Watcher : kelvane::net::TransferHook {
  bool begin = true;
  Clock::duration stop_after = std::chrono::hours(1);
  Clock::time_point started = Clock::now(), last = started;
  Clock::duration longest_gap{};
  int progress_calls = 0, ends = 0;
  bool ended_ok = true;

  bool Begin(const std::string&) override {
    started = last = Clock::now();
    return begin;
  }
  bool Progress(int64_t, int64_t) override {
    const auto now = Clock::now();
    longest_gap = std::max(longest_gap, now - last);
    last = now;
    ++progress_calls;
    return now - started < stop_after;
  }
  void End(bool ok, const std::string&) override {
    ++ends;
    ended_ok = ok;
  }
};

TEST(Fetch, TheHookHearsOftenAndStopsATransferAtOnce) {
  SilentServer server;
  Watcher watcher;
  watcher.stop_after = std::chrono::milliseconds(500);
  const auto start = Clock::now();
  kelvane::net::FetchResult reply = kelvane::net::Fetch(server.Url(), {}, &watcher);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
  EXPECT_FALSE(reply.ok);
  EXPECT_FALSE(reply.server_failed);
  EXPECT_NE(reply.reason.find("cancelled"), std::string::npos) << reply.reason;
  EXPECT_GE(watcher.progress_calls, 5);
  EXPECT_LT(watcher.longest_gap, std::chrono::milliseconds(400));  // idle libcurl calls back once a second
  EXPECT_EQ(watcher.ends, 1);
  EXPECT_FALSE(watcher.ended_ok);

  Watcher refusing;
  refusing.begin = false;
  reply = kelvane::net::Fetch(server.Url(), {}, &refusing);
  EXPECT_FALSE(reply.ok);
  EXPECT_EQ(refusing.progress_calls, 0);
  EXPECT_EQ(refusing.ends, 0);
}

TEST(Fetch, ServerOfNamesSchemeHostAndPort) {
  EXPECT_EQ(kelvane::net::ServerOf("http://127.0.0.1:8080/a/b.xml?Cache=1"), "http://127.0.0.1:8080");
  EXPECT_EQ(kelvane::net::ServerOf("HTTPS://Example.org/x"), "https://example.org:443");
  EXPECT_EQ(kelvane::net::ServerOf("http://example.org/x"), "http://example.org:80");
  EXPECT_EQ(kelvane::net::ServerOf("not an address"), "");
}
