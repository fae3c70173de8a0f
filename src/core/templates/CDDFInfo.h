#pragma once
// One entry of the template library: where a type code's template file is and what its
// header says.

#include <cstdint>
#include <string>

namespace mirn {

// File times: microseconds since midnight UTC of Julian Day 0 (proleptic Gregorian), always a
// whole number of seconds. 1970-01-01 00:00:00 UTC is this value.
inline constexpr std::int64_t kUnixEpochJulianMicros = 210866803200000000;
constexpr std::int64_t JulianMicrosFromUnixSeconds(std::int64_t seconds) {
  return kUnixEpochJulianMicros + seconds * 1000000;
}

struct CDDFInfo {
  std::wstring path;  // full path of the template file
  std::int64_t mtime = 0;  // last-write time of the file, in the format above
  std::wstring typeCode;   // up-cased
  std::wstring groupName;
  std::wstring description;
};

}  // namespace mirn
