#pragma once
// The HTTP client over libcurl. Certificates and host names are always verified, against
// the system's certificate store or, when given, a file of trusted authorities. Each
// request follows no redirects, speaks HTTP/1.1, asks caches to reload, and gives up after
// 7 seconds without a connection or without data moving.

#include <atomic>
#include <string>

#include "feedback/HttpClient.h"

namespace mirn {

class CurlHttpClient final : public HttpClient {
 public:
  static constexpr long kTimeoutMs = 7000;

  // `caFile`: a PEM file of the authorities to trust instead of the system's; empty for the
  // system's store.
  explicit CurlHttpClient(std::string caFile = {});

  // A request under way ends soon after `*flag` turns true (the program is closing); it
  // then fails with the library's "aborted" code. The flag must outlive the client.
  void SetCancelFlag(const std::atomic<bool>* flag) { cancel_ = flag; }

  HttpResult Get(const std::string& url) override;
  HttpResult Post(const HttpPost& request) override;

 private:
  HttpResult Perform(const std::string& url, const HttpPost* post);

  std::string caFile_;
  const std::atomic<bool>* cancel_ = nullptr;
};

}  // namespace mirn
