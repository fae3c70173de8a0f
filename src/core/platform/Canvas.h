#pragma once
// The drawing surface: what the label view, the text model and printing draw on. All
// coordinates and sizes here are device units (pixels of a screen or an image, dots of a
// printer); `TwipsMapping` converts the twips of layouts into them. A canvas keeps a small
// amount of state as a device context does: the selected font, the text colour and the
// background colour.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mirn {

// A colour as 0x00BBGGRR (red in the low byte).
using Color = std::uint32_t;

constexpr Color MakeColor(int red, int green, int blue) {
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
// The frame colour of windows (the system's window-frame colour, black on every theme we
// draw for).
constexpr Color kWindowFrame = 0x000000;

// a × b ÷ c rounded to the nearest integer, halves away from zero; 0 when c is 0. Sizes and
// coordinates are scaled with it everywhere so screen, printer and tests agree to the unit.
int MulDiv(int a, int b, int c);

// A rectangle in device units; right and bottom are exclusive.
struct DeviceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  DeviceRect Inflated(int by) const { return {left - by, top - by, right + by, bottom + by}; }
  bool Intersects(const DeviceRect& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const DeviceRect&) const = default;
};

// The isotropic mapping of twips (logical units) onto a device: device = origin +
// twips × viewport ÷ window, per axis, rounded as MulDiv rounds. The label view uses a window
// extent of 144000 ÷ zoom and the device's dots per inch as viewport; printing uses 1440 and
// the printer's dots per inch, with the label's position on the sheet as origin.
struct TwipsMapping {
  int windowExtX = 1440;
  int windowExtY = 1440;
  int viewportExtX = 96;
  int viewportExtY = 96;
  int originX = 0;  // device position of twips (0, 0)
  int originY = 0;

  // The label view's mapping at a zoom percentage on a device of the given resolution.
  static TwipsMapping ForZoom(int zoomPercent, int dpiX, int dpiY);
  // One twip per 1/1440 inch at the device's resolution (printing).
  static TwipsMapping ForDevice(int dpiX, int dpiY, int originX = 0, int originY = 0);

  int ToDeviceX(int twips) const { return originX + MulDiv(twips, viewportExtX, windowExtX); }
  int ToDeviceY(int twips) const { return originY + MulDiv(twips, viewportExtY, windowExtY); }
  // Sizes (no origin).
  int ToDeviceWidth(int twips) const { return MulDiv(twips, viewportExtX, windowExtX); }
  int ToDeviceHeight(int twips) const { return MulDiv(twips, viewportExtY, windowExtY); }
  int ToTwipsX(int device) const { return MulDiv(device - originX, windowExtX, viewportExtX); }
  int ToTwipsY(int device) const { return MulDiv(device - originY, windowExtY, viewportExtY); }
  int ToTwipsWidth(int device) const { return MulDiv(device, windowExtX, viewportExtX); }
  int ToTwipsHeight(int device) const { return MulDiv(device, windowExtY, viewportExtY); }
  // A rectangle given by its twips corners.
  DeviceRect ToDevice(int left, int top, int right, int bottom) const {
    return {ToDeviceX(left), ToDeviceY(top), ToDeviceX(right), ToDeviceY(bottom)};
  }
};

// A font asked for as a device context asks: `height` < 0 is the character height (the em
// size) in device units, > 0 the cell height, 0 the device's default. Weight 400 is normal,
// 700 bold. The face is resolved by the canvas to the nearest installed font.
struct FontSpec {
  std::wstring face;
  int height = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;

  bool operator==(const FontSpec&) const = default;
};

// Metrics of the selected font, device units. height = ascent + descent.
struct FontMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int averageCharWidth = 0;
};

// Width and height of a text in the selected font.
struct TextExtent {
  int width = 0;
  int height = 0;
};

enum class PenStyle { Solid, Dot, Null };

// Width 0 is the thinnest line the device draws (one device unit).
struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 0;
  Color color = kBlack;
  bool operator==(const Pen&) const = default;
};

// A hollow brush fills nothing.
struct Brush {
  bool hollow = false;
  Color color = kWhite;
  bool operator==(const Brush&) const = default;
};

enum class PictureFormat { Unknown, Bmp, Emf, Gif, Jpeg, Png, Tiff, Wmf, Svg };

// A loaded picture, ready to be drawn on any canvas of the same platform layer.
class Picture {
 public:
  virtual ~Picture() = default;
  // Natural size in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual PictureFormat Format() const = 0;
};

// Loads pictures from files or bytes; null when the data is not a picture it can read.
class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  virtual std::shared_ptr<const Picture> LoadFile(const std::filesystem::path& path) const = 0;
  virtual std::shared_ptr<const Picture> LoadBytes(std::string_view bytes) const = 0;
};

// The name a picture format is shown by ("Portable Network Graphics (PNG)", "Unknown", ...).
std::wstring PictureFormatName(PictureFormat format);

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Device resolution in dots per inch, and bits per pixel.
  virtual int DpiX() const = 0;
  virtual int DpiY() const = 0;
  virtual int ColorDepth() const = 0;
  // Size of the drawing surface in device units.
  virtual int DeviceWidth() const = 0;
  virtual int DeviceHeight() const = 0;

  // Text state. The font stays selected until the next SetFont.
  virtual void SetFont(const FontSpec& font) = 0;
  virtual FontMetrics GetFontMetrics() const = 0;
  virtual TextExtent GetTextExtent(std::wstring_view text) const = 0;
  // The advance of each character of `text` in the selected font.
  virtual std::vector<int> GetCharWidths(std::wstring_view text) const = 0;
  virtual void SetTextColor(Color color) = 0;
  virtual Color GetTextColor() const = 0;
  // The background colour: what FillBackground and off-screen layers start with.
  virtual void SetBackgroundColor(Color color) = 0;
  virtual Color GetBackgroundColor() const = 0;
  // Text with its baseline at y, starting at x, in the text colour on a transparent
  // background. With `advances` (one per character) each character is placed that far after
  // the previous one, as justified text needs; otherwise the font's own advances are used.
  virtual void DrawText(int x, int baselineY, std::wstring_view text,
                        const std::vector<int>* advances = nullptr) = 0;

  // Shapes. The pen draws the outline inside the rectangle's bounds as a device context
  // does; a hollow brush leaves the inside as it is.
  virtual void FillRect(const DeviceRect& rect, Color color) = 0;
  // A frame one device unit wide along the inside of the rectangle.
  virtual void FrameRect(const DeviceRect& rect, Color color) = 0;
  virtual void DrawRectangle(const DeviceRect& rect, const Pen& pen, const Brush& brush) = 0;
  // Corners are quarter ellipses of the given size.
  virtual void DrawRoundRect(const DeviceRect& rect, int ellipseWidth, int ellipseHeight,
                             const Pen& pen, const Brush& brush) = 0;
  virtual void DrawEllipse(const DeviceRect& rect, const Pen& pen, const Brush& brush) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2, const Pen& pen) = 0;
  // A dotted frame in the style of a focus rectangle.
  virtual void DrawFocusRect(const DeviceRect& rect) = 0;
  // The picture stretched to the rectangle.
  virtual void DrawPicture(const Picture& picture, const DeviceRect& rect) = 0;

  // Restricts drawing to a rectangle until ResetClip.
  virtual void SetClipRect(const DeviceRect& rect) = 0;
  virtual void ResetClip() = 0;

  // Off-screen layers: BeginLayer starts an off-screen surface of the rectangle's size,
  // filled with the background colour, whose (0, 0) is the rectangle's top-left corner;
  // drawing goes there until EndLayer copies it onto the surface beneath at the rectangle.
  // Layers nest.
  virtual void BeginLayer(const DeviceRect& rect) = 0;
  virtual void EndLayer() = 0;
};

}  // namespace mirn
