// The run-length decoder over arbitrary input: the first byte is the escape byte, the rest
// a sequence of packed parts, decoded one after another until the input ends or fails.
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <streambuf>

#include "legacy/RleDecoder.h"
#include "util/ByteSource.h"

namespace {

// Counts what is written and keeps none of it.
class CountingBuffer final : public std::streambuf {
 public:
  std::uint64_t count = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += static_cast<std::uint64_t>(n);
    return n;
  }
  int_type overflow(int_type ch) override {
    ++count;
    return traits_type::not_eof(ch);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const mirn::MemoryByteSource source(
      std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  CountingBuffer buffer;
  std::ostream out(&buffer);
  std::uint64_t offset = 0;
  try {
    while (offset < source.Size()) {
      const std::uint64_t next = mirn::rle::DecodePart(source, offset, data[0], out);
      if (next <= offset) __builtin_trap();  // every part moves on
      offset = next;
    }
  } catch (const mirn::rle::Exception&) {
  }
  // Each coded byte stands for at most 255 decoded bytes.
  if (buffer.count > 255 * static_cast<std::uint64_t>(size)) __builtin_trap();
  return 0;
}
