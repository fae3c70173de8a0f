#include "xbase/BaseColumn.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "util/DateTime.h"
#include "util/SourceOpener.h"
#include "xbase/Exception.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn::xbase {

namespace {

bool IsCSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

}  // namespace

std::string_view UpToZero(const char* bytes, std::size_t length) {
  const void* zero = std::memchr(bytes, 0, length);
  return {bytes, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : length};
}

std::int64_t LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

void BaseColumn::CheckRead(std::size_t length, char expectedType,
                           const char* typeExpectation) const {
  Require(length == GetLength(), "dataLength == GetLength()");
  Require(type_ == expectedType, typeExpectation);
}

Value CharacterColumn::Read(const char* bytes, std::size_t length) const {
  CheckRead(length, 'C', "type == 'C'");
  std::string_view text = UpToZero(bytes, length);
  while (!text.empty() && IsCSpace(text.back())) text.remove_suffix(1);
  return std::string(text);
}

Value NumberColumn::Read(const char* bytes, std::size_t length) const {
  CheckRead(length, 'N', "type == 'N'");
  std::string_view text = UpToZero(bytes, length);
  while (!text.empty() && IsCSpace(text.front())) text.remove_prefix(1);
  // from_chars never consults the locale, so a decimal point is a point in every locale.
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc()) value = 0;
  return value;
}

Value LogicalColumn::Read(const char* bytes, std::size_t length) const {
  CheckRead(length, 'L', "type == 'L'");
  if (length == 0) return false;
  const char ch = bytes[0];
  return ch == 'T' || ch == 't' || ch == 'Y' || ch == 'y';
}

DateColumn::DateColumn(std::string name, char type, std::uint8_t length, std::uint8_t decimals)
    : BaseColumn(std::move(name), type, length, decimals) {
  if (length != 8) {
    throw Exception(FormatString(TrUtf8("TableReader", "date field %1 has length %2 instead of 8"),
                                 {GetName(), std::to_string(length)}));
  }
}

Value DateColumn::Read(const char* bytes, std::size_t length) const {
  CheckRead(length, 'D', "type == 'D'");
  const std::string_view text(bytes, length);
  const std::int64_t year = LeadingInteger(text.substr(0, 4));
  const std::int64_t month = LeadingInteger(text.substr(4, 2));
  const std::int64_t day = LeadingInteger(text.substr(6, 2));
  if (year < 1970 || year > 2038 || month < 1 || month > 12 || day < 1 || day > 31) {
    return Time{};
  }
  // A day past the month's end (February 31) counts on into the next month.
  const std::int64_t days =
      DaysFromCivil(year, static_cast<unsigned>(month), 1) + (day - 1);
  return Time{days * 86400};
}

MemoColumn::MemoColumn(std::string name, char type, std::uint8_t length, std::uint8_t decimals,
                       std::shared_ptr<ByteSource> memo)
    : BaseColumn(std::move(name), type, length, decimals), memo_(std::move(memo)) {
  // The record layout depends on the length, so a memo column of another size is refused
  // here rather than read out of step with its neighbours.
  if (length != 10 || decimals != 0) {
    throw Exception(FormatString(TrUtf8("TableReader", "memo field %1 has length %2 and %3 decimals instead of 10 and 0"),
                                 {GetName(), std::to_string(length), std::to_string(decimals)}));
  }
  if (!memo_) throw Exception(FormatString(TrUtf8("TableReader", "no memo file provided for field %1"), {GetName()}));
}

Value MemoColumn::Read(const char* bytes, std::size_t length) const {
  CheckRead(length, 'M', "type == 'M'");
  const std::int64_t block = LeadingInteger(UpToZero(bytes, length));
  if (block == 0) return std::string();
  if (block < 0) FailRead();
  return ReadBlock(static_cast<std::uint64_t>(block));
}

void MemoColumn::FailRead() const {
  throw Exception(FormatString(TrUtf8("TableReader", "could not read memo file for field %1"), {GetName()}));
}

}  // namespace mirn::xbase
