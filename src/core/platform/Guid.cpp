#include "platform/Guid.h"

#include <sys/random.h>

#include <array>
#include <cstdint>
#include <random>

namespace mirn {

std::wstring NewGuid() {
  std::array<uint8_t, 16> bytes{};
  size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = getrandom(bytes.data() + got, bytes.size() - got, 0);
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  if (got < bytes.size()) {  // getrandom is never short on Linux ≥ 3.17; keep a fallback anyway
    std::random_device rd;
    for (auto& b : bytes) b = static_cast<uint8_t>(rd());
  }
  bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
  bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant

  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring out;
  out.reserve(36);
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) out += L'-';
    out += kHex[bytes[i] >> 4];
    out += kHex[bytes[i] & 0x0F];
  }
  return out;
}

}  // namespace mirn
