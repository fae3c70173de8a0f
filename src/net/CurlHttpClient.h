#pragma once
// The HTTP client over libcurl. Certificates and host names are always verified, against
// the system's certificate store or, when given, a file of trusted authorities. Each
// request follows no redirects, speaks HTTP/1.1, asks caches to reload, and gives up after
// 7 seconds without a connection or without data moving.

#include <string>

#include "feedback/HttpClient.h"

namespace mirn {

class CurlHttpClient final : public HttpClient {
 public:
  static constexpr long kTimeoutMs = 7000;

  // `caFile`: a PEM file of the authorities to trust instead of the system's; empty for the
  // system's store.
  explicit CurlHttpClient(std::string caFile = {});

  HttpResult Get(const std::string& url) override;
  HttpResult Post(const HttpPost& request) override;

 private:
  HttpResult Perform(const std::string& url, const HttpPost* post);

  std::string caFile_;
};

}  // namespace mirn
