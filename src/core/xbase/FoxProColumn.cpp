#include "xbase/FoxProColumn.h"

#include "util/SourceOpener.h"
#include "xbase/Exception.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn::xbase {

namespace {

std::uint32_t BigEndian(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

}  // namespace

FoxProMemoColumn::FoxProMemoColumn(std::string name, char type, std::uint8_t length,
                                   std::uint8_t decimals, std::shared_ptr<ByteSource> memo)
    : MemoColumn(std::move(name), type, length, decimals, std::move(memo)) {
  unsigned char size[2] = {};
  if (ReadExact(Memo(), 6, size, sizeof size)) blockSize_ = BigEndian(size, 2);
  if (blockSize_ == 0) {
    throw Exception(FormatString(TrUtf8("TableReader", "could not determine memo file block size for field %1"), {GetName()}));
  }
}

std::string FoxProMemoColumn::ReadBlock(std::uint64_t block) const {
  // Every offset and length is checked against the file before it is used, so a damaged
  // memo file can neither send the read astray nor ask for a huge buffer.
  const std::uint64_t fileSize = Memo().Size();
  if (block > fileSize / blockSize_) FailRead();
  const std::uint64_t start = block * blockSize_;
  unsigned char head[8] = {};
  if (start > fileSize - sizeof head || !ReadExact(Memo(), start, head, sizeof head)) FailRead();
  const std::uint32_t length = BigEndian(head + 4, 4);
  if (length > fileSize - start - sizeof head) FailRead();
  std::string text(length, '\0');
  if (!ReadExact(Memo(), start + sizeof head, text.data(), length)) FailRead();
  return text;
}

}  // namespace mirn::xbase
