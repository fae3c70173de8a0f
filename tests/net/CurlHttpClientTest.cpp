#include "net/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "feedback/SupportRequest.h"
#include "support/HttpsTestServer.h"

namespace mirn {
namespace {

class CurlHttpClientTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new test::HttpsTestServer; }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(server_->Running()) << server_->Failure();
    server_->ForgetRequests();
  }

  static test::HttpsTestServer* server_;
  CurlHttpClient trusting_{server_->CaFile().string()};
};

test::HttpsTestServer* CurlHttpClientTest::server_ = nullptr;

TEST_F(CurlHttpClientTest, PostDeliversBodyAndHeadersExactly) {
  // Larger than the size at which clients usually wait for "100 Continue".
  std::string body = "{\"ticket\":{\"subject\":\"\xC5\x81\",\"content\":{\"text\":\"";
  body += std::string(5000, 'x') + "\"}}}";
  const HttpPost post{server_->Url("/status/201/tickets"),
                      {"Host: 127.0.0.1:" + std::to_string(server_->Port()), "Content-Type: application/json",
                       "Accept: application/json", "Connection: close"},
                      body};
  const HttpResult result = trusting_.Post(post);
  ASSERT_TRUE(result.Answered()) << result.errorText;
  EXPECT_EQ(result.status, 201);
  EXPECT_TRUE(result.Succeeded());

  const std::string request = server_->LastRequest();
  EXPECT_EQ(request.rfind("POST /status/201/tickets HTTP/1.1\n", 0), 0u) << request;
  for (const char* header : {"Content-Type: application/json", "Accept: application/json", "Connection: close",
                             "Cache-Control: no-cache"}) {
    EXPECT_NE(request.find(std::string(header) + "\n"), std::string::npos) << header;
  }
  EXPECT_EQ(request.find("Expect:"), std::string::npos);
  EXPECT_EQ(request.find("Host: 127.0.0.1:" + std::to_string(server_->Port()) + "\n"),
            request.find("Host:"));
  ASSERT_GE(request.size(), body.size());
  EXPECT_EQ(request.substr(request.size() - body.size()), body);
  EXPECT_NE(request.find("\n\n" + body), std::string::npos);
}

TEST_F(CurlHttpClientTest, ServerErrorIsAStatusWithItsText) {
  const HttpResult result = trusting_.Post({server_->Url("/status/500/tickets"), {}, "{}"});
  ASSERT_TRUE(result.Answered()) << result.errorText;
  EXPECT_EQ(result.status, 500);
  EXPECT_EQ(SubmissionFailureText(result), L"The server returned an error. The status code was: 500");
}

TEST_F(CurlHttpClientTest, ReachableFollowsNoRedirect) {
  EXPECT_TRUE(Reachable(trusting_, server_->Url("/status/200/tickets")));
  EXPECT_TRUE(Reachable(trusting_, server_->Url("/status/302/tickets")));
  EXPECT_EQ(server_->LastRequest().rfind("GET /status/302/tickets HTTP/1.1\n", 0), 0u);
  EXPECT_FALSE(Reachable(trusting_, server_->Url("/status/404/tickets")));
  EXPECT_FALSE(Reachable(trusting_, server_->Url("/status/500/tickets")));
}

TEST_F(CurlHttpClientTest, UntrustedCertificateIsRefused) {
  // The system's store does not know the test's authority: nothing may reach the server.
  CurlHttpClient systemStore;
  const HttpResult result = systemStore.Post({server_->Url("/status/201/tickets"), {}, "{\"secret\":1}"});
  EXPECT_EQ(result.kind, HttpResult::Kind::kFailed);
  EXPECT_NE(result.errorCode, 0);
  EXPECT_EQ(SubmissionFailureText(result),
            L"The server did not accept the data. The error code was: " + std::to_wstring(result.errorCode));
  EXPECT_EQ(server_->LastRequest(), "");
  EXPECT_FALSE(Reachable(systemStore, server_->Url("/")));
}

TEST_F(CurlHttpClientTest, HostNameMustMatchTheCertificate) {
  // The certificate names 127.0.0.1 only; "localhost" reaches the same server but is refused.
  const HttpResult result = trusting_.Get("https://localhost:" + std::to_string(server_->Port()) + "/");
  EXPECT_EQ(result.kind, HttpResult::Kind::kFailed) << result.status;
  EXPECT_EQ(server_->LastRequest(), "");
}

TEST_F(CurlHttpClientTest, NothingListeningOrBadAddressIsNotSent) {
  EXPECT_EQ(trusting_.Get("https://127.0.0.1:1/").kind, HttpResult::Kind::kNotSent);
  EXPECT_EQ(trusting_.Post({"file:///etc/passwd", {}, "x"}).kind, HttpResult::Kind::kNotSent);
  EXPECT_EQ(trusting_.Post({"not a url", {}, "x"}).kind, HttpResult::Kind::kNotSent);
}

// A listener that takes connections into its backlog and never says a word: connecting
// succeeds, the TLS handshake waits for ever.
class SilentListener {
 public:
  SilentListener() {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd_, 4) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      return;
    }
    port_ = ntohs(address.sin_port);
  }
  ~SilentListener() { close(fd_); }
  std::string Url() const { return "https://127.0.0.1:" + std::to_string(port_) + "/tickets"; }
  bool Ready() const { return port_ != 0; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(CurlHttpClientTimeoutTest, SilentServerIsGivenUpAfterSevenSeconds) {
  SilentListener silent;
  ASSERT_TRUE(silent.Ready());
  CurlHttpClient client;
  const auto start = std::chrono::steady_clock::now();
  const HttpResult result = client.Post({silent.Url(), {}, "{}"});
  const double seconds = SecondsSince(start);
  EXPECT_EQ(result.kind, HttpResult::Kind::kFailed);
  EXPECT_GE(seconds, 6.0);
  EXPECT_LT(seconds, 10.0);
}

TEST(CurlHttpClientTimeoutTest, CancelFlagEndsARequestUnderWay) {
  SilentListener silent;
  ASSERT_TRUE(silent.Ready());
  std::atomic<bool> cancel{false};
  CurlHttpClient client;
  client.SetCancelFlag(&cancel);
  std::thread closer([&cancel] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    cancel = true;
  });
  const auto start = std::chrono::steady_clock::now();
  const HttpResult result = client.Get(silent.Url());
  const double seconds = SecondsSince(start);
  closer.join();
  EXPECT_EQ(result.kind, HttpResult::Kind::kFailed);
  EXPECT_LT(seconds, 3.0);
}

}  // namespace
}  // namespace mirn
