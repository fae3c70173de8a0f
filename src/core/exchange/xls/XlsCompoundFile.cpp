#include "exchange/xls/XlsCompoundFile.h"

#include <algorithm>
#include <stdexcept>

namespace mirn::xls {
namespace {

constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kDifatSector = 0xFFFFFFFC;
constexpr uint32_t kNoStream = 0xFFFFFFFF;
constexpr uint32_t kEntriesPerFatSector = CompoundFileWriter::kSectorSize / 4;
constexpr uint32_t kHeaderDifatEntries = 109;
constexpr uint32_t kDirEntrySize = 128;

uint32_t CeilDiv(uint64_t a, uint64_t b) { return static_cast<uint32_t>((a + b - 1) / b); }

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
  out[at] = static_cast<uint8_t>(v);
  out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Sibling order of directory entries: shorter names first, then by upper-cased code units.
bool EntryLess(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  for (size_t i = 0; i < a.size(); ++i) {
    auto up = [](char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; };
    if (up(a[i]) != up(b[i])) return up(a[i]) < up(b[i]);
  }
  return false;
}

// Marks `count` consecutive units from `first` as one chain in an allocation table.
void Chain(std::vector<uint32_t>& table, uint32_t first, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i) table[first + i] = (i + 1 < count) ? first + i + 1 : kEndOfChain;
}

void WriteDirEntry(std::vector<uint8_t>& out, size_t at, const std::u16string& name, uint8_t type,
                   uint32_t left, uint32_t right, uint32_t child, uint32_t start, uint32_t size) {
  for (size_t i = 0; i < name.size(); ++i) Put16(out, at + 2 * i, name[i]);
  Put16(out, at + 64, static_cast<uint16_t>((name.size() + 1) * 2));
  out[at + 66] = type;
  out[at + 67] = 1;  // black: every entry black is a valid colouring for readers
  Put32(out, at + 68, left);
  Put32(out, at + 72, right);
  Put32(out, at + 76, child);
  Put32(out, at + 116, start);
  Put32(out, at + 120, size);
}

}  // namespace

void CompoundFileWriter::AddStream(std::u16string name, std::vector<uint8_t> bytes) {
  if (name.empty() || name.size() > 31) throw std::invalid_argument("compound file stream name");
  if (bytes.size() > 0x7FFFFFFFu) throw std::length_error("compound file stream too large");
  streams_.push_back({std::move(name), std::move(bytes)});
}

std::vector<uint8_t> CompoundFileWriter::Build() const {
  std::vector<const Stream*> sorted;
  for (const Stream& s : streams_) sorted.push_back(&s);
  std::sort(sorted.begin(), sorted.end(),
            [](const Stream* a, const Stream* b) { return EntryLess(a->name, b->name); });

  // Where each stream's data goes: regular sectors or mini sectors.
  struct Placement {
    bool mini = false;
    uint32_t start = kEndOfChain;
    uint32_t units = 0;
  };
  std::vector<Placement> place(sorted.size());
  uint32_t sectors = 0;
  uint32_t miniSectors = 0;
  for (size_t i = 0; i < sorted.size(); ++i) {
    const uint64_t size = sorted[i]->bytes.size();
    if (size == 0) continue;
    if (size < kMiniStreamCutoff) {
      place[i] = {true, miniSectors, CeilDiv(size, kMiniSectorSize)};
      miniSectors += place[i].units;
    } else {
      place[i] = {false, sectors, CeilDiv(size, kSectorSize)};
      sectors += place[i].units;
    }
  }
  const uint32_t miniStreamStart = miniSectors ? sectors : kEndOfChain;
  const uint32_t miniStreamSectors = CeilDiv(uint64_t(miniSectors) * kMiniSectorSize, kSectorSize);
  sectors += miniStreamSectors;
  const uint32_t dirStart = sectors;
  const uint32_t dirSectors = CeilDiv((sorted.size() + 1) * kDirEntrySize, kSectorSize);
  sectors += dirSectors;
  const uint32_t miniFatStart = miniSectors ? sectors : kEndOfChain;
  const uint32_t miniFatSectors = CeilDiv(uint64_t(miniSectors) * 4, kSectorSize);
  sectors += miniFatSectors;

  // The allocation table covers itself and the DIFAT sectors that list it.
  uint32_t fatSectors = 0;
  uint32_t difatSectors = 0;
  for (;;) {
    const uint32_t total = sectors + fatSectors + difatSectors;
    const uint32_t needFat = CeilDiv(total, kEntriesPerFatSector);
    const uint32_t needDifat =
        needFat > kHeaderDifatEntries ? CeilDiv(needFat - kHeaderDifatEntries, kEntriesPerFatSector - 1) : 0;
    if (needFat == fatSectors && needDifat == difatSectors) break;
    fatSectors = needFat;
    difatSectors = needDifat;
  }
  const uint32_t fatStart = sectors;
  const uint32_t difatStart = fatStart + fatSectors;
  const uint32_t totalSectors = difatStart + difatSectors;

  std::vector<uint32_t> fat(uint64_t(fatSectors) * kEntriesPerFatSector, kFree);
  std::vector<uint32_t> miniFat(uint64_t(miniFatSectors) * kEntriesPerFatSector, kFree);
  for (const Placement& p : place) {
    if (p.units) Chain(p.mini ? miniFat : fat, p.start, p.units);
  }
  if (miniStreamSectors) Chain(fat, miniStreamStart, miniStreamSectors);
  Chain(fat, dirStart, dirSectors);
  if (miniFatSectors) Chain(fat, miniFatStart, miniFatSectors);
  for (uint32_t i = 0; i < fatSectors; ++i) fat[fatStart + i] = kFatSector;
  for (uint32_t i = 0; i < difatSectors; ++i) fat[difatStart + i] = kDifatSector;

  std::vector<uint8_t> out(uint64_t(totalSectors + 1) * kSectorSize, 0);
  auto sectorAt = [](uint32_t sector) { return uint64_t(sector + 1) * kSectorSize; };

  // Header.
  static constexpr uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  std::copy(std::begin(kSignature), std::end(kSignature), out.begin());
  Put16(out, 24, 0x003E);  // minor version
  Put16(out, 26, 0x0003);  // major version 3
  Put16(out, 28, 0xFFFE);  // little-endian
  Put16(out, 30, 9);       // 2^9 = 512-byte sectors
  Put16(out, 32, 6);       // 2^6 = 64-byte mini sectors
  Put32(out, 44, fatSectors);
  Put32(out, 48, dirStart);
  Put32(out, 56, kMiniStreamCutoff);
  Put32(out, 60, miniFatStart);
  Put32(out, 64, miniFatSectors);
  Put32(out, 68, difatSectors ? difatStart : kEndOfChain);
  Put32(out, 72, difatSectors);
  for (uint32_t i = 0; i < kHeaderDifatEntries; ++i)
    Put32(out, 76 + 4 * i, i < fatSectors ? fatStart + i : kFree);

  // Stream data.
  for (size_t i = 0; i < sorted.size(); ++i) {
    const Placement& p = place[i];
    if (!p.units) continue;
    const uint64_t at = p.mini ? sectorAt(miniStreamStart) + uint64_t(p.start) * kMiniSectorSize
                               : sectorAt(p.start);
    std::copy(sorted[i]->bytes.begin(), sorted[i]->bytes.end(), out.begin() + at);
  }

  // Directory: the root, then the streams as one chain of right siblings in sorted order.
  const uint64_t dirAt = sectorAt(dirStart);
  for (uint32_t e = 0; e < dirSectors * (kSectorSize / kDirEntrySize); ++e) {
    const uint64_t at = dirAt + uint64_t(e) * kDirEntrySize;
    Put32(out, at + 68, kNoStream);
    Put32(out, at + 72, kNoStream);
    Put32(out, at + 76, kNoStream);
  }
  WriteDirEntry(out, dirAt, u"Root Entry", 5, kNoStream, kNoStream, sorted.empty() ? kNoStream : 1,
                miniStreamStart, miniSectors * kMiniSectorSize);
  for (size_t i = 0; i < sorted.size(); ++i) {
    const uint32_t right = i + 1 < sorted.size() ? static_cast<uint32_t>(i + 2) : kNoStream;
    WriteDirEntry(out, dirAt + (i + 1) * kDirEntrySize, sorted[i]->name, 2, kNoStream, right, kNoStream,
                  place[i].units ? place[i].start : kEndOfChain,
                  static_cast<uint32_t>(sorted[i]->bytes.size()));
  }

  // Allocation tables.
  for (size_t i = 0; i < miniFat.size(); ++i) Put32(out, sectorAt(miniFatStart) + 4 * i, miniFat[i]);
  for (size_t i = 0; i < fat.size(); ++i) Put32(out, sectorAt(fatStart) + 4 * i, fat[i]);
  for (uint32_t d = 0; d < difatSectors; ++d) {
    const uint64_t at = sectorAt(difatStart + d);
    for (uint32_t k = 0; k < kEntriesPerFatSector - 1; ++k) {
      const uint32_t index = kHeaderDifatEntries + d * (kEntriesPerFatSector - 1) + k;
      Put32(out, at + 4 * k, index < fatSectors ? fatStart + index : kFree);
    }
    Put32(out, at + 4 * (kEntriesPerFatSector - 1), d + 1 < difatSectors ? difatStart + d + 1 : kEndOfChain);
  }
  return out;
}

}  // namespace mirn::xls
