#pragma once
// The byte layout of layout template files (".ddf"): a free-text preamble ended by 0x1A
// within the first 260 bytes, a 220-byte header, the slot table and the object records,
// nothing after. CDDFTemplate::Load and ReadInfo read it; DDFWriter writes it.

#include <cstddef>
#include <string>
#include <string_view>

#include "util/ByteSource.h"
#include "templates/CDDFTemplate.h"

namespace mirn {

// Byte layout of the format.
inline constexpr std::size_t kDDFHeaderSize = 220;
inline constexpr std::size_t kDDFHeaderReadSize = 480;  // the reader's first read
inline constexpr std::size_t kDDFPreambleLimit = 260;   // the 0x1A lies within these bytes
inline constexpr std::size_t kDDFSlotSize = 8;
inline constexpr char kDDFPreambleEnd = 0x1A;
// Record size of each format: 32 bytes of integers and the text block.
std::size_t DDFRecordSize(std::wstring_view version);  // 0 for an unknown version

// The template as Load reads it but with the objects in file order and, unless asked, the
// type code as written: what the template compiler dumps, so that a dump builds back to the
// same bytes. Throws DDFException as Load does.
CDDFTemplate LoadInFileOrder(const ByteSource& bytes, const std::wstring& path, bool upCaseTypeCode = false);
// The raw preamble bytes before the end mark (empty when there is none in the first 260).
std::string ReadPreamble(const ByteSource& bytes);

}  // namespace mirn
