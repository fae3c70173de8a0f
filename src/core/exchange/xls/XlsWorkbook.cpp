#include "exchange/xls/XlsWorkbook.h"

#include <algorithm>
#include <fstream>

#include "exchange/xls/XlsCompoundFile.h"
#include "util/Text.h"

namespace mirn::xls {
namespace {

// Record types.
constexpr uint16_t kBof = 0x0809;
constexpr uint16_t kEof = 0x000A;
constexpr uint16_t kCodePage = 0x0042;
constexpr uint16_t kWindow1 = 0x003D;
constexpr uint16_t kFont = 0x0031;
constexpr uint16_t kXf = 0x00E0;
constexpr uint16_t kStyle = 0x0293;
constexpr uint16_t kBoundSheet = 0x0085;
constexpr uint16_t kSst = 0x00FC;
constexpr uint16_t kContinue = 0x003C;
constexpr uint16_t kExtSst = 0x00FF;
constexpr uint16_t kDimensions = 0x0200;
constexpr uint16_t kWindow2 = 0x023E;
constexpr uint16_t kLabelSst = 0x00FD;

constexpr size_t kMaxRecordData = 8224;
constexpr uint16_t kStyleXfCount = 15;   // XF 0–14: the built-in cell styles
constexpr uint16_t kDefaultCellXf = 15;  // the first cell XF, used by unformatted cells
constexpr uint16_t kHeaderXf = 16;
constexpr uint16_t kWrapXf = 17;
constexpr uint16_t kBoldFontIndex = 5;  // font index 4 does not exist in BIFF

class Writer {
 public:
  std::vector<uint8_t> bytes;

  void U8(uint8_t v) { bytes.push_back(v); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }
  // Starts a record; EndRecord fills in its length.
  size_t BeginRecord(uint16_t type) {
    U16(type);
    U16(0);
    return bytes.size();
  }
  void EndRecord(size_t dataStart) {
    const size_t length = bytes.size() - dataStart;
    bytes[dataStart - 2] = static_cast<uint8_t>(length);
    bytes[dataStart - 1] = static_cast<uint8_t>(length >> 8);
  }
  void Patch32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
  }
  void ShortString(std::u16string_view s) {
    U8(static_cast<uint8_t>(s.size()));
    U8(1);
    for (char16_t c : s) U16(c);
  }
};

bool FitsOneByte(std::u16string_view s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c < 0x100; });
}

void WriteBof(Writer& w, uint16_t kind) {
  const size_t r = w.BeginRecord(kBof);
  w.U16(0x0600);  // BIFF8
  w.U16(kind);
  w.U16(0x0DBB);  // build identifier
  w.U16(0x07CC);  // build year
  w.U32(0);       // file history flags
  w.U32(0x0006);  // lowest BIFF version that can read all records
  w.EndRecord(r);
}

void WriteEof(Writer& w) { w.EndRecord(w.BeginRecord(kEof)); }

void WriteFont(Writer& w, bool bold) {
  const size_t r = w.BeginRecord(kFont);
  w.U16(200);     // height in twentieths of a point: 10 pt
  w.U16(bold ? 0x0001 : 0);  // the old bold bit, still read by some readers
  w.U16(0x7FFF);  // automatic colour
  w.U16(bold ? 700 : 400);
  w.U16(0);  // no super- or subscript
  w.U8(0);   // no underline
  w.U8(0);   // family
  w.U8(0);   // character set
  w.U8(0);
  w.ShortString(u"Arial");
  w.EndRecord(r);
}

void WriteXf(Writer& w, uint16_t font, uint16_t protectionAndParent, uint8_t alignment,
             uint8_t usedAttributes) {
  const size_t r = w.BeginRecord(kXf);
  w.U16(font);
  w.U16(0);  // number format "General"
  w.U16(protectionAndParent);
  w.U8(alignment);
  w.U8(0);  // no rotation
  w.U8(0);  // no indent
  w.U8(usedAttributes);
  w.U32(0);       // no borders
  w.U32(0);       // no border colours, no pattern
  w.U16(0x20C0);  // pattern colours: automatic foreground (64) and background (65)
  w.EndRecord(r);
}

constexpr uint16_t kStyleXfFlags = 0xFFF5;  // locked, a style XF, no parent
constexpr uint16_t kCellXfFlags = 0x0001;   // locked, parent style XF 0
constexpr uint8_t kAlignBottom = 0x20;
constexpr uint8_t kWrapFlag = 0x08;
constexpr uint8_t kUsedFont = 0x08;
constexpr uint8_t kUsedAlignment = 0x10;

void WriteGlobalFormats(Writer& w) {
  for (int i = 0; i < 4; ++i) WriteFont(w, false);
  WriteFont(w, true);  // index 5
  WriteXf(w, 0, kStyleXfFlags, kAlignBottom, 0);
  for (uint16_t i = 1; i < kStyleXfCount; ++i) WriteXf(w, 0, kStyleXfFlags, kAlignBottom, 0xF4);
  WriteXf(w, 0, kCellXfFlags, kAlignBottom, 0);                            // 15
  WriteXf(w, kBoldFontIndex, kCellXfFlags, kAlignBottom, kUsedFont);       // 16: header
  WriteXf(w, 0, kCellXfFlags, kAlignBottom | kWrapFlag, kUsedAlignment);  // 17: wrap
  const size_t r = w.BeginRecord(kStyle);
  w.U16(0x8000);  // built-in style on XF 0
  w.U8(0);        // "Normal"
  w.U8(0xFF);
  w.EndRecord(r);
}

// The shared string table, split into CONTINUE records at the 8224-byte limit. A string's
// character count and flags never straddle a record; its characters may, and each
// continuation then starts with the flags byte again. Returns, per bucket of `bucket`
// strings, the stream position of its first string and that string's offset in its record.
std::vector<std::pair<uint32_t, uint16_t>> WriteSst(Writer& w, const std::vector<std::u16string>& strings,
                                                    uint32_t total, uint32_t bucket) {
  std::vector<std::pair<uint32_t, uint16_t>> buckets;
  size_t record = w.BeginRecord(kSst);
  w.U32(total);
  w.U32(static_cast<uint32_t>(strings.size()));
  auto room = [&] { return kMaxRecordData - (w.bytes.size() - record); };
  auto next = [&] {
    w.EndRecord(record);
    record = w.BeginRecord(kContinue);
  };
  for (size_t i = 0; i < strings.size(); ++i) {
    const std::u16string& s = strings[i];
    const bool narrow = FitsOneByte(s);
    const size_t unit = narrow ? 1 : 2;
    if (room() < 3 + unit) next();
    if (i % bucket == 0)
      buckets.emplace_back(static_cast<uint32_t>(w.bytes.size()),
                           static_cast<uint16_t>(w.bytes.size() - record + 4));
    w.U16(static_cast<uint16_t>(s.size()));
    w.U8(narrow ? 0 : 1);
    for (size_t k = 0; k < s.size(); ++k) {
      if (room() < unit) {
        next();
        w.U8(narrow ? 0 : 1);
      }
      if (narrow) {
        w.U8(static_cast<uint8_t>(s[k]));
      } else {
        w.U16(s[k]);
      }
    }
  }
  w.EndRecord(record);
  return buckets;
}

}  // namespace

uint32_t Workbook::Intern(std::u16string text) {
  auto [it, inserted] = stringIndex_.try_emplace(std::move(text), static_cast<uint32_t>(strings_.size()));
  if (inserted) strings_.push_back(it->first);
  return it->second;
}

bool Workbook::WriteString(uint32_t row, uint32_t column, std::wstring_view text, CellFormat format) {
  if (row >= kMaxRows || column >= kMaxColumns) return false;
  std::u16string s = ToUtf16(text);
  if (s.size() > kMaxCellLength) {
    size_t cut = kMaxCellLength;
    if (s[cut - 1] >= 0xD800 && s[cut - 1] < 0xDC00) --cut;  // keep surrogate pairs whole
    s.resize(cut);
    ++cutCells_;
  }
  const uint16_t xf = format == CellFormat::Header ? kHeaderXf
                      : format == CellFormat::Wrap ? kWrapXf
                                                   : kDefaultCellXf;
  cells_.push_back({static_cast<uint16_t>(row), static_cast<uint16_t>(column), xf, Intern(std::move(s))});
  lastRow_ = std::max(lastRow_, row);
  lastColumn_ = std::max(lastColumn_, column);
  return true;
}

std::vector<uint8_t> Workbook::BuildWorkbookStream() const {
  Writer w;
  WriteBof(w, 0x0005);  // workbook globals
  {
    const size_t r = w.BeginRecord(kCodePage);
    w.U16(1200);  // UTF-16
    w.EndRecord(r);
  }
  {
    const size_t r = w.BeginRecord(kWindow1);
    w.U16(0);
    w.U16(0);
    w.U16(0x3A5C);  // window width and height, twips
    w.U16(0x2310);
    w.U16(0x0038);  // horizontal and vertical scroll bars, sheet tabs
    w.U16(0);       // active sheet
    w.U16(0);       // first visible tab
    w.U16(1);       // selected sheets
    w.U16(0x0258);  // tab bar width ratio
    w.EndRecord(r);
  }
  WriteGlobalFormats(w);
  size_t sheetOffsetAt = 0;
  {
    const size_t r = w.BeginRecord(kBoundSheet);
    sheetOffsetAt = w.bytes.size();
    w.U32(0);  // filled in below
    w.U8(0);   // visible
    w.U8(0);   // worksheet
    w.ShortString(u"Sheet1");
    w.EndRecord(r);
  }
  const uint32_t bucket = std::max<uint32_t>(8, static_cast<uint32_t>(strings_.size() / 1000 + 1));
  const auto buckets = WriteSst(w, strings_, static_cast<uint32_t>(cells_.size()), bucket);
  {
    const size_t r = w.BeginRecord(kExtSst);
    w.U16(static_cast<uint16_t>(bucket));
    for (const auto& [position, offset] : buckets) {
      w.U32(position);
      w.U16(offset);
      w.U16(0);
    }
    w.EndRecord(r);
  }
  WriteEof(w);

  w.Patch32(sheetOffsetAt, static_cast<uint32_t>(w.bytes.size()));
  WriteBof(w, 0x0010);  // worksheet
  {
    const size_t r = w.BeginRecord(kDimensions);
    w.U32(0);
    w.U32(cells_.empty() ? 0 : lastRow_ + 1);
    w.U16(0);
    w.U16(static_cast<uint16_t>(cells_.empty() ? 0 : lastColumn_ + 1));
    w.U16(0);
    w.EndRecord(r);
  }
  for (const Cell& c : cells_) {
    const size_t r = w.BeginRecord(kLabelSst);
    w.U16(c.row);
    w.U16(c.column);
    w.U16(c.xf);
    w.U32(c.sst);
    w.EndRecord(r);
  }
  {
    const size_t r = w.BeginRecord(kWindow2);
    w.U16(0x06B6);  // gridlines, headers, zeros, automatic grid colour, outline, selected, shown
    w.U16(0);
    w.U16(0);
    w.U16(0x40);
    w.U16(0);
    w.U16(0);
    w.U16(0);
    w.U32(0);
    w.EndRecord(r);
  }
  WriteEof(w);
  return std::move(w.bytes);
}

bool Workbook::Save(const std::filesystem::path& path) const {
  CompoundFileWriter container;
  container.AddStream(u"Workbook", BuildWorkbookStream());
  const std::vector<uint8_t> bytes = container.Build();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace mirn::xls
