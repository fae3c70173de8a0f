// The run-length decoder of packed legacy parts.
#include <gtest/gtest.h>

#include <sstream>

#include "legacy/RleDecoder.h"
#include "support/XbaseWriter.h"
#include "util/SourceOpener.h"

namespace mirn::test {
namespace {

constexpr char E = '\xB7';

std::string Decode(const std::string& coded) {
  std::string out;
  rle::Decoder decoder(0xB7);
  decoder.Feed(reinterpret_cast<const unsigned char*>(coded.data()), coded.size(), out);
  decoder.Finish();
  return out;
}

std::string DecodeError(const std::string& coded) {
  try {
    Decode(coded);
  } catch (const rle::Exception& e) {
    return e.what();
  }
  return {};
}

// Decodes a whole part (count and coded bytes) from a memory source.
std::string DecodePart(const std::string& part, std::uint64_t* end = nullptr) {
  MemoryByteSource source(part);
  std::ostringstream out;
  const std::uint64_t after = rle::DecodePart(source, 0, 0xB7, out);
  if (end) *end = after;
  return out.str();
}

TEST(RleDecoder, Sequences) {
  EXPECT_EQ(Decode(std::string{E, 5, 'A'}), "AAAAA");
  EXPECT_EQ(Decode(std::string{E, 1}), std::string(1, E));
  EXPECT_EQ(Decode(std::string{E, 2}), std::string(2, E));
  EXPECT_EQ(Decode(std::string{E, 3, E}), std::string(3, E));
  EXPECT_EQ(Decode(std::string{'x', E, '\xFF', '\0', 'y'}), "x" + std::string(255, '\0') + "y");
  EXPECT_EQ(Decode("plain"), "plain");
  EXPECT_EQ(Decode(""), "");
}

TEST(RleDecoder, Errors) {
  EXPECT_EQ(DecodeError(std::string{'a', E, 0, 'b'}), "invalid escape sequence");
  // Coded data that stops inside a sequence has lost bytes.
  EXPECT_EQ(DecodeError(std::string{'a', E}), "unexpected end of data");
  EXPECT_EQ(DecodeError(std::string{E, 9}), "unexpected end of data");
}

TEST(RleDecoder, StateCarriesAcrossChunks) {
  // The escape, count and value of a run fall on both sides of each 1024-byte chunk edge.
  for (std::size_t filler : {1022u, 1023u}) {
    const std::string coded = std::string(filler, 'x') + std::string{E, 7, 'A'} + "z";
    const std::string part = LittleEndian32(static_cast<std::uint32_t>(coded.size())) + coded;
    EXPECT_EQ(DecodePart(part), std::string(filler, 'x') + "AAAAAAAz") << filler;
  }
}

TEST(RleDecoder, PartsRoundTripAndReportTheirEnd) {
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += std::string(i % 7, static_cast<char>(i % 256));
  bytes += std::string(600, E);
  const std::string part = RlePart(bytes);
  std::uint64_t end = 0;
  EXPECT_EQ(DecodePart(part + "next", &end), bytes);
  EXPECT_EQ(end, part.size());
  EXPECT_EQ(DecodePart(LittleEndian32(0)), "");
}

TEST(RleDecoder, ShortPartsAreUnexpectedEnds) {
  const std::string part = RlePart("hello world");
  for (const std::string& cut : {part.substr(0, part.size() - 1), part.substr(0, 3),
                                 std::string()}) {
    try {
      DecodePart(cut);
      ADD_FAILURE() << cut.size();
    } catch (const rle::Exception& e) {
      EXPECT_EQ(std::string(e.what()), "unexpected end of data");
    }
  }
  // A count far beyond the input never makes the decoder wait for or allocate it.
  EXPECT_THROW(DecodePart(LittleEndian32(0xFFFFFFFF) + "abc"), rle::Exception);
}

}  // namespace
}  // namespace mirn::test
