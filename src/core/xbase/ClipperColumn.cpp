#include "xbase/ClipperColumn.h"

#include <algorithm>

#include "util/SourceOpener.h"
#include "xbase/Exception.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn::xbase {

ClipperMemoColumn::ClipperMemoColumn(std::string name, char type, std::uint8_t length,
                                     std::uint8_t decimals, std::shared_ptr<ByteSource> memo)
    : MemoColumn(std::move(name), type, length, decimals, std::move(memo)) {
  unsigned char version = 0;
  if (!ReadExact(Memo(), 16, &version, 1)) FailRead();
  if (version != 3) {
    throw Exception(FormatString(TrUtf8("TableReader", "memo file version number (%1) not recognized"),
                                 {std::to_string(version)}));
  }
}

std::string ClipperMemoColumn::ReadBlock(std::uint64_t block) const {
  const std::uint64_t fileSize = Memo().Size();
  if (block >= fileSize / kBlockSize + 1) FailRead();
  const std::uint64_t start = block * kBlockSize;
  if (start >= fileSize) FailRead();
  std::string text(std::min(fileSize - start, kBlockSize * kMaxBlocks), '\0');
  text.resize(Memo().ReadAt(start, text.data(), text.size()));
  if (text.empty()) FailRead();
  const std::size_t end = text.find('\x1A');
  if (end != std::string::npos) text.resize(end);
  return text;
}

}  // namespace mirn::xbase
