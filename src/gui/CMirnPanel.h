#pragma once
// The right-hand pane of the main window: the scroll host with the label window, the caption
// bar shown above it, the field editor, and the label view's controller they all serve.

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "gui/CEditorDlg.h"
#include "gui/CMirnNamePanel.h"
#include "panel/LabelViewController.h"
#include "text/CustomCodes.h"

class QMenu;

namespace mirn {

class CMirnImage;
class CMirnWnd;
class Clipboard;
class QPainterCanvas;
class Profile;
class UserInterface;

class CMirnPanel : public QWidget, private LabelViewHost {
  Q_OBJECT

 public:
  // The codes of the codes menus (data of their actions).
  enum CodeCommand : int {
    kInsertExtensionId = 1,
    kInsertThisName = 2,
    kInsertOtherName = 3,
    kCustomizeCodes = 4,
  };

  // Borrowed services must outlive the panel. `customCodesFile` is where custom codes are
  // kept (empty: no custom codes).
  CMirnPanel(UserInterface& ui, Profile& profile, Clipboard& clipboard,
             LabelViewController::TemplateLookup templates, std::filesystem::path customCodesFile = {},
             QWidget* parent = nullptr);
  ~CMirnPanel() override;

  LabelViewController& View() { return *view_; }
  CMirnWnd* Host() const { return host_; }
  CMirnImage* Image() const;
  // The caption bar; the main window places it (it has no parent until then).
  CMirnNamePanel* NamePanel() const { return namePanel_; }
  // The open field editor, or null.
  CEditorDlg* Editor() const { return editorOpen_ ? editor_.data() : nullptr; }

  // Fills a codes menu: the three insertions, "Customize...", then the custom codes.
  void FillCodesMenu(QMenu& menu);
  // Runs one command of a codes menu (CodeCommand or 6160 + custom code index).
  void RunCodeCommand(int command);
  // The custom codes dialog; true when the codes were changed and saved.
  bool EditCustomCodes();
  const std::vector<CustomCode>& CustomCodes() const { return codes_; }
  void ReloadCustomCodes();

 Q_SIGNALS:
  // The selection, the shown extension or the undo history changed.
  void StateChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // LabelViewHost
  void InvalidateLabel(const DeviceRect& rect) override;
  void LabelGeometryChanged() override;
  void SetCaption(const std::wstring& text) override;
  void ScrollIntoView(const DeviceRect& rect) override;
  void Scroll(ScrollCommand command) override;
  void OpenEditor(const EditorText& text, const DeviceRect& fieldRect, bool selectAll) override;
  void CloseEditor() override;
  void InsertIntoEditor(const std::wstring& text) override;
  void Beep() override;

  void EditorFinished(bool accepted, const QString& text, int direction);
  std::optional<std::wstring> AskOtherNameCode();

  UserInterface& ui_;
  Profile& profile_;
  std::filesystem::path codesFile_;
  std::vector<CustomCode> codes_;
  // The canvas on which field texts are measured at print resolution for the overflow marks.
  QImage measureImage_;
  std::unique_ptr<QPainter> measurePainter_;
  std::unique_ptr<QPainterCanvas> measureCanvas_;
  std::unique_ptr<LabelViewController> view_;
  CMirnWnd* host_ = nullptr;
  QPointer<CMirnNamePanel> namePanel_;
  QPointer<CEditorDlg> editor_;  // one window, started again for each field
  bool editorOpen_ = false;
};

}  // namespace mirn
