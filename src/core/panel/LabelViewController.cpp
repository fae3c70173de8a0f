#include "panel/LabelViewController.h"

#include <algorithm>

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "db/MRBBase.h"
#include "panel/FieldOverflow.h"
#include "panel/LabelFieldTexts.h"
#include "panel/ShrinkToFit.h"
#include "platform/Clipboard.h"
#include "platform/Profile.h"
#include "platform/UserInterface.h"
#include "templates/CDDFTemplate.h"
#include "templates/ModelName.h"
#include "text/CRTFText.h"
#include "text/FieldClipboard.h"
#include "text/MRBFieldTextSource.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr std::wstring_view kZoomSection = L"Zoom";
constexpr Color kOverflowMark = MakeColor(220, 0, 0);
std::wstring ClipboardLockedText() {
  return Tr("LabelViewController",
            "The text could not be copied to the clipboard because another application has locked the clipboard.");
}

std::wstring CrLf(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    if (c == L'\n') out += L'\r';
    out += c;
  }
  return out;
}

bool Contains(const FieldIds& ids, std::uint32_t id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

}  // namespace

std::wstring LabelCaption(const std::wstring& extensionId, const CDDFTemplate& layout) {
  return FormatString(Tr("LabelViewController", "Extension \u2018%1\u2019 \u2014 %2"),
                      {extensionId, ModelNameMakerAfter(layout.GetGroupName(), layout.GetDescription())});
}

LabelViewController::LabelViewController(LabelViewHost& host, UserInterface& ui, Profile& profile,
                                         Clipboard& clipboard, TemplateLookup templates)
    : host_(host), ui_(ui), profile_(profile), clipboard_(clipboard), templates_(std::move(templates)) {
  const int mode = profile_.GetInt(kZoomSection, L"Mode", 0);
  fit_ = mode == 1 ? FitMode::Width : mode == 2 ? FitMode::Label : FitMode::None;
  zoom_ = ClampZoom(profile_.GetInt(kZoomSection, L"Factor", 100));
}

LabelViewController::~LabelViewController() = default;

// ---- extension and database --------------------------------------------------------------

void LabelViewController::SetDatabase(MRBBase* db) {
  if (editor_) host_.CloseEditor();
  Leave();
  db_ = db;
  source_ = db ? std::make_unique<MRBFieldTextSource>(*db) : nullptr;
  history_.Clear();
  StateChanged();
}

void LabelViewController::Leave() {
  if (!extensionId_.empty() && onExtensionLeaving) onExtensionLeaving(extensionId_);
  const bool had = layout_ != nullptr;
  caption_.clear();
  host_.SetCaption(caption_);
  selection_.clear();
  texts_.reset();
  layout_.reset();
  overflow_.clear();
  extensionId_.clear();
  typeCode_.clear();
  extensionName_.clear();
  banding_ = false;
  if (had) host_.LabelGeometryChanged();
}

void LabelViewController::SetExtension(const std::wstring& extensionId) {
  if (extensionId == extensionId_) return;
  if (editor_) host_.CloseEditor();
  Leave();
  if (extensionId.empty() || !db_) {
    StateChanged();
    return;
  }
  std::wstring typeCode, name;
  if (db_->GetExtension(extensionId, typeCode, name) != 0) {
    StateChanged();
    return;
  }
  std::shared_ptr<const CDDFTemplate> layout = templates_ ? templates_(typeCode) : nullptr;
  if (!layout) {
    ui_.Message(FormatString(LoadString(kStrMissingAddOn), {typeCode}), mb::kIconError);
    StateChanged();
    return;
  }
  layout_ = std::move(layout);
  extensionId_ = extensionId;
  typeCode_ = typeCode;
  extensionName_ = name;
  texts_ = std::make_unique<LabelFieldTexts>(source_.get(), extensionId_, extensionName_);
  if (const CDDFObject* first = layout_->FirstField()) selection_ = {first->id};
  caption_ = LabelCaption(extensionId_, *layout_);
  host_.SetCaption(caption_);
  ApplyFit();
  host_.LabelGeometryChanged();
  if (onExtensionShown) onExtensionShown(extensionId_);
  if (!selection_.empty()) ScrollFieldIntoView(selection_.back());
  InvalidateAll();
  StateChanged();
}

void LabelViewController::Reload() {
  const std::wstring id = extensionId_;
  const FieldIds keep = selection_;
  SetExtension(L"");
  SetExtension(id);
  if (!layout_) return;
  FieldIds still;
  for (std::uint32_t fid : keep) {
    const CDDFObject* o = layout_->FindObject(fid);
    if (o && o->IsSelectable()) still.push_back(fid);
  }
  if (!still.empty()) SetSelection(still);
}

// ---- zoom and geometry ---------------------------------------------------------------------

void LabelViewController::SetScreen(int dpiX, int dpiY) {
  dpiX_ = dpiX > 0 ? dpiX : 96;
  dpiY_ = dpiY > 0 ? dpiY : 96;
}

void LabelViewController::SetHostSize(int width, int height, int vBarWidth) {
  hostWidth_ = width;
  hostHeight_ = height;
  vBarWidth_ = vBarWidth;
  if (fit_ == FitMode::None || !layout_) return;
  const int before = zoom_;
  ApplyFit();
  if (zoom_ != before) {
    host_.LabelGeometryChanged();
    InvalidateAll();
    if (onZoomChanged) onZoomChanged();
  }
}

void LabelViewController::ApplyFit() {
  if (fit_ == FitMode::None || !layout_ || hostWidth_ <= 0 || hostHeight_ <= 0) return;
  zoom_ = FitZoom(fit_, layout_->GetLabelWidth(), layout_->GetLabelHeight(), dpiX_, dpiY_, hostWidth_,
                  hostHeight_, vBarWidth_);
}

void LabelViewController::SetZoom(int value) {
  const ZoomRequest request = InterpretZoom(value);
  if (request.fit == FitMode::None && fit_ == FitMode::None && request.zoom == zoom_) return;
  fit_ = request.fit;
  if (fit_ == FitMode::None) zoom_ = request.zoom;
  ApplyFit();
  overflow_.clear();
  host_.LabelGeometryChanged();
  InvalidateAll();
  if (onZoomChanged) onZoomChanged();
}

TwipsMapping LabelViewController::Mapping() const { return TwipsMapping::ForZoom(zoom_, dpiX_, dpiY_); }

DeviceSize LabelViewController::LabelSize() const {
  if (!layout_) return {};
  return LabelWindowSize(*layout_, Mapping());
}

DeviceRect LabelViewController::FieldRect(std::uint32_t fieldId) const {
  const CDDFObject* o = layout_ ? layout_->FindObject(fieldId) : nullptr;
  if (!o) return {};
  return Mapping().ToDevice(o->left, o->top, o->right, o->bottom);
}

void LabelViewController::InvalidateField(std::uint32_t fieldId) {
  // The selection frame lies one pixel outside the field.
  if (layout_) host_.InvalidateLabel(FieldRect(fieldId).Inflated(2));
}

void LabelViewController::InvalidateAll() {
  const DeviceSize size = LabelSize();
  host_.InvalidateLabel({0, 0, size.width, size.height});
}

void LabelViewController::InvalidateFrames(const FieldIds& ids) {
  for (std::uint32_t id : ids) InvalidateField(id);
}

// ---- painting ------------------------------------------------------------------------------

void LabelViewController::SetFocus(bool focused) {
  if (focused == focused_) return;
  focused_ = focused;
  if (!editor_) InvalidateFrames(selection_);
}

void LabelViewController::SetMeasureCanvas(Canvas* canvas) {
  measure_ = canvas;
  overflow_.clear();
}

bool LabelViewController::Overflows(const CDDFObject& object) {
  if (!measure_ || !texts_) return false;
  for (const auto& [id, verdict] : overflow_) {
    if (id == object.id) return verdict;
  }
  const CRTFText* text = texts_->Get(object.id);
  const bool verdict = text && FieldOverflows(*text, object, *measure_);
  overflow_.emplace_back(object.id, verdict);
  return verdict;
}

void LabelViewController::Paint(Canvas& canvas, const std::optional<DeviceRect>& update) {
  if (!layout_ || !texts_) {
    if (update) canvas.FillRect(*update, kWhite);
    return;
  }
  LabelPaintOptions options;
  options.zoom = zoom_;
  options.update = update;
  options.showSelection = focused_ || editor_.has_value();
  options.selection = selection_;
  static const std::vector<LabelGraphic> kNoGraphics;
  PaintLabel(canvas, *layout_, *texts_, kNoGraphics, options);

  // Overflow marks: a red corner square inside each field whose text does not fit on paper.
  const TwipsMapping mapping = Mapping();
  const int side = std::max(3, MulDiv(6, zoom_, 100));
  for (const CDDFObject& object : layout_->GetObjects()) {
    if (!object.IsTextField() || object.Has(DDF_HIDDEN)) continue;
    const DeviceRect rect = mapping.ToDevice(object.left, object.top, object.right, object.bottom);
    if (update && !rect.Intersects(update->Inflated(1))) continue;
    if (!Overflows(object)) continue;
    const int s = std::min({side, rect.Width() - 2, rect.Height() - 2});
    if (s > 0) canvas.FillRect({rect.right - 1 - s, rect.top + 1, rect.right - 1, rect.top + 1 + s}, kOverflowMark);
  }
  if (const auto band = RubberBand()) canvas.DrawFocusRect(*band);
}

// ---- selection -----------------------------------------------------------------------------

void LabelViewController::SetSelection(FieldIds ids) {
  const FieldIds changed = ChangedFrames(selection_, ids);
  selection_ = std::move(ids);
  InvalidateFrames(changed);
  if (!changed.empty()) StateChanged();
}

void LabelViewController::Select(const FieldIds& ids) {
  if (!layout_) return;
  FieldIds valid;
  for (std::uint32_t id : ids) {
    const CDDFObject* o = layout_->FindObject(id);
    if (o && o->IsSelectable() && !Contains(valid, id)) valid.push_back(id);
  }
  SetSelection(std::move(valid));
}

void LabelViewController::SelectAll() {
  if (!layout_) return;
  FieldIds all;
  for (const CDDFObject& o : layout_->GetObjects()) {
    if (o.IsSelectable() && !Contains(all, o.id)) all.push_back(o.id);
  }
  SetSelection(std::move(all));
}

void LabelViewController::ScrollFieldIntoView(std::uint32_t fieldId) { host_.ScrollIntoView(FieldRect(fieldId)); }

void LabelViewController::NextField() {
  if (!layout_) return;
  if (const CDDFObject* next = layout_->NextField(CurrentField())) {
    SetSelection({next->id});
    ScrollFieldIntoView(next->id);
  }
}

void LabelViewController::PreviousField() {
  if (!layout_) return;
  const CDDFObject* prev = selection_.empty() ? layout_->FirstField() : layout_->PreviousField(CurrentField());
  if (prev) {
    SetSelection({prev->id});
    ScrollFieldIntoView(prev->id);
  }
}

void LabelViewController::MouseDown(int x, int y, unsigned modifiers) {
  if (!layout_) return;
  const TwipsMapping m = Mapping();
  const std::optional<std::uint32_t> hit = HitField(*layout_, m.ToTwipsX(x), m.ToTwipsY(y));
  if (hit) ScrollFieldIntoView(*hit);
  SetSelection(ClickSelection(*layout_, selection_, hit, modifiers));
  banding_ = true;
  bandStartX_ = bandEndX_ = x;
  bandStartY_ = bandEndY_ = y;
}

std::optional<DeviceRect> LabelViewController::RubberBand() const {
  if (!banding_) return std::nullopt;
  return DeviceRect{std::min(bandStartX_, bandEndX_), std::min(bandStartY_, bandEndY_),
                    std::max(bandStartX_, bandEndX_), std::max(bandStartY_, bandEndY_)};
}

void LabelViewController::MouseMove(int x, int y) {
  if (!banding_) return;
  const DeviceRect before = *RubberBand();
  bandEndX_ = x;
  bandEndY_ = y;
  const DeviceRect after = *RubberBand();
  host_.InvalidateLabel(before.Inflated(1));
  host_.InvalidateLabel(after.Inflated(1));
}

void LabelViewController::MouseUp(int x, int y, unsigned modifiers) {
  if (!banding_) return;
  MouseMove(x, y);
  const DeviceRect band = *RubberBand();
  banding_ = false;
  if (!layout_ || band.IsEmpty()) return;
  const TwipsMapping m = Mapping();
  const TwipsRect twips{m.ToTwipsX(band.left), m.ToTwipsY(band.top), m.ToTwipsX(band.right), m.ToTwipsY(band.bottom)};
  if (auto selection = BandSelection(*layout_, selection_, twips, modifiers)) SetSelection(std::move(*selection));
}

void LabelViewController::DoubleClick(int x, int y) {
  if (!layout_) return;
  const TwipsMapping m = Mapping();
  if (const auto hit = HitField(*layout_, m.ToTwipsX(x), m.ToTwipsY(y))) OpenEditor(*hit);
}

void LabelViewController::KeyDown(LabelKey key, unsigned modifiers) {
  const bool shift = (modifiers & kModShift) != 0;
  const bool ctrl = (modifiers & kModCtrl) != 0;
  const bool plain = !shift && !ctrl;
  const bool hasFields = layout_ && layout_->FirstField() != nullptr;
  switch (key) {
    case LabelKey::Down:
      if (plain && hasFields) NextField();
      else host_.Scroll(ScrollCommand::LineDown);
      break;
    case LabelKey::Up:
      if (plain && hasFields) PreviousField();
      else host_.Scroll(ScrollCommand::LineUp);
      break;
    case LabelKey::Left:
      if (plain && hasFields) PreviousField();
      else host_.Scroll(ScrollCommand::LineLeft);
      break;
    case LabelKey::Right:
      if (!ctrl && hasFields) NextField();
      else host_.Scroll(ScrollCommand::LineRight);
      break;
    case LabelKey::PageUp: host_.Scroll(ctrl ? ScrollCommand::PageLeft : ScrollCommand::PageUp); break;
    case LabelKey::PageDown: host_.Scroll(ctrl ? ScrollCommand::PageRight : ScrollCommand::PageDown); break;
    case LabelKey::Home: host_.Scroll(ctrl ? ScrollCommand::ToTopLeft : ScrollCommand::ToLeft); break;
    case LabelKey::End: host_.Scroll(ctrl ? ScrollCommand::ToBottomRight : ScrollCommand::ToRight); break;
    case LabelKey::F2:
    case LabelKey::Enter:
      if (CurrentField() != 0) OpenEditor(CurrentField());
      break;
    case LabelKey::Tab:
      if (shift) PreviousField();
      else NextField();
      break;
    case LabelKey::Delete: Clear(); break;
  }
}

void LabelViewController::Character(wchar_t ch) {
  if (ch < 0x20 || ch == 0x7F) return;  // control characters are keys, not text
  // The editor window opens at once but takes the keyboard only when the window system
  // activates it: what is typed meanwhile still arrives here and belongs at its caret.
  if (editor_) return host_.InsertIntoEditor(std::wstring(1, ch));
  if (!layout_ || CurrentField() == 0) return;
  OpenEditor(CurrentField(), std::wstring(1, ch));
}

// ---- field texts ---------------------------------------------------------------------------

const CRTFText* LabelViewController::Text(std::uint32_t fieldId) { return texts_ ? texts_->Get(fieldId) : nullptr; }

std::wstring LabelViewController::Stored(std::uint32_t fieldId) const {
  return db_ && !extensionId_.empty() ? db_->GetField(extensionId_, static_cast<int>(fieldId)) : std::wstring();
}

FieldTextChange LabelViewController::Store(std::uint32_t fieldId, const std::wstring& storedText) {
  // The text before comes from the shown field's cache (its source is the stored text), which
  // spares a database read on every keystroke-and-Tab.
  const CRTFText* before = Text(fieldId);
  FieldTextChange change{fieldId, before ? before->GetSourceText() : std::wstring(), storedText, {}};
  if (db_ && change.before != change.after) db_->SetField(extensionId_, static_cast<int>(fieldId), storedText);
  if (texts_) texts_->Drop(fieldId);
  std::erase_if(overflow_, [fieldId](const auto& e) { return e.first == fieldId; });
  InvalidateField(fieldId);
  return change;
}

void LabelViewController::StoreFields(const std::vector<std::pair<std::uint32_t, std::wstring>>& texts) {
  if (!db_ || !layout_ || texts.empty()) return;
  EditStep step{extensionId_, {}};
  for (const auto& [id, stored] : texts) step.changes.push_back(Store(id, stored));
  history_.Record(std::move(step));
  StateChanged();
}

TextFormat LabelViewController::DefaultFont() const { return GetDefaultFont(profile_); }

// ---- the editor ----------------------------------------------------------------------------

void LabelViewController::OpenEditor(std::uint32_t fieldId, std::optional<std::wstring> startingText) {
  if (!layout_ || !db_) return;
  const CDDFObject* object = layout_->FindObject(fieldId);
  if (!object || !object->IsSelectable()) return;
  if (editor_) host_.CloseEditor();
  SetSelection({fieldId});
  ScrollFieldIntoView(fieldId);
  const CRTFText* text = Text(fieldId);
  EditorText record;
  record.storedText = text ? CrLf(text->GetUnexpandedText()) : std::wstring();
  record.openingStyle = FormatStyleString(text ? text->GetFirstFormat() : CRTFText().GetFirstFormat());
  record.style = record.openingStyle;
  const bool selectAll = !startingText.has_value();
  record.editText = startingText ? *startingText : record.storedText;
  record.extensionId = extensionId_;
  record.fieldId = fieldId;
  editor_ = std::move(record);
  InvalidateFrames(selection_);
  host_.OpenEditor(*editor_, FieldRect(fieldId), selectAll);
  StateChanged();
}

void LabelViewController::EditorClosed(std::optional<std::wstring> finalText, EditorDirection direction) {
  if (!editor_) return;
  EditorText record = std::move(*editor_);
  editor_.reset();
  if (finalText) record.editText = *finalText;
  const bool accepted = finalText.has_value() && EditorChanged(record);
  // The editor may close after the view moved on (to another database or extension): its
  // text belongs to the extension it was opened on, and is stored only while that is shown.
  if (accepted && layout_ && record.extensionId == extensionId_) {
    const std::uint32_t fieldId = record.fieldId;
    const CRTFText* text = Text(fieldId);
    const TextFormat defaultFont = DefaultFont();
    TextFormat style = text ? text->GetFirstFormat() : defaultFont;
    // A style chosen while the editor was open (a format command, a custom code) wins.
    if (record.style != record.openingStyle) style = ParseStyleString(record.style);
    const bool fieldEmpty = text == nullptr;
    std::wstring stored;
    if (!(record.editText.empty() && (style == defaultFont || fieldEmpty))) stored = WriteRtf(style, record.editText);
    StoreFields({{fieldId, stored}});
    const CDDFObject* object = layout_->FindObject(fieldId);
    if (object && object->Has(DDF_REFRESH) && db_) {
      std::wstring typeCode, name;
      if (db_->GetExtension(extensionId_, typeCode, name) == 0) {
        extensionName_ = name;
        typeCode_ = typeCode;
        texts_->RefreshNameCodes(name);
        overflow_.clear();
        InvalidateAll();
      }
    }
  }
  if (layout_ && record.extensionId == extensionId_) {
    if (direction == EditorDirection::Next) {
      if (const CDDFObject* next = layout_->NextField(record.fieldId)) OpenEditor(next->id);
    } else if (direction == EditorDirection::Previous) {
      if (const CDDFObject* prev = layout_->PreviousField(record.fieldId)) OpenEditor(prev->id);
    }
  }
  InvalidateFrames(selection_);
  StateChanged();
}

// ---- clipboard -----------------------------------------------------------------------------

void LabelViewController::Clear() {
  if (!layout_) return;
  std::vector<std::pair<std::uint32_t, std::wstring>> texts;
  for (std::uint32_t id : selection_) texts.emplace_back(id, std::wstring());
  StoreFields(texts);
}

bool LabelViewController::CopySelected() {
  if (!layout_) return false;
  if (selection_.size() != 1) {
    host_.Beep();
    return false;
  }
  const CRTFText* text = Text(selection_.front());
  const FieldClipboardData data = CopyField(text ? *text : CRTFText());
  ClipboardContents contents;
  contents.plainText = data.plainText;
  contents.formats[std::wstring(kMirnRtfFormat)] = ToUtf8(data.mirnRtf);
  if (!clipboard_.Write(contents)) {
    ui_.Message(ClipboardLockedText(), mb::kIconWarning);
    return false;
  }
  return true;
}

void LabelViewController::Copy() { CopySelected(); }

// A clipboard that refused the text must not lose the field's text.
void LabelViewController::Cut() {
  if (CopySelected()) Clear();
}

void LabelViewController::Paste() {
  if (!layout_) return;
  if (selection_.size() != 1) {
    host_.Beep();
    return;
  }
  const std::optional<ClipboardContents> contents = clipboard_.Read();
  if (!contents) {
    ui_.Message(ClipboardLockedText(), mb::kIconWarning);
    return;
  }
  ClipboardOffer offer;
  if (auto it = contents->formats.find(std::wstring(kMirnRtfFormat)); it != contents->formats.end())
    offer.mirnRtf = FromUtf8(it->second);
  if (auto it = contents->formats.find(std::wstring(kRtfFormat)); it != contents->formats.end()) offer.rtf = it->second;
  offer.plainText = contents->plainText;
  const std::uint32_t id = selection_.front();
  const CRTFText* text = Text(id);
  const TextFormat current = text ? text->GetFirstFormat() : CRTFText().GetFirstFormat();
  if (const auto stored = PastedStoredText(offer, current)) StoreFields({{id, *stored}});
}

// ---- formats -------------------------------------------------------------------------------

void LabelViewController::ChangeFormat(const std::function<void(TextFormat&)>& change) {
  if (editor_) {
    TextFormat style = ParseStyleString(editor_->style);
    change(style);
    editor_->style = FormatStyleString(style);
    return;
  }
  if (!layout_) return;
  std::vector<std::pair<std::uint32_t, std::wstring>> texts;
  for (std::uint32_t id : selection_) {
    const CRTFText* text = Text(id);
    TextFormat format = text ? text->GetFirstFormat() : CRTFText().GetFirstFormat();
    change(format);
    texts.emplace_back(id, WriteRtf(format, text ? text->GetUnexpandedText() : std::wstring()));
  }
  StoreFields(texts);
}

std::optional<TextFormat> LabelViewController::CurrentFormat() const {
  if (editor_) return ParseStyleString(editor_->style);
  if (!layout_ || selection_.empty() || !texts_) return std::nullopt;
  const CRTFText* text = texts_->Get(selection_.front());
  return text ? text->GetFirstFormat() : CRTFText().GetFirstFormat();
}

LabelViewController::SharedFormat LabelViewController::SelectionFormat() const {
  SharedFormat shared;
  if (!editor_ && (!layout_ || selection_.empty() || !texts_)) return shared;
  std::vector<TextFormat> formats;
  if (editor_) {
    formats.push_back(ParseStyleString(editor_->style));
  } else {
    for (const std::uint32_t id : selection_) {
      const CRTFText* text = texts_->Get(id);
      formats.push_back(text ? text->GetFirstFormat() : CRTFText().GetFirstFormat());
    }
  }
  const auto agreed = [&formats](auto get) {
    using Value = decltype(get(formats.front()));
    std::optional<Value> value = get(formats.front());
    for (const TextFormat& f : formats) {
      if (get(f) != *value) return std::optional<Value>();
    }
    return value;
  };
  shared.face = agreed([](const TextFormat& f) { return f.face; });
  shared.size = agreed([](const TextFormat& f) { return f.size; });
  shared.bold = agreed([](const TextFormat& f) { return f.bold != 0; });
  shared.italic = agreed([](const TextFormat& f) { return f.italic != 0; });
  return shared;
}

void LabelViewController::ToggleBold() {
  const auto first = CurrentFormat();
  if (!first) return;
  const int bold = first->bold ? 0 : 1;
  ChangeFormat([bold](TextFormat& f) { f.bold = bold; });
}

void LabelViewController::ToggleItalic() {
  const auto first = CurrentFormat();
  if (!first) return;
  const int italic = first->italic ? 0 : 1;
  ChangeFormat([italic](TextFormat& f) { f.italic = italic; });
}

void LabelViewController::ChangeSize(int delta) {
  ChangeFormat([delta](TextFormat& f) {
    int size = f.size + delta;
    if (size > 144) size = 144;
    if (size < 5) size = 4;
    f.size = size;
  });
}

void LabelViewController::SetSize(int halfPoints) {
  if (halfPoints <= 0) return;
  ChangeFormat([halfPoints](TextFormat& f) { f.size = halfPoints; });
}

void LabelViewController::SetAlignment(Alignment alignment) {
  ChangeFormat([alignment](TextFormat& f) { f.alignment = alignment; });
}

void LabelViewController::SetColor(Color color) {
  ChangeFormat([color](TextFormat& f) { f.color = color; });
}

void LabelViewController::SetFace(const std::wstring& face) {
  if (face.empty()) return;
  ChangeFormat([&face](TextFormat& f) { f.face = ClampFace(face); });
}

void LabelViewController::SetFont(const TextFormat& font) {
  ChangeFormat([&font](TextFormat& f) {
    const Alignment keep = f.alignment;
    f = font;
    f.face = ClampFace(font.face);
    f.alignment = keep;
  });
}

void LabelViewController::Rotate(bool reverse) {
  if (!layout_ || selection_.size() < 2) return;
  std::vector<std::wstring> stored;
  for (std::uint32_t id : selection_) stored.push_back(Stored(id));
  const std::size_t n = selection_.size();
  std::vector<std::pair<std::uint32_t, std::wstring>> texts;
  for (std::size_t i = 0; i < n; ++i) {
    // Forward: each field takes its predecessor's text, the first the last's.
    const std::size_t from = reverse ? (i + 1) % n : (i + n - 1) % n;
    texts.emplace_back(selection_[i], stored[from]);
  }
  StoreFields(texts);
}

int LabelViewController::ShrinkSelectionToFit(Canvas& measuring) {
  if (editor_) host_.CloseEditor();
  if (!layout_ || !texts_) return 0;
  std::vector<std::pair<std::uint32_t, std::wstring>> texts;
  for (std::uint32_t id : selection_) {
    const CDDFObject* field = layout_->FindObject(id);
    if (!field) continue;
    const std::optional<ShrunkText> shrunk = ShrinkToFit(Stored(id), *field, measuring, texts_->ExtensionId(),
                                                         texts_->ExtensionName(), texts_->Source());
    if (shrunk) texts.emplace_back(id, shrunk->stored);
  }
  StoreFields(texts);
  return static_cast<int>(texts.size());
}

// ---- codes ---------------------------------------------------------------------------------

void LabelViewController::InsertCode(const std::wstring& text, const std::optional<TextFormat>& style) {
  if (editor_) {
    host_.InsertIntoEditor(text);
    if (style) editor_->style = FormatStyleString(*style);
    return;
  }
  if (!layout_ || CurrentField() == 0) {
    host_.Beep();
    return;
  }
  const std::uint32_t id = CurrentField();
  const CRTFText* field = Text(id);
  OpenEditor(id, (field ? CrLf(field->GetUnexpandedText()) : std::wstring()) + text);
  if (editor_ && style) editor_->style = FormatStyleString(*style);
}

// ---- undo ----------------------------------------------------------------------------------

void LabelViewController::ApplyStep(const EditStep& step, bool undo) {
  if (!db_) return;
  for (const FieldTextChange& change : step.changes) {
    const std::wstring& extension = change.extensionId.empty() ? step.extensionId : change.extensionId;
    const std::wstring& text = undo ? change.before : change.after;
    db_->SetField(extension, static_cast<int>(change.fieldId), text);
    if (extension == extensionId_ && layout_) {
      texts_->Drop(change.fieldId);
      std::erase_if(overflow_, [&change](const auto& e) { return e.first == change.fieldId; });
      InvalidateField(change.fieldId);
    }
  }
  StateChanged();
}

void LabelViewController::RecordEdit(EditStep step) {
  if (editor_) host_.CloseEditor();
  history_.Record(step);
  ApplyStep(step, false);
}

void LabelViewController::Undo() {
  if (editor_) host_.CloseEditor();
  if (auto step = history_.Undo()) ApplyStep(*step, true);
}

void LabelViewController::Redo() {
  if (editor_) host_.CloseEditor();
  if (auto step = history_.Redo()) ApplyStep(*step, false);
}

void LabelViewController::ClearHistory() {
  history_.Clear();
  StateChanged();
}

void LabelViewController::StateChanged() {
  if (onStateChanged) onStateChanged();
}

// ---- views of the fields -------------------------------------------------------------------

std::vector<LabelFieldView> LabelViewController::Fields() {
  std::vector<LabelFieldView> fields;
  if (!layout_) return fields;
  for (const CDDFObject& object : layout_->GetObjects()) {
    if (!object.IsSelectable()) continue;
    LabelFieldView view;
    view.id = object.id;
    view.rect = FieldRect(object.id);
    const CRTFText* text = Text(object.id);
    view.displayText = text ? text->GetDisplayText() : std::wstring();
    view.selected = Contains(selection_, object.id);
    view.hidden = object.Has(DDF_HIDDEN);
    view.overflows = object.IsTextField() && Overflows(object);
    fields.push_back(std::move(view));
  }
  return fields;
}

}  // namespace mirn
