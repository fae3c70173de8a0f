#include "gui/LayoutDesignerView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <map>

#include "layouts/DesignerController.h"
#include "layouts/LayoutDocument.h"
#include "panel/LabelPainter.h"
#include "qt/QPainterCanvas.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

// Room around the label for the handles of objects at its edges.
constexpr int kMargin = 12;
constexpr int kHandle = 6;  // pixels of a corner handle's square

// One object of the layout as an accessible object.
class DesignObjectAccessible final : public QAccessibleInterface {
 public:
  DesignObjectAccessible(LayoutDesignerView* view, std::uint32_t id) : view_(view), id_(id) {}
  bool isValid() const override { return view_ && Object() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    const CDDFObject* o = Object();
    if (!o) return {};
    if (t == QAccessible::Name) return ToQString(ObjectName(*o));
    if (t == QAccessible::Value) {
      if (const std::optional<std::wstring> shown = view_->PreviewText(id_)) return ToQString(*shown);
      return ToQString(ReadFieldDefault(*o).text);
    }
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!view_ || !Object()) return {};
    const QRect r = view_->ObjectRect(id_);
    return QRect(view_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::Graphic; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = view_ && view_->Designer().IsSelected(id_);
    return s;
  }

 private:
  const CDDFObject* Object() const { return view_ ? view_->Document().FindObject(id_) : nullptr; }
  QPointer<LayoutDesignerView> view_;
  std::uint32_t id_ = 0;
};

class DesignLabelAccessible final : public QAccessibleWidget {
 public:
  explicit DesignLabelAccessible(LayoutDesignerView* view) : QAccessibleWidget(view, QAccessible::Canvas, LayoutDesignerView::tr("Label")) {}
  ~DesignLabelAccessible() override {
    for (auto& [id, accessibleId] : children_) QAccessible::deleteAccessibleInterface(accessibleId);
  }
  int childCount() const override { return static_cast<int>(Objects().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const std::uint32_t id = Objects()[static_cast<std::size_t>(index)].id;
    auto it = children_.find(id);
    if (it == children_.end()) {
      it = children_.emplace(id, QAccessible::registerAccessibleInterface(new DesignObjectAccessible(View(), id))).first;
    }
    return QAccessible::accessibleInterface(it->second);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (this->child(i) == child) return i;
    }
    return -1;
  }

 private:
  LayoutDesignerView* View() const { return static_cast<LayoutDesignerView*>(widget()); }
  const std::vector<CDDFObject>& Objects() const { return View()->Document().Layout().GetObjects(); }
  mutable std::map<std::uint32_t, QAccessible::Id> children_;
};

QAccessibleInterface* DesignerAccessibleFactory(const QString& className, QObject* object) {
  if (object && className == QLatin1String("mirn::LayoutDesignerView"))
    return new DesignLabelAccessible(static_cast<LayoutDesignerView*>(object));
  return nullptr;
}

}  // namespace

void InstallDesignerAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(DesignerAccessibleFactory);
}

LayoutDesignerView::LayoutDesignerView(LayoutDocument& document, DesignerController& designer, QWidget* parent)
    : QWidget(parent), document_(document), designer_(designer), preview_(document), texts_(&preview_, L"", L"") {
  InstallDesignerAccessibility();
  setObjectName("Label");
  setAccessibleName(tr("Label"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  SetZoom(zoom_);
}

void LayoutDesignerView::SetZoom(int percent) {
  zoom_ = std::clamp(percent, 25, 800);
  Refresh();
}

TwipsMapping LayoutDesignerView::Mapping() const {
  TwipsMapping m = TwipsMapping::ForZoom(zoom_, logicalDpiX(), logicalDpiY());
  m.originX = kMargin;
  m.originY = kMargin;
  return m;
}

QRect LayoutDesignerView::ObjectRect(std::uint32_t id) const {
  const CDDFObject* o = document_.FindObject(id);
  if (!o) return {};
  const DeviceRect r = Mapping().ToDevice(o->left, o->top, o->right, o->bottom);
  return QRect(r.left, r.top, r.Width(), r.Height());
}

void LayoutDesignerView::SyncTexts() {
  std::map<std::uint32_t, std::wstring> now;
  for (const CDDFObject& o : document_.Layout().GetObjects()) {
    if (o.IsTextField()) now.emplace(o.id, preview_.GetFieldText(preview_.ExtensionId(), static_cast<int>(o.id)));
  }
  if (now == shownTexts_) return;
  for (const auto& [id, text] : shownTexts_) {
    const auto it = now.find(id);
    if (it == now.end() || it->second != text) texts_.Drop(id);
  }
  // A field that was no text field before (a kind or id changed) may have a stale entry too.
  for (const auto& [id, text] : now) {
    if (!shownTexts_.count(id)) texts_.Drop(id);
  }
  shownTexts_ = std::move(now);
}

void LayoutDesignerView::Refresh() {
  SyncTexts();
  const TwipsMapping m = Mapping();
  designer_.SetHandleReach(m.ToTwipsWidth(kHandle));
  designer_.Select(designer_.Selection());  // objects an undo took away leave the selection
  setFixedSize(sizeHint());
  update();
}

void LayoutDesignerView::ShowExtension(std::optional<MemoryFieldTextSource> texts, const std::wstring& id) {
  preview_.Show(std::move(texts), id);
  const std::wstring name = preview_.GetExtensionName(preview_.ExtensionId()).value_or(L"");
  texts_ = LabelFieldTexts(&preview_, preview_.ExtensionId(), name);
  shownTexts_.clear();
  Refresh();
}

std::optional<std::wstring> LayoutDesignerView::PreviewText(std::uint32_t id) {
  if (preview_.ExtensionId().empty()) return std::nullopt;
  const CDDFObject* o = document_.FindObject(id);
  if (!o || !o->IsTextField()) return std::nullopt;
  SyncTexts();
  const CRTFText* text = texts_.Get(id);
  return text ? text->GetDisplayTextCrLf() : std::wstring();
}

QSize LayoutDesignerView::sizeHint() const {
  const TwipsMapping m = Mapping();
  return QSize(m.ToDeviceWidth(document_.Layout().GetLabelWidth()) + 2 * kMargin,
               m.ToDeviceHeight(document_.Layout().GetLabelHeight()) + 2 * kMargin);
}

void LayoutDesignerView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Mid));
  painter.translate(kMargin, kMargin);
  QPainterCanvas canvas(painter, logicalDpiX(), logicalDpiY());
  LabelPaintOptions options;
  options.zoom = zoom_;
  PaintLabel(canvas, document_.Layout(), texts_, {}, options);

  const TwipsMapping m = TwipsMapping::ForZoom(zoom_, logicalDpiX(), logicalDpiY());
  // Captions draw no outline of their own: a dotted one shows where they can be taken.
  for (const CDDFObject& o : document_.Layout().GetObjects()) {
    if (KindOf(o) == LayoutObjectKind::Caption) canvas.DrawFocusRect(m.ToDevice(o.left, o.top, o.right, o.bottom));
  }
  // The selection: a frame around each selected object and its four corner handles.
  const Color selection = MakeColor(0, 90, 200);
  for (std::uint32_t id : designer_.Selection()) {
    const CDDFObject* o = document_.FindObject(id);
    if (!o) continue;
    const DeviceRect r = m.ToDevice(o->left, o->top, o->right, o->bottom);
    canvas.FrameRect(r.Inflated(1), selection);
    for (const int x : {r.left, r.right}) {
      for (const int y : {r.top, r.bottom}) {
        canvas.FillRect({x - kHandle / 2, y - kHandle / 2, x + kHandle / 2, y + kHandle / 2}, selection);
      }
    }
  }
  if (hasFocus() && designer_.Selection().empty()) {
    const DeviceRect label = m.ToDevice(0, 0, document_.Layout().GetLabelWidth(), document_.Layout().GetLabelHeight());
    canvas.DrawFocusRect(label.Inflated(2));
  }
}

void LayoutDesignerView::AfterInput(std::uint64_t revisionBefore, const std::vector<std::uint32_t>& selectionBefore) {
  const bool edited = document_.Revision() != revisionBefore;
  if (edited) SyncTexts();
  if (edited || designer_.Selection() != selectionBefore) update();
  if (edited) Q_EMIT Edited();
  if (designer_.Selection() != selectionBefore) Q_EMIT SelectionChanged();
}

void LayoutDesignerView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  const auto revision = document_.Revision();
  const auto selection = designer_.Selection();
  const TwipsMapping m = Mapping();
  const QPoint p = event->position().toPoint();
  designer_.Press(m.ToTwipsX(p.x()), m.ToTwipsY(p.y()), event->modifiers() & Qt::ShiftModifier);
  AfterInput(revision, selection);
}

void LayoutDesignerView::mouseMoveEvent(QMouseEvent* event) {
  if (!designer_.Dragging()) return;
  const auto revision = document_.Revision();
  const auto selection = designer_.Selection();
  const TwipsMapping m = Mapping();
  const QPoint p = event->position().toPoint();
  designer_.Drag(m.ToTwipsX(p.x()), m.ToTwipsY(p.y()));
  AfterInput(revision, selection);
}

void LayoutDesignerView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const auto revision = document_.Revision();
  const auto selection = designer_.Selection();
  designer_.Release();
  AfterInput(revision, selection);
}

void LayoutDesignerView::keyPressEvent(QKeyEvent* event) {
  const auto revision = document_.Revision();
  const auto selection = designer_.Selection();
  const bool large = event->modifiers() & Qt::ShiftModifier;
  switch (event->key()) {
    case Qt::Key_Left: designer_.Arrow(-1, 0, large); break;
    case Qt::Key_Right: designer_.Arrow(1, 0, large); break;
    case Qt::Key_Up: designer_.Arrow(0, -1, large); break;
    case Qt::Key_Down: designer_.Arrow(0, 1, large); break;
    case Qt::Key_Delete: designer_.DeleteSelection(); break;
    default: return QWidget::keyPressEvent(event);
  }
  AfterInput(revision, selection);
}

}  // namespace mirn
