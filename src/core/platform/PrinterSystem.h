#pragma once
// The printers of the machine, as the print engine and the printer settings need them:
// which printers exist, what they report about themselves, their device mode (the paper and
// quality choices a job is printed with), the geometry of their pages, and documents sent to
// them page by page.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mirn {

class Canvas;

// Bits of DeviceMode::fields: which values the driver (or a saved setting) has set.
inline constexpr std::uint32_t kDmOrientation = 0x1;
inline constexpr std::uint32_t kDmPaperSize = 0x2;
inline constexpr std::uint32_t kDmPaperLength = 0x4;
inline constexpr std::uint32_t kDmPaperWidth = 0x8;
inline constexpr std::uint32_t kDmDefaultSource = 0x200;
inline constexpr std::uint32_t kDmPrintQuality = 0x400;
inline constexpr std::uint32_t kDmDuplex = 0x1000;
inline constexpr std::uint32_t kDmYResolution = 0x2000;

inline constexpr std::int16_t kOrientationPortrait = 1;
inline constexpr std::int16_t kOrientationLandscape = 2;
inline constexpr std::int16_t kDuplexSimplex = 1;

// Paper size codes used by the printer layer (the common device-mode numbering).
inline constexpr std::int16_t kPaperLetter = 1;
inline constexpr std::int16_t kPaperLegal = 5;
inline constexpr std::int16_t kPaperA4 = 9;
// A size of its own, given by the width and length (the paper-size bit then stays clear).
inline constexpr std::int16_t kPaperUser = 256;

// The settings a document is printed with. Lengths in tenths of a millimetre; the print
// quality is in dots per inch when positive.
struct DeviceMode {
  std::uint32_t fields = 0;
  std::int16_t orientation = kOrientationPortrait;
  std::int16_t paperSize = 0;
  std::int16_t paperLength = 0;
  std::int16_t paperWidth = 0;
  std::int16_t defaultSource = 0;
  std::int16_t printQuality = 0;
  std::int16_t yResolution = 0;
  std::int16_t duplex = kDuplexSimplex;
};

// What a printer says about itself. `status` uses the status bits of the status table
// (0x1 paused … 0x1000000 power save); 0 is ready.
struct PrinterInfo {
  std::wstring name;
  std::wstring driver;    // make and model of the driver
  std::wstring port;      // where the spooler sends the data (device URI)
  std::wstring location;
  std::wstring comment;
  std::uint32_t status = 0;
  int queuedJobs = 0;
  bool shared = false;    // a printer of another machine, reached through the network
};

// One paper the driver offers: its code and size in tenths of a millimetre.
struct PaperEntry {
  std::int16_t code = 0;
  std::int16_t width = 0;
  std::int16_t length = 0;
};

// The page geometry a printer gives for a device mode, in device units unless named.
struct PrinterCapabilities {
  int dpiX = 1440;
  int dpiY = 1440;
  int horzRes = 0;          // printable width
  int vertRes = 0;          // printable height
  int offsetLeft = 0;       // printing offset: printable area from the paper's top left
  int offsetTop = 0;
  int numColors = 2;        // 2 with 1 bit per pixel is a monochrome device
  int bitsPerPixel = 1;
  // Degrees the driver turns landscape pages (90 or 270); empty when it cannot be asked.
  std::optional<int> landscapeRotation;
  std::vector<PaperEntry> papers;
};

// A document being sent to a printer or a file. Pages are drawn on `PageCanvas` between
// StartPage and EndPage. Each call answers false when it failed; End must still be called.
class PrintDocument {
 public:
  virtual ~PrintDocument() = default;
  virtual bool StartPage() = 0;
  virtual Canvas& PageCanvas() = 0;
  virtual bool EndPage() = 0;
  virtual bool End() = 0;
};

class PrinterSystem {
 public:
  virtual ~PrinterSystem() = default;
  // Local and network printers, in the order the system lists them.
  virtual std::vector<std::wstring> ListPrinters() = 0;
  // The system's default printer; empty when there is none.
  virtual std::wstring DefaultPrinter() = 0;
  virtual std::optional<PrinterInfo> Info(const std::wstring& name) = 0;
  // The device mode the printer starts with; empty when the printer cannot be opened.
  virtual std::optional<DeviceMode> DefaultDeviceMode(const std::wstring& name) = 0;
  // The geometry of pages printed with `mode`; empty when the printer cannot be opened.
  virtual std::optional<PrinterCapabilities> Capabilities(const std::wstring& name,
                                                          const DeviceMode& mode) = 0;
  // Starts a document named `title`; empty when it cannot be started.
  virtual std::unique_ptr<PrintDocument> StartDocument(const std::wstring& name,
                                                       const DeviceMode& mode,
                                                       const std::wstring& title) = 0;
};

}  // namespace mirn
