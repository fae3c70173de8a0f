#pragma once
// The memo column of Clipper tables, read from the .dbt memo file.

#include "xbase/BaseColumn.h"

namespace mirn::xbase {

// The memo file's byte 16 is its version, which must be 3. Blocks are 512 bytes; a memo
// starts at block number × 512 and runs to the first byte 0x1A, at most 128 blocks.
class ClipperMemoColumn final : public MemoColumn {
 public:
  static constexpr std::uint64_t kBlockSize = 512;
  static constexpr std::uint64_t kMaxBlocks = 128;

  // Reads the version; throws Exception when it is not 3.
  ClipperMemoColumn(std::string name, char type, std::uint8_t length, std::uint8_t decimals,
                    std::shared_ptr<ByteSource> memo);

 protected:
  std::string ReadBlock(std::uint64_t block) const override;
};

}  // namespace mirn::xbase
