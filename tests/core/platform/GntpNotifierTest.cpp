#include "platform/GntpNotifier.h"

#include <gtest/gtest.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/streambuf.hpp>
#include <boost/asio/write.hpp>
#include <chrono>
#include <thread>

namespace mirn {
namespace {

using boost::asio::ip::tcp;

// A GNTP listener of the test's own on 127.0.0.1: it accepts one connection, reads the
// request up to its empty line and answers with `reply` (or nothing, holding the
// connection open for `hold`).
class GntpServer {
 public:
  explicit GntpServer(std::string reply, std::chrono::milliseconds hold = {})
      : acceptor_(io_, tcp::endpoint(boost::asio::ip::make_address("127.0.0.1"), 0)),
        reply_(std::move(reply)), hold_(hold) {
    thread_ = std::thread([this] {
      tcp::socket socket(io_);
      acceptor_.accept(socket);
      boost::asio::streambuf buffer;
      boost::system::error_code error;
      boost::asio::read_until(socket, buffer, "\r\n\r\n", error);
      request_.assign(static_cast<const char*>(buffer.data().data()), buffer.data().size());
      if (!reply_.empty()) boost::asio::write(socket, boost::asio::buffer(reply_), error);
      std::this_thread::sleep_for(hold_);
    });
  }
  ~GntpServer() {
    if (thread_.joinable()) thread_.join();
  }
  std::string Port() const { return std::to_string(acceptor_.local_endpoint().port()); }
  const std::string& Request() {
    thread_.join();
    return request_;
  }

 private:
  boost::asio::io_context io_;
  tcp::acceptor acceptor_;
  std::string reply_;
  std::chrono::milliseconds hold_;
  std::string request_;
  std::thread thread_;
};

GntpNotifier On(const std::string& port) {
  GntpNotifier n("127.0.0.1", port);
  n.SetEnabled(true);
  return n;
}

TEST(GntpNotifier, DeliveredOnOkWithTheRequestLinesInUtf8) {
  GntpServer server("GNTP/1.0 -OK NONE\r\nResponse-Action: NOTIFY\r\nNotification-ID: \r\n\r\n");
  GntpNotifier n = On(server.Port());
  n.SetApplicationName(L"Mirn");
  EXPECT_TRUE(n.Notify(L"import_complete", L"Imported 3 extensions \u0141\u00f3d\u017a", L"", false));
  EXPECT_TRUE(n.LastResult());
  EXPECT_TRUE(n.Enabled());
  EXPECT_EQ(n.ResponseHeaders(), (std::vector<std::wstring>{L"Response-Action: NOTIFY", L"Notification-ID: "}));
  EXPECT_EQ(server.Request(),
            "GNTP/1.0 NOTIFY NONE\r\nApplication-Name: Mirn\r\nNotification-Name: import_complete\r\n"
            "Notification-Title: Imported 3 extensions \xC5\x81\xC3\xB3" "d\xC5\xBA\r\nNotification-Text: \r\n"
            "Notification-Sticky: False\r\n\r\n");
}

TEST(GntpNotifier, AnErrorDirectiveIsNotDeliveredButKeepsTheNotifierOn) {
  GntpServer server("GNTP/1.0 -ERROR NONE\r\nError-Code: 402\r\n\r\n");
  GntpNotifier n = On(server.Port());
  EXPECT_FALSE(n.Notify(L"export_complete", L"Export complete.", L"", true));
  EXPECT_FALSE(n.LastResult());
  EXPECT_TRUE(n.Enabled());
  EXPECT_EQ(n.ResponseHeaders(), std::vector<std::wstring>{L"Error-Code: 402"});
  EXPECT_NE(server.Request().find("Notification-Sticky: True\r\n"), std::string::npos);
}

TEST(GntpNotifier, NoListenerTurnsItOffAndASilentOneTimesOut) {
  std::string closedPort;
  {
    boost::asio::io_context io;
    tcp::acceptor probe(io, tcp::endpoint(boost::asio::ip::make_address("127.0.0.1"), 0));
    closedPort = std::to_string(probe.local_endpoint().port());
  }
  GntpNotifier off = On(closedPort);
  EXPECT_FALSE(off.Notify(L"new_templates", L"New layouts", L"", false));
  EXPECT_FALSE(off.Enabled());

  GntpServer silent("", std::chrono::milliseconds(1500));
  GntpNotifier n = On(silent.Port());
  n.SetTimeout(std::chrono::milliseconds(200));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(n.Notify(L"feedback_sent", L"Thanks", L"", false));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1200));
  EXPECT_TRUE(n.Enabled()) << "the listener is there; only this answer was missing";
}

TEST(GntpResponse, StatusLineHeadersAndCutShortAnswers) {
  GntpResponse r = ParseGntpResponse("GNTP/1.0 -OK NONE extra\r\nA: 1\r\n\r\nB: ignored\r\n");
  EXPECT_EQ(r.version, "GNTP/1.0");
  EXPECT_EQ(r.directive, "-OK");
  EXPECT_EQ(r.rest, "NONE extra");
  EXPECT_EQ(r.headers, std::vector<std::string>{"A: 1"});
  EXPECT_TRUE(r.complete);

  EXPECT_EQ(ParseGntpResponse("GNTP/1.0 -OK NONE").directive, "") << "no line end: no status line";
  r = ParseGntpResponse("GNTP/1.0 -OK\r\nA: 1\r\nB: cut");
  EXPECT_EQ(r.directive, "-OK");
  EXPECT_EQ(r.headers, std::vector<std::string>{"A: 1"});
  EXPECT_FALSE(r.complete);
  EXPECT_TRUE(ParseGntpResponse("GNTP/1.0 -OK\r\n\r\n").complete);
  EXPECT_EQ(ParseGntpResponse("\r\n\r\n").directive, "");
}

}  // namespace
}  // namespace mirn
