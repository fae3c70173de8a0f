#pragma once
// The label view's rules, without a window: which extension's label is shown and at what
// zoom, the selection of its fields by mouse and keyboard, the field editor's opening and
// closing, the clipboard, the format commands, rotation, code insertion and undo. The window
// (LabelViewHost) forwards input here and paints through Paint; everything it is told to do
// comes back through the host interface.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "panel/EditHistory.h"
#include "panel/EditorText.h"
#include "panel/FieldSelection.h"
#include "panel/LabelPainter.h"
#include "panel/LabelZoom.h"
#include "text/TextFormat.h"

namespace mirn {

class CDDFTemplate;
class CRTFText;
class Clipboard;
class LabelFieldTexts;
class MRBBase;
class MRBFieldTextSource;
class Profile;
class UserInterface;

enum class ScrollCommand {
  LineUp, LineDown, LineLeft, LineRight,
  PageUp, PageDown, PageLeft, PageRight,
  ToLeft, ToRight,               // Home, End
  ToTopLeft, ToBottomRight,      // Ctrl+Home, Ctrl+End
};

enum class LabelKey { Down, Up, Left, Right, PageUp, PageDown, Home, End, F2, Enter, Tab, Delete };

// What the label view asks of its window. Rectangles are pixels of the label window.
class LabelViewHost {
 public:
  virtual ~LabelViewHost() = default;
  virtual void InvalidateLabel(const DeviceRect& rect) = 0;
  // The label's size or visibility changed: size the label window and place it in its host.
  virtual void LabelGeometryChanged() = 0;
  virtual void SetCaption(const std::wstring& text) = 0;
  // Scroll so that the rectangle is in view (ScrollToShow, 4 pixels of margin).
  virtual void ScrollIntoView(const DeviceRect& rect) = 0;
  virtual void Scroll(ScrollCommand command) = 0;
  // Opens the modeless field editor over the field; it reports back through EditorClosed.
  virtual void OpenEditor(const EditorText& text, const DeviceRect& fieldRect, bool selectAll) = 0;
  // Closes an open editor with acceptance (EditorClosed is called before this returns).
  virtual void CloseEditor() = 0;
  // Puts text at the open editor's caret, replacing its selection.
  virtual void InsertIntoEditor(const std::wstring& text) = 0;
  virtual void Beep() = 0;
};

// One field as the window shows it (for accessibility and tests).
struct LabelFieldView {
  std::uint32_t id = 0;
  DeviceRect rect;
  std::wstring displayText;
  bool selected = false;
  bool hidden = false;
  bool overflows = false;
};

class LabelViewController {
 public:
  using TemplateLookup = std::function<std::shared_ptr<const CDDFTemplate>(const std::wstring& typeCode)>;

  // Everything is borrowed and must outlive the controller. The zoom starts from the
  // profile's [Zoom] "Mode" and "Factor" (the main window keeps them up to date).
  LabelViewController(LabelViewHost& host, UserInterface& ui, Profile& profile, Clipboard& clipboard,
                      TemplateLookup templates);
  ~LabelViewController();
  LabelViewController(const LabelViewController&) = delete;
  LabelViewController& operator=(const LabelViewController&) = delete;

  // Called around the change of the shown extension, for the pictures shown over the label.
  std::function<void(const std::wstring& extensionId)> onExtensionLeaving;
  std::function<void(const std::wstring& extensionId)> onExtensionShown;
  std::function<void()> onZoomChanged;
  // Called whenever the selection, the history or the shown extension changed (command
  // states to update).
  std::function<void()> onStateChanged;

  // A new or opened database (null: none). The view goes blank and the history is cleared.
  void SetDatabase(MRBBase* db);
  MRBBase* Database() const { return db_; }
  // Shows an extension's label (empty: none). Unchanged ids do nothing.
  void SetExtension(const std::wstring& extensionId);
  // Shows the extension again from the database (after its type code, name or fields were
  // changed elsewhere).
  void Reload();
  const std::wstring& ExtensionId() const { return extensionId_; }
  const CDDFTemplate* Layout() const { return layout_.get(); }
  bool HasLabel() const { return layout_ != nullptr; }
  const std::wstring& Caption() const { return caption_; }

  // The screen's resolution and the scroll host's window size (with the width of a vertical
  // scroll bar): a fit mode computes the zoom from them.
  void SetScreen(int dpiX, int dpiY);
  void SetHostSize(int width, int height, int vBarWidth);
  // 15..1000, or kZoomFitWidth / kZoomFitLabel.
  void SetZoom(int value);
  int Zoom() const { return zoom_; }
  FitMode Fit() const { return fit_; }
  // The label window's size at the zoom (0 × 0 without a label).
  DeviceSize LabelSize() const;
  // A field's rectangle in the label window.
  DeviceRect FieldRect(std::uint32_t fieldId) const;

  // Selection frames show while the window has the focus or the editor is open.
  void SetFocus(bool focused);
  // A canvas at the resolution whose overflow is marked (see FieldOverflow.h); null: no marks.
  void SetMeasureCanvas(Canvas* canvas);
  void Paint(Canvas& canvas, const std::optional<DeviceRect>& update);

  // Mouse, in label-window pixels.
  void MouseDown(int x, int y, unsigned modifiers);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y, unsigned modifiers);
  void DoubleClick(int x, int y);
  std::optional<DeviceRect> RubberBand() const;

  void KeyDown(LabelKey key, unsigned modifiers);
  // A typed character: opens the editor with it, or goes to the open editor's caret.
  void Character(wchar_t ch);

  const FieldIds& Selection() const { return selection_; }
  std::uint32_t CurrentField() const { return selection_.empty() ? 0 : selection_.back(); }
  void Select(const FieldIds& ids);
  void SelectAll();
  void NextField();
  void PreviousField();

  // The editor. `startingText` is a typed character (or a code to insert); without one the
  // editor starts with the field's text, all selected.
  void OpenEditor(std::uint32_t fieldId, std::optional<std::wstring> startingText = std::nullopt);
  bool EditorOpen() const { return editor_.has_value(); }
  const EditorText* Editor() const { return editor_ ? &*editor_ : nullptr; }
  // The editor ended: `finalText` is its text when it closed with acceptance, nothing when it
  // was cancelled; `direction` opens it again on the next or previous field.
  void EditorClosed(std::optional<std::wstring> finalText, EditorDirection direction);

  void Clear();
  void Copy();
  void Cut();
  void Paste();

  void ToggleBold();
  void ToggleItalic();
  void ChangeSize(int deltaHalfPoints);  // ±2
  void SetSize(int halfPoints);
  void SetAlignment(Alignment alignment);
  void SetColor(Color color);
  void SetFace(const std::wstring& face);
  // Face, size, effects and colour of `font`; the alignment stays.
  void SetFont(const TextFormat& font);
  // The format the toolbar shows: the current field's first format.
  std::optional<TextFormat> CurrentFormat() const;
  // What the toolbar's font boxes and buttons show: each property on which the open editor,
  // or every selected field, agrees; nothing for one on which they differ.
  struct SharedFormat {
    std::optional<std::wstring> face;
    std::optional<int> size;  // half-points
    std::optional<bool> bold;
    std::optional<bool> italic;
  };
  SharedFormat SelectionFormat() const;

  void Rotate(bool reverse);

  // Shrink to Fit: each selected field whose text does not fit it on `measuring` (the canvas
  // the overflow marks measure on) is lowered in half points until it fits, or to the
  // smallest size; all of them as one undo step. Answers how many fields changed.
  int ShrinkSelectionToFit(Canvas& measuring);

  // A code into the field being edited (at the caret), or into a new editor on the current
  // field (after its text). A style, when given, becomes the style the field takes.
  void InsertCode(const std::wstring& text, const std::optional<TextFormat>& style = std::nullopt);

  // Field texts changed elsewhere (the print run's Shrink to Fit): written (again), the
  // shown label refreshed, and kept as one undo step.
  void RecordEdit(EditStep step);

  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  void Undo();
  void Redo();
  // After Save As, Open or New.
  void ClearHistory();

  std::vector<LabelFieldView> Fields();

  // The style stored with an edited field when the field has no text: the "Default Font"
  // preference.
  TextFormat DefaultFont() const;

 private:
  void Leave();
  void ApplyFit();
  TwipsMapping Mapping() const;
  void InvalidateField(std::uint32_t fieldId);
  void InvalidateAll();
  void InvalidateFrames(const FieldIds& ids);
  void SetSelection(FieldIds ids);
  void ScrollFieldIntoView(std::uint32_t fieldId);
  const CRTFText* Text(std::uint32_t fieldId);
  std::wstring Stored(std::uint32_t fieldId) const;
  // Writes a field's stored text, refreshes it, and answers the change for the history.
  FieldTextChange Store(std::uint32_t fieldId, const std::wstring& storedText);
  void StoreFields(const std::vector<std::pair<std::uint32_t, std::wstring>>& texts);
  void ApplyStep(const EditStep& step, bool undo);
  void ChangeFormat(const std::function<void(TextFormat&)>& change);
  // Puts the one selected field on the clipboard; false (after a beep or a message) otherwise.
  bool CopySelected();
  bool Overflows(const CDDFObject& object);
  void StateChanged();

  LabelViewHost& host_;
  UserInterface& ui_;
  Profile& profile_;
  Clipboard& clipboard_;
  TemplateLookup templates_;

  MRBBase* db_ = nullptr;
  std::unique_ptr<MRBFieldTextSource> source_;
  std::shared_ptr<const CDDFTemplate> layout_;
  std::unique_ptr<LabelFieldTexts> texts_;
  std::wstring extensionId_;
  std::wstring typeCode_;
  std::wstring extensionName_;
  std::wstring caption_;

  int dpiX_ = 96;
  int dpiY_ = 96;
  int hostWidth_ = 0;
  int hostHeight_ = 0;
  int vBarWidth_ = 0;
  int zoom_ = 100;
  FitMode fit_ = FitMode::None;

  FieldIds selection_;
  bool focused_ = false;
  std::optional<EditorText> editor_;
  bool banding_ = false;
  int bandStartX_ = 0;
  int bandStartY_ = 0;
  int bandEndX_ = 0;
  int bandEndY_ = 0;

  Canvas* measure_ = nullptr;
  std::vector<std::pair<std::uint32_t, bool>> overflow_;  // cached verdicts per field

  EditHistory history_;
};

// The name panel's text: "Extension ‘id’ — description (group)".
std::wstring LabelCaption(const std::wstring& extensionId, const CDDFTemplate& layout);

}  // namespace mirn
