#pragma once
// The layout designer: the label of a layout drawn as the label panel draws it, objects
// added, selected, moved and sized with the mouse and the keys, a panel of the selected
// object's properties, the layout's header and its slots; Save into the user's layouts
// folder and Print Test Sheet. Every edit goes to the core's layout document, so Undo and
// Redo cover them all.

#include <QMainWindow>
#include <vector>
#include <functional>
#include <memory>

#include "layouts/DesignerController.h"
#include "layouts/DesignerPreview.h"
#include "layouts/LayoutDocument.h"
#include "print/AdjustmentUnits.h"

class QComboBox;
class QToolBar;
class QLabel;
class QScrollArea;
class QTabWidget;

namespace mirn {

class DDFLibrary;
class DesignerLayoutPanel;
class DesignerObjectPanel;
class DesignerSheetPanel;
class LayoutDesignerView;
class UserInterface;

struct LayoutDesignerHost {
  DDFLibrary& library;
  UserInterface& ui;
  MeasureUnit unit = MeasureUnit::Millimetres;
  // Prints the layout's test sheet; empty: the command is greyed.
  std::function<void(const CDDFTemplate&)> printTestSheet;
  // Told after each save, with the type code saved (the main window redraws its labels).
  std::function<void(const std::wstring& typeCode)> saved;
  // The open database's extensions to preview, in the chooser's order for a type code, and
  // one extension's texts; empty: only the default texts are offered.
  std::function<std::vector<PreviewExtension>(const std::wstring& typeCode)> previewExtensions;
  std::function<std::optional<MemoryFieldTextSource>(const std::wstring& id)> previewTexts;
};

class LayoutDesignerWindow : public QMainWindow {
  Q_OBJECT

 public:
  LayoutDesignerWindow(LayoutDocument document, LayoutDesignerHost host, QWidget* parent = nullptr);
  ~LayoutDesignerWindow() override;

  LayoutDocument& Document() { return document_; }
  DesignerController& Designer() { return designer_; }
  LayoutDesignerView* View() const { return view_; }
  QAction* Command(const QString& plainName) const;
  QComboBox* PreviewChooser() const { return preview_; }
  // Saves as the Save command does (with its questions); true when written.
  bool Save();
  // Shows what the document holds now in the view, the panels and the commands.
  void Refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateRulers();
  // Puts the view's toolbar on a row of its own when the window is narrower than both bars.
  void WrapToolbars(int width);
  QAction* AddCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut, std::function<void()> run);
  void AddObject(LayoutObjectKind kind);
  void Edited(const QString& refusal);
  void UpdateTitle();
  // Offers the extensions for the layout's type code, keeping the chosen one.
  void FillPreviewChooser();
  void PreviewChosen();

  LayoutDocument document_;
  DesignerController designer_;
  LayoutDesignerHost host_;
  LayoutDesignerView* view_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  std::vector<QWidget*> rulers_;
  QTabWidget* tabs_ = nullptr;
  DesignerObjectPanel* objectPanel_ = nullptr;
  DesignerLayoutPanel* layoutPanel_ = nullptr;
  DesignerSheetPanel* sheetPanel_ = nullptr;
  QLabel* message_ = nullptr;
  QToolBar* viewTools_ = nullptr;
  QComboBox* preview_ = nullptr;
  std::wstring previewTypeCode_;  // the type code the chooser's order is for
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* print_ = nullptr;
};

}  // namespace mirn
