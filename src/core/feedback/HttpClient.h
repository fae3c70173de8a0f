#pragma once
// The web requests of the support request and the usage survey: a GET whose status tells
// whether a server answers, and a POST of a JSON document. The real client runs over
// libcurl (net/CurlHttpClient); the rules above it are tested with a fake.

#include <string>
#include <vector>

namespace mirn {

struct HttpResult {
  enum class Kind {
    kStatus,    // the server answered; `status` holds its status code
    kNotSent,   // the request could not be sent (bad address, no name, no connection)
    kFailed,    // the transfer failed on the way (certificate, time-out, broken reply)
  };
  Kind kind = Kind::kNotSent;
  int status = 0;         // with kStatus
  long errorCode = 0;     // with kNotSent and kFailed: the client library's code
  std::string errorText;  // with kNotSent and kFailed: the library's words, for logs

  static HttpResult Status(int code) { return {Kind::kStatus, code, 0, {}}; }
  bool Answered() const { return kind == Kind::kStatus; }
  bool Succeeded() const { return kind == Kind::kStatus && status >= 200 && status <= 299; }
};

struct HttpPost {
  std::string url;
  std::vector<std::string> headers;  // "Name: value"
  std::string body;
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  virtual HttpResult Get(const std::string& url) = 0;
  virtual HttpResult Post(const HttpPost& request) = 0;
};

// True when a GET of `url` is answered with a status from 200 to 399; any failure is false.
bool Reachable(HttpClient& client, const std::string& url);

// The host part of an http(s) URL ("https://a.example:8443/x" → "a.example:8443"), as the
// "Host" header carries it; empty when the URL has no "scheme://".
std::string UrlHost(const std::string& url);

// True when what is sent to `url` cannot be read on the way: https, or plain http to this
// machine's own loopback address (localhost, 127.0.0.0/8, ::1). False for plain http to any
// other host and for any other scheme.
bool TravelsProtected(const std::string& url);

}  // namespace mirn
