#include "gui/CMirnImage.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <map>

#include "panel/LabelViewController.h"
#include "qt/QPainterCanvas.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

unsigned Modifiers(Qt::KeyboardModifiers m) {
  unsigned result = 0;
  if (m & Qt::ShiftModifier) result |= kModShift;
  if (m & Qt::ControlModifier) result |= kModCtrl;
  if (m & Qt::AltModifier) result |= 4;  // any other key makes a combination that does nothing
  return result;
}

std::optional<LabelKey> KeyOf(int key) {
  switch (key) {
    case Qt::Key_Down: return LabelKey::Down;
    case Qt::Key_Up: return LabelKey::Up;
    case Qt::Key_Left: return LabelKey::Left;
    case Qt::Key_Right: return LabelKey::Right;
    case Qt::Key_PageUp: return LabelKey::PageUp;
    case Qt::Key_PageDown: return LabelKey::PageDown;
    case Qt::Key_Home: return LabelKey::Home;
    case Qt::Key_End: return LabelKey::End;
    case Qt::Key_F2: return LabelKey::F2;
    case Qt::Key_Return:
    case Qt::Key_Enter: return LabelKey::Enter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return LabelKey::Tab;
    case Qt::Key_Delete: return LabelKey::Delete;
    default: return std::nullopt;
  }
}

// One field of the label as an accessible object.
class FieldAccessible final : public QAccessibleInterface {
 public:
  FieldAccessible(CMirnImage* image, std::uint32_t id) : image_(image), id_(id) {}
  bool isValid() const override { return image_ && Find().has_value(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return image_ ? image_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(image_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    const auto field = Find();
    if (!field) return {};
    if (t == QAccessible::Name || t == QAccessible::Value) return ToQString(field->displayText);
    if (t == QAccessible::Description) return CMirnImage::tr("Field %1").arg(field->id);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const auto field = Find();
    if (!field || !image_) return {};
    const QRect r(field->rect.left, field->rect.top, field->rect.Width(), field->rect.Height());
    return QRect(image_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    const auto field = Find();
    s.selected = field && field->selected;
    s.invisible = field && field->hidden;
    s.focusable = true;
    return s;
  }

 private:
  std::optional<LabelFieldView> Find() const {
    if (!image_) return std::nullopt;
    for (const LabelFieldView& f : image_->View().Fields()) {
      if (f.id == id_) return f;
    }
    return std::nullopt;
  }

  QPointer<CMirnImage> image_;
  std::uint32_t id_ = 0;
};

// The label window: its fields first, in the label's order, then its picture windows.
class LabelAccessible final : public QAccessibleWidget {
 public:
  explicit LabelAccessible(CMirnImage* image) : QAccessibleWidget(image, QAccessible::Table, CMirnImage::tr("Label")) {}
  ~LabelAccessible() override {
    for (auto& [id, accessibleId] : children_) QAccessible::deleteAccessibleInterface(accessibleId);
  }
  int childCount() const override { return FieldCount() + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int index) const override {
    const int fieldCount = FieldCount();
    if (index >= fieldCount) return QAccessibleWidget::child(index - fieldCount);
    if (index < 0) return nullptr;
    const std::uint32_t id = Image()->View().Fields()[static_cast<std::size_t>(index)].id;
    auto it = children_.find(id);
    if (it == children_.end()) {
      auto* field = new FieldAccessible(Image(), id);
      it = children_.emplace(id, QAccessible::registerAccessibleInterface(field)).first;
    }
    return QAccessible::accessibleInterface(it->second);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const int fieldCount = FieldCount();
    for (int i = 0; i < fieldCount; ++i) {
      if (this->child(i) == child) return i;
    }
    const int window = QAccessibleWidget::indexOfChild(child);
    return window < 0 ? -1 : fieldCount + window;
  }

 private:
  CMirnImage* Image() const { return static_cast<CMirnImage*>(widget()); }
  int FieldCount() const { return static_cast<int>(Image()->View().Fields().size()); }
  mutable std::map<std::uint32_t, QAccessible::Id> children_;
};

// A picture window on the label: a graphic that is selected while it has the focus.
class PictureAccessible final : public QAccessibleWidget {
 public:
  explicit PictureAccessible(QWidget* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.selectable = true;
    s.selected = widget()->hasFocus();
    return s;
  }
};

QAccessibleInterface* LabelAccessibleFactory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (className == QLatin1String("mirn::CMirnImage")) return new LabelAccessible(static_cast<CMirnImage*>(object));
  if (className == QLatin1String("mirn::CSizeableGraphic")) return new PictureAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

void InstallLabelAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(LabelAccessibleFactory);
}

CMirnImage::CMirnImage(LabelViewController& view, QWidget* parent) : QWidget(parent), view_(view) {
  InstallLabelAccessibility();
  setObjectName("Label");
  setAccessibleName(tr("Label"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Composed characters (dead keys, input methods) start an edit just as typed ones do.
  setAttribute(Qt::WA_InputMethodEnabled);
}

QWidget* CMirnImage::EditorInput() const {
  return view_.EditorOpen() && editorInput_ ? editorInput_() : nullptr;
}

// Tab and Shift+Tab move between the label's fields rather than to the next window.
bool CMirnImage::event(QEvent* event) {
  if (QWidget* input = EditorInput()) {
    // The keys the editor's box would take from a shortcut (Delete, Backspace, ...) stay keys.
    if (event->type() == QEvent::ShortcutOverride) return QCoreApplication::sendEvent(input, event);
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      QCoreApplication::sendEvent(input, event);
      return true;
    }
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      const bool shift = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
      view_.KeyDown(LabelKey::Tab, shift ? kModShift : 0);
      return true;
    }
  }
  return QWidget::event(event);
}

void CMirnImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QPainterCanvas canvas(painter, logicalDpiX(), logicalDpiY());
  const QRect r = event->rect();
  view_.Paint(canvas, DeviceRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1});
}

void CMirnImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  const QPoint p = event->position().toPoint();
  view_.MouseDown(p.x(), p.y(), Modifiers(event->modifiers()));
}

void CMirnImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  view_.MouseMove(p.x(), p.y());
}

void CMirnImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const QPoint p = event->position().toPoint();
  view_.MouseUp(p.x(), p.y(), Modifiers(event->modifiers()));
}

void CMirnImage::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  const QPoint p = event->position().toPoint();
  view_.DoubleClick(p.x(), p.y());
}

void CMirnImage::keyPressEvent(QKeyEvent* event) {
  const unsigned mods = Modifiers(event->modifiers() & ~Qt::KeypadModifier);
  if (const auto key = KeyOf(event->key())) {
    view_.KeyDown(*key, mods & (kModShift | kModCtrl));
    return;
  }
  const QString text = event->text();
  if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && text.size() == 1 &&
      text.at(0).isPrint()) {
    view_.Character(static_cast<wchar_t>(text.at(0).unicode()));
    return;
  }
  // Characters outside the basic plane arrive as a surrogate pair: the editor takes them whole.
  if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && text.size() == 2 &&
      text.at(0).isHighSurrogate()) {
    view_.Character(static_cast<wchar_t>(text.toUcs4().value(0)));
    return;
  }
  QWidget::keyPressEvent(event);
}

void CMirnImage::inputMethodEvent(QInputMethodEvent* event) {
  if (QWidget* input = EditorInput()) {
    QCoreApplication::sendEvent(input, event);
    return;
  }
  // A commit with the editor closed opens it with its first character; the rest follows.
  const QString text = event->commitString();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (QWidget* input = EditorInput()) {
      QInputMethodEvent rest;
      rest.setCommitString(text.mid(i));
      QCoreApplication::sendEvent(input, &rest);
      break;
    }
    const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
    view_.Character(static_cast<wchar_t>(pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode()));
    if (pair) ++i;
  }
  event->accept();
}

QVariant CMirnImage::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (QWidget* input = EditorInput()) return input->inputMethodQuery(query);
  switch (query) {
    case Qt::ImEnabled: return view_.CurrentField() != 0;
    case Qt::ImCursorRectangle: {
      const DeviceRect r = view_.FieldRect(view_.CurrentField());
      return QRect(r.left, r.top, r.Width(), r.Height());
    }
    default: return QWidget::inputMethodQuery(query);
  }
}

void CMirnImage::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  view_.SetFocus(true);
}

void CMirnImage::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  view_.SetFocus(false);
}

}  // namespace mirn
