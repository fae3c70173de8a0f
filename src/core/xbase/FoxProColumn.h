#pragma once
// The memo column of FoxPro tables, read from the .fpt memo file.

#include "xbase/BaseColumn.h"

namespace mirn::xbase {

// The memo file's bytes 6-7 hold the block size (big-endian). A memo starts at block number
// × block size: 4 bytes of block type, 4 bytes of length (big-endian), then the text.
class FoxProMemoColumn final : public MemoColumn {
 public:
  // Reads the block size; throws Exception when it is missing or 0.
  FoxProMemoColumn(std::string name, char type, std::uint8_t length, std::uint8_t decimals,
                   std::shared_ptr<ByteSource> memo);
  std::uint32_t GetBlockSize() const { return blockSize_; }

 protected:
  std::string ReadBlock(std::uint64_t block) const override;

 private:
  std::uint32_t blockSize_ = 0;
};

}  // namespace mirn::xbase
