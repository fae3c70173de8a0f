#pragma once
// A writer of OLE2 compound files (the structured storage container of Excel 97–2003
// workbooks): version 3, 512-byte sectors, streams in the root storage only. Streams
// shorter than 4096 bytes go into the mini stream, as readers expect.

#include <cstdint>
#include <string>
#include <vector>

namespace mirn::xls {

class CompoundFileWriter {
 public:
  // Adds a stream to the root storage. Names are at most 31 characters.
  void AddStream(std::u16string name, std::vector<uint8_t> bytes);
  // The whole container.
  std::vector<uint8_t> Build() const;

  static constexpr uint32_t kSectorSize = 512;
  static constexpr uint32_t kMiniSectorSize = 64;
  static constexpr uint32_t kMiniStreamCutoff = 4096;

 private:
  struct Stream {
    std::u16string name;
    std::vector<uint8_t> bytes;
  };
  std::vector<Stream> streams_;
};

}  // namespace mirn::xls
