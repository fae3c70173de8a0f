#include "legacy/RleDecoder.h"

#include <algorithm>
#include <ostream>

#include "util/SourceOpener.h"
#include "util/Catalog.h"

namespace mirn::rle {
namespace {

std::string InvalidEscape() { return TrUtf8("LegacyReader", "invalid escape sequence"); }
std::string UnexpectedEnd() { return TrUtf8("LegacyReader", "unexpected end of data"); }

}  // namespace

void Decoder::Feed(const unsigned char* data, std::size_t size, std::string& out) {
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint8_t byte = data[i];
    switch (state_) {
      case State::Literal:
        if (byte == escape_) {
          state_ = State::AfterEscape;
        } else {
          out.push_back(static_cast<char>(byte));
        }
        break;
      case State::AfterEscape:
        if (byte == 0) throw Exception(InvalidEscape());
        if (byte <= 2) {
          out.append(byte, static_cast<char>(escape_));
          state_ = State::Literal;
        } else {
          count_ = byte;
          state_ = State::AfterCount;
        }
        break;
      case State::AfterCount:
        out.append(count_, static_cast<char>(byte));
        state_ = State::Literal;
        break;
    }
  }
}

void Decoder::Finish() const {
  // A part that ends inside a sequence has lost bytes: refusing it keeps a damaged file
  // from converting into a silently shortened one.
  if (state_ != State::Literal) throw Exception(UnexpectedEnd());
}

std::uint64_t DecodePart(const ByteSource& in, std::uint64_t offset, std::uint8_t escape,
                         std::ostream& out) {
  unsigned char countBytes[4] = {};
  if (!ReadExact(in, offset, countBytes, sizeof countBytes)) throw Exception(UnexpectedEnd());
  offset += sizeof countBytes;
  std::uint64_t remaining = std::uint64_t{countBytes[0]} | std::uint64_t{countBytes[1]} << 8 |
                            std::uint64_t{countBytes[2]} << 16 | std::uint64_t{countBytes[3]} << 24;
  Decoder decoder(escape);
  unsigned char chunk[kChunkSize];
  std::string decoded;
  while (remaining > 0) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kChunkSize));
    const std::size_t got = in.ReadAt(offset, chunk, want);
    if (got != want) throw Exception(UnexpectedEnd());
    offset += got;
    remaining -= got;
    decoded.clear();
    decoder.Feed(chunk, got, decoded);
    out.write(decoded.data(), static_cast<std::streamsize>(decoded.size()));
    if (!out) throw Exception(TrUtf8("LegacyReader", "could not write the decoded data"));
  }
  decoder.Finish();
  return offset;
}

}  // namespace mirn::rle
