#include "platform/net/fetch.h"

#include <gtest/gtest.h>
#include <unistd.h>

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
