#pragma once
// Column descriptions of an xBase table and the readers of their values. Each column knows
// its name, type letter, length byte and decimal byte, and turns its bytes of a record into
// a Value.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/Value.h"

namespace mirn::xbase {

class BaseColumn {
 public:
  BaseColumn(std::string name, char type, std::uint8_t length, std::uint8_t decimals)
      : name_(std::move(name)), type_(type), length_(length), decimals_(decimals) {}
  virtual ~BaseColumn() = default;
  BaseColumn(const BaseColumn&) = delete;
  BaseColumn& operator=(const BaseColumn&) = delete;

  // Bytes the column takes in a record.
  virtual std::size_t GetLength() const { return length_; }
  virtual std::uint8_t GetDecimals() const { return decimals_; }
  // `length` must equal GetLength().
  virtual Value Read(const char* bytes, std::size_t length) const = 0;

  const std::string& GetName() const { return name_; }
  char GetType() const { return type_; }
  std::uint8_t GetLengthByte() const { return length_; }

 protected:
  // Checks the reader's contract: the caller gives exactly this column's bytes and the
  // class reads its own type.
  void CheckRead(std::size_t length, char expectedType, const char* typeExpectation) const;

 private:
  std::string name_;
  char type_ = 0;
  std::uint8_t length_ = 0;
  std::uint8_t decimals_ = 0;
};

// 'C' of a plain table: the bytes up to the first zero byte, trailing white space removed.
class CharacterColumn : public BaseColumn {
 public:
  using BaseColumn::BaseColumn;
  Value Read(const char* bytes, std::size_t length) const override;
};

// 'C' of FoxPro and Clipper tables: the decimal byte is the high byte of a 16-bit length.
class ExtendedCharacterColumn final : public CharacterColumn {
 public:
  using CharacterColumn::CharacterColumn;
  std::size_t GetLength() const override {
    return GetLengthByte() + 256u * static_cast<std::size_t>(GetDecimals());
  }
};

// 'N': decimal text, read the same whatever the process locale is.
class NumberColumn final : public BaseColumn {
 public:
  using BaseColumn::BaseColumn;
  Value Read(const char* bytes, std::size_t length) const override;
};

// 'L': true exactly for 'T', 't', 'Y' and 'y'.
class LogicalColumn final : public BaseColumn {
 public:
  using BaseColumn::BaseColumn;
  Value Read(const char* bytes, std::size_t length) const override;
};

// 'D': YYYYMMDD; dates from 1970 to 2038 give their seconds at 00:00 UTC, others 0.
class DateColumn final : public BaseColumn {
 public:
  // Throws Exception when the length byte is not 8: the value is read as eight characters.
  DateColumn(std::string name, char type, std::uint8_t length, std::uint8_t decimals);
  Value Read(const char* bytes, std::size_t length) const override;
};

// The text up to the first zero byte (at most `length` bytes).
std::string_view UpToZero(const char* bytes, std::size_t length);
// The leading decimal number of a text, as the C library reads it: blanks skipped, then an
// optional sign and digits; 0 when there are none. Saturates instead of overflowing.
std::int64_t LeadingInteger(std::string_view text);

}  // namespace mirn::xbase

namespace mirn {
class ByteSource;
}

namespace mirn::xbase {

// 'M': the record holds a block number of up to ten decimal digits (0 or blank for empty
// text); the text itself lives in the table's memo file, which the column shares.
class MemoColumn : public BaseColumn {
 public:
  // Throws Exception unless the length is 10 with no decimals and `memo` is there.
  MemoColumn(std::string name, char type, std::uint8_t length, std::uint8_t decimals,
             std::shared_ptr<ByteSource> memo);
  Value Read(const char* bytes, std::size_t length) const final;

 protected:
  const ByteSource& Memo() const { return *memo_; }
  // The text of memo block `block` (never 0).
  virtual std::string ReadBlock(std::uint64_t block) const = 0;
  // The error for a memo value that cannot be read.
  [[noreturn]] void FailRead() const;

 private:
  std::shared_ptr<ByteSource> memo_;
};

}  // namespace mirn::xbase
