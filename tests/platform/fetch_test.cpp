#include "platform/net/fetch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

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

// A server that takes the connection but never answers must not hold the caller forever.
TEST(Fetch, AServerThatHangsTimesOut) {
  int listener = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 4), 0);  // the kernel completes the connection; nobody replies
  socklen_t length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/Results.xml";

  const auto start = std::chrono::steady_clock::now();
  kelvane::net::FetchResult reply = kelvane::net::Fetch(url, {1, 2});
  const auto took = std::chrono::steady_clock::now() - start;
  close(listener);
  EXPECT_FALSE(reply.ok);
  EXPECT_FALSE(reply.reason.empty());
  EXPECT_LT(took, std::chrono::seconds(5));
}
