#pragma once
// The run-length code of packed legacy database parts. With escape byte E:
//   a byte other than E stands for itself;
//   E 1 stands for one E, E 2 for two E;
//   E c v (c >= 3) stands for c copies of v;
//   E 0 is an error.
// The decoder keeps its state between chunks, so a sequence may straddle them.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>

namespace mirn {
class ByteSource;
}

namespace mirn::rle {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

class Decoder {
 public:
  explicit Decoder(std::uint8_t escape) : escape_(escape) {}

  // Decodes `size` coded bytes, appending what they stand for to `out`. Throws Exception.
  void Feed(const unsigned char* data, std::size_t size, std::string& out);
  // Ends the coded data; throws Exception when it stopped inside a sequence.
  void Finish() const;

 private:
  enum class State { Literal, AfterEscape, AfterCount };
  std::uint8_t escape_ = 0;
  State state_ = State::Literal;
  std::uint8_t count_ = 0;
};

// Bytes read from the input per step.
inline constexpr std::size_t kChunkSize = 1024;

// Decodes one packed part starting at `offset` of `in`: a 32-bit little-endian count L,
// then L coded bytes. Writes the decoded bytes to `out` and answers the offset after the
// part. Throws Exception when the input ends early, the code is invalid or writing fails.
std::uint64_t DecodePart(const ByteSource& in, std::uint64_t offset, std::uint8_t escape,
                         std::ostream& out);

}  // namespace mirn::rle
