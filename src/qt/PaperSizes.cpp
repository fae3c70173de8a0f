#include "qt/PaperSizes.h"

#include <cmath>

namespace mirn {
namespace {

struct PaperCode {
  std::int16_t code;
  QPageSize::PageSizeId id;
};

// The common device-mode paper numbering.
constexpr PaperCode kPaperCodes[] = {
    {1, QPageSize::Letter},     {3, QPageSize::Tabloid},     {4, QPageSize::Ledger},
    {5, QPageSize::Legal},      {7, QPageSize::Executive},   {8, QPageSize::A3},
    {9, QPageSize::A4},         {11, QPageSize::A5},         {12, QPageSize::B4},
    {13, QPageSize::B5},        {14, QPageSize::Folio},      {19, QPageSize::Envelope9},
    {20, QPageSize::Comm10E},   {27, QPageSize::EnvelopeDL}, {28, QPageSize::EnvelopeC5},
    {29, QPageSize::EnvelopeC3}, {30, QPageSize::EnvelopeC4}, {31, QPageSize::EnvelopeC6},
    {34, QPageSize::EnvelopeB5}, {37, QPageSize::EnvelopeMonarch}, {70, QPageSize::A6},
};

struct SourceCode {
  std::int16_t code;
  QPrinter::PaperSource source;
};

constexpr SourceCode kSources[] = {
    {1, QPrinter::Upper},         {2, QPrinter::Lower},          {3, QPrinter::Middle},
    {4, QPrinter::Manual},        {5, QPrinter::Envelope},       {6, QPrinter::EnvelopeManual},
    {7, QPrinter::Auto},          {8, QPrinter::Tractor},        {9, QPrinter::SmallFormat},
    {10, QPrinter::LargeFormat},  {11, QPrinter::LargeCapacity}, {14, QPrinter::Cassette},
    {15, QPrinter::FormSource},
};

}  // namespace

QPageSize PageSizeFor(const DeviceMode& mode) {
  if (mode.fields & kDmPaperSize) {
    for (const PaperCode& p : kPaperCodes) {
      if (p.code == mode.paperSize) return QPageSize(p.id);
    }
  }
  if ((mode.fields & kDmPaperWidth) && (mode.fields & kDmPaperLength) && mode.paperWidth > 0 && mode.paperLength > 0) {
    return QPageSize(QSizeF(mode.paperWidth / 10.0, mode.paperLength / 10.0), QPageSize::Millimeter);
  }
  return QPageSize(QPageSize::Letter);
}

std::int16_t PaperCodeOf(const QPageSize& size) {
  for (const PaperCode& p : kPaperCodes) {
    if (p.id == size.id()) return p.code;
  }
  return 0;
}

void PaperTenthsOf(const QPageSize& size, std::int16_t& width, std::int16_t& length) {
  const QSizeF mm = size.size(QPageSize::Millimeter);
  width = static_cast<std::int16_t>(std::lround(mm.width() * 10));
  length = static_cast<std::int16_t>(std::lround(mm.height() * 10));
}

void SetPaperOf(const QPageSize& size, DeviceMode& mode) {
  mode.fields |= kDmPaperSize | kDmPaperWidth | kDmPaperLength;
  mode.paperSize = PaperCodeOf(size);
  if (mode.paperSize == 0) {
    mode.paperSize = kPaperUser;
    mode.fields &= ~kDmPaperSize;
  }
  PaperTenthsOf(size, mode.paperWidth, mode.paperLength);
}

std::int16_t SourceCodeOf(QPrinter::PaperSource source) {
  for (const SourceCode& s : kSources) {
    if (s.source == source) return s.code;
  }
  return 7;
}

QPrinter::PaperSource PaperSourceFor(std::int16_t code) {
  for (const SourceCode& s : kSources) {
    if (s.code == code) return s.source;
  }
  return QPrinter::Auto;
}

void ApplyDeviceMode(QPrinter& printer, const DeviceMode& mode) {
  printer.setPageSize(PageSizeFor(mode));
  printer.setPageOrientation(mode.orientation == kOrientationLandscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
  if (mode.fields & kDmDefaultSource) printer.setPaperSource(PaperSourceFor(mode.defaultSource));
  if ((mode.fields & kDmPrintQuality) && mode.printQuality > 0) printer.setResolution(mode.printQuality);
  printer.setDuplex(QPrinter::DuplexNone);
}

}  // namespace mirn
