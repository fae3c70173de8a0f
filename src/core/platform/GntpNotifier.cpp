#include "platform/GntpNotifier.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/streambuf.hpp>
#include <boost/asio/write.hpp>
#include <string>
#include <sstream>

#include "util/Text.h"

namespace mirn {
namespace {

using boost::asio::ip::tcp;

constexpr std::string_view kEndOfLine = "\r\n";
constexpr std::string_view kEndOfHeaders = "\r\n\r\n";  // a line end, then the empty line
// A response larger than this is not a GNTP answer; reading stops there.
constexpr size_t kMaxResponseBytes = 64 * 1024;

}  // namespace

std::string GntpNotifyRequest(std::wstring_view applicationName, std::wstring_view name, std::wstring_view title,
                              std::wstring_view text, bool sticky) {
  std::string request = "GNTP/1.0 NOTIFY NONE\r\n";
  request += "Application-Name: " + ToUtf8(applicationName) + "\r\n";
  request += "Notification-Name: " + ToUtf8(name) + "\r\n";
  request += "Notification-Title: " + ToUtf8(title) + "\r\n";
  request += "Notification-Text: " + ToUtf8(text) + "\r\n";
  request += std::string("Notification-Sticky: ") + (sticky ? "True" : "False") + "\r\n";
  request += "\r\n";
  return request;
}

GntpResponse ParseGntpResponse(std::string_view bytes) {
  GntpResponse response;
  const size_t statusEnd = bytes.find(kEndOfLine);
  if (statusEnd == std::string_view::npos) return response;
  std::istringstream status{std::string(bytes.substr(0, statusEnd))};
  status >> response.version >> response.directive;
  std::getline(status >> std::ws, response.rest);
  size_t at = statusEnd + kEndOfLine.size();
  while (at < bytes.size()) {
    const size_t end = bytes.find(kEndOfLine, at);
    if (end == std::string_view::npos) break;  // a header line cut short
    if (end == at) {
      response.complete = true;
      break;
    }
    response.headers.emplace_back(bytes.substr(at, end - at));
    at = end + kEndOfLine.size();
  }
  return response;
}

GntpNotifier::GntpNotifier(std::string host, std::string service)
    : host_(std::move(host)), service_(std::move(service)) {}

bool GntpNotifier::Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text,
                          bool sticky) {
  lastResult_ = false;
  headers_.clear();
  boost::asio::io_context io;
  tcp::socket socket(io);
  boost::system::error_code error;
  tcp::resolver resolver(io);
  const auto endpoints = resolver.resolve(host_, service_, error);
  if (!error) boost::asio::connect(socket, endpoints, error);
  if (error) {
    // Nobody listens: stop trying for the rest of the run.
    enabled_ = false;
    return false;
  }
  // Write the request, then read the status line and the header block up to the empty line.
  // The exchange runs for at most the time-out, so that a listener that accepts and never
  // answers cannot hold the program; a failure on the way leaves what arrived, which the
  // reader takes as far as it goes.
  const std::string request = GntpNotifyRequest(applicationName_, name, title, text, sticky);
  boost::asio::streambuf received(kMaxResponseBytes);
  boost::asio::async_write(socket, boost::asio::buffer(request), [&](const boost::system::error_code& written, size_t) {
    if (written) return;
    boost::asio::async_read_until(socket, received, kEndOfLine, [&](const boost::system::error_code& status, size_t) {
      if (status) return;
      boost::asio::async_read_until(socket, received, kEndOfHeaders, [](const boost::system::error_code&, size_t) {});
    });
  });
  io.run_for(timeout_);
  socket.close(error);
  const auto data = received.data();
  const GntpResponse response = ParseGntpResponse(
      std::string_view(static_cast<const char*>(data.data()), data.size()));
  for (const std::string& header : response.headers) headers_.push_back(FromUtf8(header));
  lastResult_ = response.directive == "-OK";
  return lastResult_;
}

}  // namespace mirn
