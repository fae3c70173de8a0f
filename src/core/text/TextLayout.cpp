#include "text/TextLayout.h"

#include <algorithm>

#include "text/CRTFText.h"

namespace mirn {
namespace {

// The font sizes drawn are kept to what a device can render; a stored size beyond it is
// drawn at the largest size rather than asking the canvas for an absurd font.
constexpr long long kMaxPoints = 4000;

}  // namespace

FontSpec CRTFText::FontFor(const TextFormat& format, int zoomPercent, int dpiY) {
  long long points = static_cast<long long>(zoomPercent) * format.size / 200;
  points = std::clamp(points, 0LL, kMaxPoints);
  FontSpec font;
  font.face = format.face;
  font.height = -MulDiv(static_cast<int>(points), dpiY, 72);
  font.weight = format.bold ? 700 : 400;
  font.italic = format.italic != 0;
  font.underline = format.underline != 0;
  font.strikeout = format.strikeout != 0;
  return font;
}

TextLayout LayOutText(const CRTFText& text, Canvas& canvas, int zoomPercent) {
  const std::wstring& display = text.GetDisplayText();
  const auto& charFormats = text.GetCharFormats();
  const auto& formats = text.GetFormats();
  TextLayout layout;
  if (display.empty() || formats.empty()) return layout;

  int selected = -1;
  auto select = [&](std::uint16_t format) {
    if (selected == format) return;
    canvas.SetFont(CRTFText::FontFor(formats[format < formats.size() ? format : 0], zoomPercent,
                                     canvas.DpiY()));
    selected = format;
  };
  auto measure = [&](TextRun& run, std::wstring_view chars) {
    select(run.format);
    const FontMetrics m = canvas.GetFontMetrics();
    run.width = chars.empty() ? 0 : canvas.GetTextExtent(chars).width;
    run.height = m.height + m.externalLeading;
    run.ascent = std::max(0, run.height - m.descent);
  };

  std::size_t lineStart = 0;
  while (lineStart <= display.size()) {
    std::size_t lineEnd = display.find(L'\n', lineStart);
    if (lineEnd == std::wstring::npos) lineEnd = display.size();
    TextLine line;
    for (std::size_t i = lineStart; i < lineEnd;) {
      TextRun run;
      run.start = i;
      run.format = charFormats[i];
      while (i < lineEnd && charFormats[i] == run.format) ++i;
      run.length = i - run.start;
      measure(run, std::wstring_view(display).substr(run.start, run.length));
      line.runs.push_back(run);
    }
    if (line.runs.empty()) {
      // An empty line keeps the height of its line break's font, so blank lines the user
      // typed stay visible as space.
      TextRun probe;
      const std::size_t at = lineEnd < display.size() ? lineEnd : lineStart - 1;
      probe.format = charFormats[at];
      measure(probe, {});
      line.height = probe.height;
      line.ascent = probe.ascent;
      line.firstFormat = probe.format;
    } else {
      line.firstFormat = line.runs.front().format;
      for (const TextRun& run : line.runs) {
        line.width += run.width;
        line.height = std::max(line.height, run.height);
        line.ascent = std::max(line.ascent, run.ascent);
      }
    }
    layout.width = std::max(layout.width, line.width);
    layout.height += line.height;
    layout.lines.push_back(std::move(line));
    if (lineEnd == display.size()) break;
    lineStart = lineEnd + 1;
  }
  return layout;
}

std::vector<int> JustifiedAdvances(const std::vector<int>& widths, int width) {
  std::vector<int> advances = widths;
  if (widths.size() < 2) return advances;
  long long total = 0;
  for (int w : widths) total += w;
  const long long free = std::max<long long>(0, width - total);
  const long long gaps = static_cast<long long>(widths.size()) - 1;
  const long long share = free / gaps;
  const long long remainder = free % gaps;
  long long accumulated = 0;
  for (long long i = 0; i < gaps; ++i) {
    advances[i] += static_cast<int>(share);
    // The fractional parts (remainder / gaps each) add one unit whenever they pass a whole.
    accumulated += remainder;
    if (accumulated >= gaps) {
      accumulated -= gaps;
      advances[i] += 1;
    }
  }
  return advances;
}

TextBlockSize CRTFText::Measure(Canvas& canvas, int zoomPercent) const {
  const TextLayout layout = LayOutText(*this, canvas, zoomPercent);
  return {layout.width, layout.height};
}

namespace {

// The part of a run that can show between 0 and `width` when it starts at `x`: characters
// wholly left of 0 or wholly right of `width` are not drawn (a field draws at most what
// fits, so a megabyte of text costs no more on paper or in a PDF than what shows). One
// character more is kept at each side for glyphs that reach past their advance (italics).
struct VisiblePart {
  std::size_t first = 0;
  std::size_t count = 0;
  int x = 0;  // where the first drawn character starts
};

VisiblePart Visible(const std::vector<int>& advances, int x, int width) {
  VisiblePart part;
  std::size_t i = 0;
  while (i < advances.size() && x + advances[i] <= 0) x += advances[i++];
  if (i > 0) x -= advances[--i];
  part.first = i;
  part.x = x;
  while (i < advances.size() && x < width) x += advances[i++];
  if (i < advances.size()) ++i;
  part.count = i - part.first;
  return part;
}

}  // namespace

void CRTFText::Draw(Canvas& canvas, const DeviceRect& rect, int zoomPercent) const {
  if (rect.IsEmpty()) return;  // a field too small to show anything at this zoom
  if (display_.empty()) {
    canvas.FillRect(rect, canvas.GetBackgroundColor());
    return;
  }
  const TextLayout layout = LayOutText(*this, canvas, zoomPercent);
  const int width = rect.Width();
  canvas.BeginLayer(rect);
  int top = (rect.Height() - layout.height) / 2;
  for (const TextLine& line : layout.lines) {
    // Lines wholly above or below the field do not show.
    if (top >= rect.Height()) break;
    if (top + line.height <= 0) {
      top += line.height;
      continue;
    }
    const Alignment align = formats_[line.firstFormat].alignment;
    int x = 0;
    if (align == Alignment::Center) x = (width - line.width) / 2;
    else if (align == Alignment::Right) x = width - line.width;
    const int baseline = top + line.ascent;

    std::vector<int> advances;
    if (align == Alignment::Justify && !line.runs.empty()) {
      // The line's free width is shared over all its gaps, across runs of different
      // formats, so that the line as a whole ends at the right edge.
      std::vector<int> widths;
      for (const TextRun& run : line.runs) {
        canvas.SetFont(FontFor(formats_[run.format], zoomPercent, canvas.DpiY()));
        const auto w = canvas.GetCharWidths(std::wstring_view(display_).substr(run.start, run.length));
        widths.insert(widths.end(), w.begin(), w.end());
      }
      advances = JustifiedAdvances(widths, width);
    }
    std::size_t offset = 0;
    for (const TextRun& run : line.runs) {
      if (x >= width) break;
      const TextFormat& format = formats_[run.format];
      canvas.SetFont(FontFor(format, zoomPercent, canvas.DpiY()));
      const std::wstring_view chars = std::wstring_view(display_).substr(run.start, run.length);
      if (advances.empty()) {
        if (x + run.width > 0) {
          canvas.SetTextColor(format.color);
          if (x >= 0 && x + run.width <= width) {
            canvas.DrawText(x, baseline, chars);
          } else {
            const VisiblePart part = Visible(canvas.GetCharWidths(chars), x, width);
            canvas.DrawText(part.x, baseline, chars.substr(part.first, part.count));
          }
        }
        x += run.width;
      } else {
        const std::vector<int> own(advances.begin() + static_cast<std::ptrdiff_t>(offset),
                                   advances.begin() + static_cast<std::ptrdiff_t>(offset + run.length));
        const VisiblePart part = Visible(own, x, width);
        if (part.count > 0) {
          canvas.SetTextColor(format.color);
          const std::vector<int> drawn(own.begin() + static_cast<std::ptrdiff_t>(part.first),
                                       own.begin() + static_cast<std::ptrdiff_t>(part.first + part.count));
          canvas.DrawText(part.x, baseline, chars.substr(part.first, part.count), &drawn);
        }
        for (int a : own) x += a;
        offset += run.length;
      }
    }
    top += line.height;
  }
  canvas.EndLayer();
}

}  // namespace mirn
