#include "layouts/LayoutDocument.h"

#include <algorithm>
#include <utility>

#include "templates/DDFException.h"
#include "templates/DDFReader.h"
#include "templates/DDFWriter.h"
#include "util/ByteSource.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

// Earlier states kept for undo; the oldest are dropped beyond this.
constexpr std::size_t kUndoDepth = 500;
constexpr std::uint32_t kFirstFieldId = 1101;
constexpr std::uint32_t kFirstShapeId = 2001;

// Why a text cannot go into a fixed field of `width` bytes; empty when it can.
std::wstring TextProblem(const std::wstring& what, const std::wstring& text, std::size_t width) {
  for (wchar_t ch : text) {
    if (WideToCp1252(ch) < 0)
      return FormatString(Tr("LayoutValidation", "%1 holds a character the layout file cannot store."), {what});
    if (ch == 0) return FormatString(Tr("LayoutValidation", "%1 must not hold the character U+0000."), {what});
  }
  const std::size_t bytes = ToCp1252(text).size();
  if (bytes > width)
    return FormatString(Tr("LayoutValidation", "%1 is %2 characters long; its field in the layout file holds %3."),
                        {what, std::to_wstring(bytes), std::to_wstring(width)});
  return {};
}

std::size_t CaptionWidth(const CDDFTemplate& t) { return t.header.version == L"DDF" ? kOldDDFTextSize : kDDFTextSize; }

}  // namespace

std::vector<LabelSlot> GridSlots(const SlotGrid& grid) {
  std::vector<LabelSlot> slots;
  if (grid.columns < 1 || grid.rows < 1) return slots;
  slots.reserve(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));
  for (int row = 0; row < grid.rows; ++row)
    for (int column = 0; column < grid.columns; ++column)
      slots.push_back({grid.first.x + column * grid.pitchX, grid.first.y + row * grid.pitchY});
  return slots;
}

SlotGrid GridOf(const std::vector<LabelSlot>& slots, std::int32_t labelWidth, std::int32_t labelHeight) {
  SlotGrid single{1, 1, {720, 720}, labelWidth, labelHeight};
  if (slots.empty()) return single;
  single.first = slots.front();
  std::size_t columns = 1;
  while (columns < slots.size() && slots[columns].y == slots.front().y) ++columns;
  if (slots.size() % columns != 0) return single;
  SlotGrid grid = single;
  grid.columns = static_cast<int>(columns);
  grid.rows = static_cast<int>(slots.size() / columns);
  if (grid.columns > 1) grid.pitchX = slots[1].x - slots[0].x;
  if (grid.rows > 1) grid.pitchY = slots[columns].y - slots[0].y;
  return GridSlots(grid) == slots ? grid : single;
}

LayoutDocument::LayoutDocument() {
  layout_.header.version = L"270";
  layout_.header.labelWidth = 2880;
  layout_.header.labelHeight = 1440;
}

LayoutDocument LayoutDocument::Load(const std::filesystem::path& path) {
  const std::wstring name = FromPath(path);
  const FileByteSource file(path);
  if (!file.IsOpen()) throw DDFException(FormatString(Tr("DDFReader", "Could not open DDF file: %1"), {name}));
  LayoutDocument document = FromTemplate(CDDFTemplate::Load(file, name), ReadPreamble(file));
  document.path_ = path;
  return document;
}

LayoutDocument LayoutDocument::FromTemplate(CDDFTemplate layout, std::string preamble) {
  LayoutDocument document;
  layout.SortObjects();
  document.layout_ = std::move(layout);
  document.preamble_ = std::move(preamble);
  return document;
}

void LayoutDocument::Edit(const std::function<bool(CDDFTemplate&)>& edit) {
  CDDFTemplate before = layout_;
  if (!edit(layout_)) return;
  layout_.header.slotCount = static_cast<std::uint32_t>(layout_.slots.size());
  layout_.header.objectCount = static_cast<std::uint32_t>(layout_.objects.size());
  if (stepDepth_ == 0 || !stepSaved_) {
    undo_.push_back(std::move(before));
    undoRevisions_.push_back(revision_);
    if (undo_.size() > kUndoDepth) {
      undo_.erase(undo_.begin());
      undoRevisions_.erase(undoRevisions_.begin());
    }
    stepSaved_ = stepDepth_ > 0;
  }
  redo_.clear();
  redoRevisions_.clear();
  revision_ = nextRevision_++;
}

CDDFObject* LayoutDocument::Find(CDDFTemplate& t, std::uint32_t id) {
  return const_cast<CDDFObject*>(t.FindObject(id));
}

void LayoutDocument::BeginStep() {
  if (stepDepth_++ == 0) stepSaved_ = false;
}

void LayoutDocument::EndStep() {
  if (stepDepth_ > 0 && --stepDepth_ == 0) stepSaved_ = false;
}

bool LayoutDocument::Undo() {
  if (undo_.empty()) return false;
  redo_.push_back(std::move(layout_));
  redoRevisions_.push_back(revision_);
  layout_ = std::move(undo_.back());
  revision_ = undoRevisions_.back();
  undo_.pop_back();
  undoRevisions_.pop_back();
  stepSaved_ = false;
  return true;
}

bool LayoutDocument::Redo() {
  if (redo_.empty()) return false;
  undo_.push_back(std::move(layout_));
  undoRevisions_.push_back(revision_);
  layout_ = std::move(redo_.back());
  revision_ = redoRevisions_.back();
  redo_.pop_back();
  redoRevisions_.pop_back();
  stepSaved_ = false;
  return true;
}

std::wstring LayoutDocument::SetTypeCode(const std::wstring& typeCode) {
  const std::wstring code = ToUpper(Trim(typeCode));
  if (std::wstring problem = TextProblem(Tr("LayoutValidation", "The type code"), code, 8); !problem.empty()) return problem;
  Edit([&](CDDFTemplate& t) { return std::exchange(t.header.typeCode, code) != code; });
  return {};
}

std::wstring LayoutDocument::SetGroupName(const std::wstring& groupName) {
  if (std::wstring problem = TextProblem(Tr("LayoutValidation", "The maker's name"), groupName, 64); !problem.empty()) return problem;
  Edit([&](CDDFTemplate& t) { return std::exchange(t.header.groupName, groupName) != groupName; });
  return {};
}

std::wstring LayoutDocument::SetDescription(const std::wstring& description) {
  if (std::wstring problem = TextProblem(Tr("LayoutValidation", "The name"), description, 64); !problem.empty()) return problem;
  Edit([&](CDDFTemplate& t) { return std::exchange(t.header.description, description) != description; });
  return {};
}

std::wstring LayoutDocument::SetLabelSize(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return Tr("LayoutValidation", "The label needs a width and a height above zero.");
  Edit([&](CDDFTemplate& t) {
    const bool changed = t.header.labelWidth != width || t.header.labelHeight != height;
    t.header.labelWidth = width;
    t.header.labelHeight = height;
    return changed;
  });
  return {};
}

void LayoutDocument::SetLandscape(bool landscape) {
  Edit([&](CDDFTemplate& t) { return std::exchange(t.header.landscape, landscape) != landscape; });
}

void LayoutDocument::SetStock(const SheetStock& stock) {
  Edit([&](CDDFTemplate& t) {
    const std::wstring text = WithSheetStock(t.header.reservedText, stock);
    return std::exchange(t.header.reservedText, text) != text;
  });
}

void LayoutDocument::SetSlots(std::vector<LabelSlot> slots) {
  Edit([&](CDDFTemplate& t) {
    if (t.slots == slots) return false;
    t.slots = std::move(slots);
    return true;
  });
}

void LayoutDocument::MoveSlot(std::size_t index, LabelSlot to) {
  Edit([&](CDDFTemplate& t) { return index < t.slots.size() && std::exchange(t.slots[index], to) != to; });
}

void LayoutDocument::DeleteSlot(std::size_t index) {
  Edit([&](CDDFTemplate& t) {
    if (index >= t.slots.size()) return false;
    t.slots.erase(t.slots.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
  });
}

void LayoutDocument::AddSlot(LabelSlot at) {
  Edit([&](CDDFTemplate& t) {
    t.slots.push_back(at);
    return true;
  });
}

std::uint32_t LayoutDocument::NextFreeId(LayoutObjectKind kind) const {
  const bool field = kind == LayoutObjectKind::TextField;
  const std::uint32_t first = field ? kFirstFieldId : kFirstShapeId;
  const std::uint32_t limit = field ? kFirstShapeId : UINT32_MAX;
  std::uint32_t next = first;
  for (const CDDFObject& o : layout_.objects)
    if (o.id >= next && o.id < limit) next = o.id + 1;
  if (next < limit) return next;
  // Fields' range is full: above every id of the layout.
  std::uint32_t above = kFirstShapeId;
  for (const CDDFObject& o : layout_.objects)
    if (o.id >= above && o.id < UINT32_MAX) above = o.id + 1;
  return above;
}

std::uint32_t LayoutDocument::AddObject(LayoutObjectKind kind, std::int32_t left, std::int32_t top,
                                        std::int32_t right, std::int32_t bottom) {
  const std::uint32_t id = NextFreeId(kind);
  Edit([&](CDDFTemplate& t) {
    t.objects.push_back(MakeLayoutObject(kind, id, std::min(left, right), std::min(top, bottom),
                                         std::max(left, right), std::max(top, bottom)));
    t.SortObjects();
    return true;
  });
  return id;
}

std::wstring LayoutDocument::ReplaceObject(std::uint32_t id, const CDDFObject& object) {
  if (!layout_.FindObject(id)) return {};
  const std::size_t width = CaptionWidth(layout_);
  for (std::size_t i = width; i < object.text.size(); ++i)
    if (object.text[i] != '\0')
      return FormatString(
          Tr("LayoutValidation", "%1: its text is longer than the %2 characters its field in the layout file holds."),
          {ObjectName(object), std::to_wstring(width)});
  Edit([&](CDDFTemplate& t) {
    CDDFObject* target = Find(t, id);
    if (target->id == object.id && target->flags == object.flags && target->color == object.color &&
        target->left == object.left && target->top == object.top && target->right == object.right &&
        target->bottom == object.bottom && target->reserved == object.reserved && target->text == object.text)
      return false;
    *target = object;
    t.SortObjects();
    return true;
  });
  return {};
}

std::wstring LayoutDocument::SetCaption(std::uint32_t id, const std::wstring& caption) {
  const CDDFObject* found = layout_.FindObject(id);
  if (!found) return {};
  if (std::wstring problem = TextProblem(FormatString(Tr("LayoutValidation", "%1: the text"), {ObjectName(*found)}), caption, CaptionWidth(layout_));
      !problem.empty())
    return problem;
  CDDFObject changed = *found;
  changed.text.fill('\0');
  changed.SetCaption(caption, CaptionWidth(layout_));
  return ReplaceObject(id, changed);
}

std::wstring LayoutDocument::SetFieldDefault(std::uint32_t id, const FieldDefault& value) {
  return SetCaption(id, FieldDefaultCaption(value));
}

void LayoutDocument::SetFlag(std::uint32_t id, std::uint32_t flag, bool on) {
  Edit([&](CDDFTemplate& t) {
    CDDFObject* o = Find(t, id);
    if (!o) return false;
    const std::uint32_t flags = on ? o->flags | flag : o->flags & ~flag;
    return std::exchange(o->flags, flags) != flags;
  });
}

void LayoutDocument::SetColor(std::uint32_t id, std::uint32_t color) {
  Edit([&](CDDFTemplate& t) {
    CDDFObject* o = Find(t, id);
    return o && std::exchange(o->color, color) != color;
  });
}

void LayoutDocument::SetObjectKind(std::uint32_t id, LayoutObjectKind kind) {
  Edit([&](CDDFTemplate& t) {
    CDDFObject* o = Find(t, id);
    if (!o) return false;
    const std::uint32_t before = o->flags;
    SetKind(*o, kind);
    return o->flags != before;
  });
}

void LayoutDocument::SetObjectRect(std::uint32_t id, std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom) {
  Edit([&](CDDFTemplate& t) {
    CDDFObject* o = Find(t, id);
    if (!o) return false;
    const CDDFObject before = *o;
    o->left = std::min(left, right);
    o->top = std::min(top, bottom);
    o->right = std::max(left, right);
    o->bottom = std::max(top, bottom);
    return o->left != before.left || o->top != before.top || o->right != before.right || o->bottom != before.bottom;
  });
}

void LayoutDocument::MoveObjects(const std::vector<std::uint32_t>& ids, std::int32_t dx, std::int32_t dy) {
  if (dx == 0 && dy == 0) return;
  Edit([&](CDDFTemplate& t) {
    bool moved = false;
    for (const std::uint32_t id : ids) {
      CDDFObject* o = Find(t, id);
      if (!o) continue;
      o->left += dx;
      o->right += dx;
      o->top += dy;
      o->bottom += dy;
      moved = true;
    }
    return moved;
  });
}

void LayoutDocument::DeleteObjects(const std::vector<std::uint32_t>& ids) {
  Edit([&](CDDFTemplate& t) {
    bool removed = false;
    for (const std::uint32_t id : ids) {
      const auto it = std::find_if(t.objects.begin(), t.objects.end(), [id](const CDDFObject& o) { return o.id == id; });
      if (it == t.objects.end()) continue;
      t.objects.erase(it);
      removed = true;
    }
    return removed;
  });
}

std::string LayoutDocument::Bytes() const { return WriteDDF(layout_, preamble_); }

}  // namespace mirn
