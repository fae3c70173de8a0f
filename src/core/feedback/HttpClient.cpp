#include "feedback/HttpClient.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cctype>

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

bool TravelsProtected(const std::string& url) {
  std::string scheme = url.substr(0, url.find("://"));
  std::transform(scheme.begin(), scheme.end(), scheme.begin(), [](unsigned char c) { return std::tolower(c); });
  if (scheme == "https") return url.find("://") != std::string::npos;
  if (scheme != "http") return false;
  std::string host = UrlHost(url);
  if (host.starts_with('[')) {
    host = host.substr(1, host.find(']') == std::string::npos ? std::string::npos : host.find(']') - 1);
  } else if (const auto colon = host.rfind(':'); colon != std::string::npos) {
    host.erase(colon);
  }
  std::transform(host.begin(), host.end(), host.begin(), [](unsigned char c) { return std::tolower(c); });
  if (host == "localhost") return true;
  in_addr v4 {};
  if (::inet_pton(AF_INET, host.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
  in6_addr v6 {};
  return ::inet_pton(AF_INET6, host.c_str(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6);
}

}  // namespace mirn
