#pragma once
// Device-mode paper codes and paper sources ⇄ Qt's page sizes and paper sources.

#include <QPageSize>
#include <QPrinter>

#include "platform/PrinterSystem.h"

namespace mirn {

// The page size a device mode asks for: its paper code when it has one Qt knows, else its
// width and length, else US Letter.
QPageSize PageSizeFor(const DeviceMode& mode);
// The paper code of a page size (0 for a size without one).
std::int16_t PaperCodeOf(const QPageSize& size);
// Width and length of a page size in tenths of a millimetre (portrait).
void PaperTenthsOf(const QPageSize& size, std::int16_t& width, std::int16_t& length);
// Puts `size` into `mode`: its width and length, and its paper code; a size without a code
// gets the user-defined code with the paper-size bit clear, so that readers of the mode
// take the width and length instead of looking up a code.
void SetPaperOf(const QPageSize& size, DeviceMode& mode);

std::int16_t SourceCodeOf(QPrinter::PaperSource source);
QPrinter::PaperSource PaperSourceFor(std::int16_t code);

// Sets page size, orientation, source, resolution and duplex of `printer` from `mode`.
// Duplex is always off: labels are printed on one side.
void ApplyDeviceMode(QPrinter& printer, const DeviceMode& mode);

}  // namespace mirn
