#include "qt/QPainterCanvas.h"

#include <QBuffer>
#include <algorithm>
#include <QImageReader>
#include <QPaintDevice>

#include "qt/QtText.h"

namespace mirn {
namespace {

PictureFormat FormatOf(const QByteArray& name) {
  const QByteArray n = name.toLower();
  if (n == "png") return PictureFormat::Png;
  if (n == "jpeg" || n == "jpg") return PictureFormat::Jpeg;
  if (n == "gif") return PictureFormat::Gif;
  if (n == "bmp" || n == "dib") return PictureFormat::Bmp;
  if (n == "tif" || n == "tiff") return PictureFormat::Tiff;
  return PictureFormat::Unknown;
}

std::shared_ptr<const Picture> Read(QImageReader& reader) {
  const PictureFormat format = FormatOf(reader.format());
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_shared<QtPicture>(std::move(image), format);
}

QRect ToQRect(const DeviceRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
// The outline of a shape drawn with a one-unit pen covers left..right-1 as a device context
// draws it.
QRect OutlineRect(const DeviceRect& r) { return QRect(r.left, r.top, r.Width() - 1, r.Height() - 1); }

}  // namespace

std::shared_ptr<const Picture> QtPictureLoader::LoadFile(const std::filesystem::path& path) const {
  QImageReader reader(PathToQString(path));
  reader.setAutoTransform(true);
  return Read(reader);
}

std::shared_ptr<const Picture> QtPictureLoader::LoadBytes(std::string_view bytes) const {
  QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  return Read(reader);
}

QPainterCanvas::QPainterCanvas(QPainter& painter, int dpiX, int dpiY, bool paper) : painter_(painter), paper_(paper) {
  QPaintDevice* device = painter.device();
  dpiX_ = dpiX > 0 ? dpiX : (device ? device->logicalDpiX() : 96);
  dpiY_ = dpiY > 0 ? dpiY : (device ? device->logicalDpiY() : 96);
  painter_.setBackgroundMode(Qt::TransparentMode);
}

int QPainterCanvas::ColorDepth() const {
  QPaintDevice* device = painter_.device();
  return device ? device->depth() : 32;
}
int QPainterCanvas::DeviceWidth() const {
  QPaintDevice* device = painter_.device();
  return device ? device->width() : 0;
}
int QPainterCanvas::DeviceHeight() const {
  QPaintDevice* device = painter_.device();
  return device ? device->height() : 0;
}

QColor QPainterCanvas::ToQColor(Color color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

const QPainterCanvas::ResolvedFont& QPainterCanvas::Resolve(const FontSpec& spec) {
  auto key = std::make_tuple(spec.face, spec.height, spec.weight, spec.italic, spec.underline,
                             spec.strikeout);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return *found->second;

  auto resolved = std::make_unique<ResolvedFont>();
  QFont font(ToQString(spec.face));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight, 1, 1000)));
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  font.setStrikeOut(spec.strikeout);
  // Characters advance by whole device units, without kerning, so that measured widths and
  // drawn text agree to the unit as justified text needs.
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferFullHinting);
  int em = spec.height < 0 ? -spec.height : MulDiv(12, dpiY_, 72);
  font.setPixelSize(std::max(1, em));
  if (spec.height > 0) {
    // A positive height is the cell height (ascent plus descent): scale the em to fit it.
    const QFontMetrics probe(font, painter_.device());
    const int cell = probe.ascent() + probe.descent();
    if (cell > 0) em = std::max(1, MulDiv(spec.height, em, cell));
    font.setPixelSize(em);
  }
  resolved->font = font;
  resolved->metrics = QFontMetrics(font, painter_.device());
  resolved->em = em;
  return *fonts_.emplace(key, std::move(resolved)).first->second;
}

void QPainterCanvas::SetFont(const FontSpec& font) {
  current_ = &Resolve(font);
  painter_.setFont(current_->font);
}

FontMetrics QPainterCanvas::GetFontMetrics() const {
  FontMetrics m;
  if (!current_) return m;
  const QFontMetrics& q = current_->metrics;
  m.ascent = q.ascent();
  m.descent = q.descent();
  m.height = m.ascent + m.descent;
  m.internalLeading = std::max(0, m.height - current_->em);
  m.externalLeading = std::max(0, q.leading());
  m.averageCharWidth = q.averageCharWidth();
  return m;
}

TextExtent QPainterCanvas::GetTextExtent(std::wstring_view text) const {
  if (!current_) return {};
  int width = 0;
  for (int w : GetCharWidths(text)) width += w;
  const QFontMetrics& q = current_->metrics;
  return {width, q.ascent() + q.descent()};
}

std::vector<int> QPainterCanvas::GetCharWidths(std::wstring_view text) const {
  std::vector<int> widths;
  if (!current_) return std::vector<int>(text.size(), 0);
  widths.reserve(text.size());
  const QFontMetrics& q = current_->metrics;
  for (wchar_t ch : text) {
    auto [it, added] = current_->advances.try_emplace(ch, 0);
    if (added) it->second = q.horizontalAdvance(ToQString(std::wstring_view(&ch, 1)));
    widths.push_back(it->second);
  }
  return widths;
}

void QPainterCanvas::DrawText(int x, int baselineY, std::wstring_view text,
                              const std::vector<int>* advances) {
  if (text.empty()) return;
  if (paper_ && current_) {
    int width = 0;
    if (advances) {
      for (int a : *advances) width += a;
    } else {
      for (int w : GetCharWidths(text)) width += w;
    }
    const QFontMetrics& q = current_->metrics;
    // Italic and overhanging glyphs may reach a little past their advances.
    const int overhang = q.averageCharWidth() / 2;
    WillPaint(QRect(x - overhang, baselineY - q.ascent(), width + 2 * overhang, q.ascent() + q.descent()));
  }
  painter_.setPen(ToQColor(textColor_));
  if (!advances) {
    painter_.drawText(x, baselineY, ToQString(text));
    return;
  }
  // Explicit advances: each character at its own whole device unit.
  int pos = x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    painter_.drawText(pos, baselineY, ToQString(text.substr(i, 1)));
    pos += i < advances->size() ? (*advances)[i] : 0;
  }
}

QPen QPainterCanvas::ToQPen(const Pen& pen) const {
  if (pen.style == PenStyle::Null) return QPen(Qt::NoPen);
  QPen q(ToQColor(pen.color));
  q.setWidth(pen.width);  // 0 is Qt's cosmetic one-unit pen
  q.setCosmetic(pen.width == 0);
  if (pen.style == PenStyle::Dot) q.setStyle(Qt::DotLine);
  q.setJoinStyle(Qt::MiterJoin);
  return q;
}

QBrush QPainterCanvas::ToQBrush(const Brush& brush) const {
  if (brush.hollow) return QBrush(Qt::NoBrush);
  return QBrush(ToQColor(brush.color));
}

void QPainterCanvas::FillRect(const DeviceRect& rect, Color color) {
  if (rect.IsEmpty()) return;
  WillPaint(ToQRect(rect));
  painter_.fillRect(ToQRect(rect), ToQColor(color));
}

void QPainterCanvas::FrameRect(const DeviceRect& rect, Color color) {
  if (rect.IsEmpty()) return;
  WillPaint(ToQRect(rect));
  painter_.setPen(QPen(ToQColor(color), 0));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(OutlineRect(rect));
}

void QPainterCanvas::DrawRectangle(const DeviceRect& rect, const Pen& pen, const Brush& brush) {
  if (rect.IsEmpty()) return;
  WillPaint(ToQRect(rect));
  if (pen.style == PenStyle::Null) {
    if (!brush.hollow) FillRect(rect, brush.color);
    return;
  }
  painter_.setPen(ToQPen(pen));
  painter_.setBrush(ToQBrush(brush));
  painter_.drawRect(OutlineRect(rect));
}

void QPainterCanvas::DrawRoundRect(const DeviceRect& rect, int ellipseWidth, int ellipseHeight,
                                   const Pen& pen, const Brush& brush) {
  if (rect.IsEmpty()) return;
  WillPaint(ToQRect(rect));
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setPen(ToQPen(pen));
  painter_.setBrush(ToQBrush(brush));
  painter_.drawRoundedRect(QRectF(OutlineRect(rect)).translated(0.5, 0.5), ellipseWidth / 2.0,
                           ellipseHeight / 2.0);
  painter_.restore();
}

void QPainterCanvas::DrawEllipse(const DeviceRect& rect, const Pen& pen, const Brush& brush) {
  if (rect.IsEmpty()) return;
  WillPaint(ToQRect(rect));
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setPen(ToQPen(pen));
  painter_.setBrush(ToQBrush(brush));
  painter_.drawEllipse(QRectF(OutlineRect(rect)).translated(0.5, 0.5));
  painter_.restore();
}

void QPainterCanvas::DrawLine(int x1, int y1, int x2, int y2, const Pen& pen) {
  WillPaint(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
                .adjusted(-pen.width, -pen.width, pen.width + 1, pen.width + 1));
  painter_.setPen(ToQPen(pen));
  painter_.drawLine(x1, y1, x2, y2);
}

void QPainterCanvas::DrawFocusRect(const DeviceRect& rect) {
  if (rect.IsEmpty()) return;
  WillPaint(ToQRect(rect));
  QPen pen(Qt::black, 0);
  pen.setCosmetic(true);
  pen.setDashPattern({1, 1});
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(OutlineRect(rect));
}

void QPainterCanvas::DrawPicture(const Picture& picture, const DeviceRect& rect) {
  const auto* qt = dynamic_cast<const QtPicture*>(&picture);
  if (!qt || rect.IsEmpty()) return;
  WillPaint(ToQRect(rect));
  painter_.save();
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter_.drawImage(ToQRect(rect), qt->Image());
  painter_.restore();
}

void QPainterCanvas::SetClipRect(const DeviceRect& rect) { painter_.setClipRect(ToQRect(rect)); }
void QPainterCanvas::ResetClip() { painter_.setClipping(false); }

// The off-screen layer is opaque (filled with the background first) and clipped to its
// rectangle, so drawing it in place under a clip and a translation gives the same picture as
// a bitmap copied there, without the copy, and keeps text as text on printers and in PDF.
// On paper a white fill over nothing changes nothing and a clip that nothing reaches cuts
// nothing: both are left out until they would make a difference.
void QPainterCanvas::BeginLayer(const DeviceRect& rect) {
  painter_.save();
  if (!paper_) {
    painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
    painter_.fillRect(ToQRect(rect), ToQColor(background_));
  } else {
    const QRect page = painter_.transform().mapRect(ToQRect(rect));
    const bool covers = background_ != kWhite ||
                        std::any_of(marks_.begin(), marks_.end(), [&](const QRect& m) { return m.intersects(page); });
    Layer layer{page, QSize(rect.Width(), rect.Height()), false};
    if (covers) {
      painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
      painter_.fillRect(ToQRect(rect), ToQColor(background_));
      layer.clipped = true;
      marks_.push_back(page);
    }
    open_.push_back(layer);
  }
  painter_.translate(rect.left, rect.top);
  ++layers_;
}

void QPainterCanvas::EndLayer() {
  if (layers_ == 0) return;
  --layers_;
  if (paper_ && !open_.empty()) open_.pop_back();
  painter_.restore();
  if (current_) painter_.setFont(current_->font);
}

void QPainterCanvas::WillPaint(const QRect& rect) {
  if (!paper_) return;
  const QRect page = painter_.transform().mapRect(rect);
  if (!open_.empty()) {
    Layer& layer = open_.back();
    if (!layer.clipped && !layer.page.contains(page)) {
      // Current coordinates are the layer's own, its corner at (0, 0).
      painter_.setClipRect(QRect(QPoint(0, 0), layer.size), Qt::IntersectClip);
      layer.clipped = true;
    }
  }
  marks_.push_back(page.intersected(open_.empty() ? page : open_.back().page));
}

}  // namespace mirn
