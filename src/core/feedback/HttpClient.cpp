#include "feedback/HttpClient.h"

namespace mirn {

bool Reachable(HttpClient& client, const std::string& url) {
  try {
    const HttpResult result = client.Get(url);
    return result.Answered() && result.status >= 200 && result.status <= 399;
  } catch (...) {
    return false;
  }
}

std::string UrlHost(const std::string& url) {
  const auto scheme = url.find("://");
  if (scheme == std::string::npos) return {};
  const auto start = scheme + 3;
  auto end = url.find_first_of("/?#", start);
  std::string authority = url.substr(start, end == std::string::npos ? std::string::npos : end - start);
  // Credentials in the address are not part of the host.
  if (const auto at = authority.rfind('@'); at != std::string::npos) authority.erase(0, at + 1);
  return authority;
}

}  // namespace mirn
