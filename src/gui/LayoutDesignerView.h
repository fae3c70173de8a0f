#pragma once
// The label of the layout being designed, drawn through the label painter at a zoom, with
// the selection's frames and corner handles, in its default texts or a chosen extension's. Mouse and keys go to the designer's controller
// in twips on the label; the view paints what the document holds afterwards.

#include <QWidget>
#include <cstdint>
#include <map>
#include <string>

#include "layouts/DesignerPreview.h"
#include "panel/LabelFieldTexts.h"
#include "platform/Canvas.h"

namespace mirn {

class DesignerController;
class LayoutDocument;

class LayoutDesignerView : public QWidget {
  Q_OBJECT

 public:
  LayoutDesignerView(LayoutDocument& document, DesignerController& designer, QWidget* parent = nullptr);

  const LayoutDocument& Document() const { return document_; }
  DesignerController& Designer() const { return designer_; }
  int Zoom() const { return zoom_; }
  void SetZoom(int percent);

  // Where the label's twips lie in the view, and back.
  TwipsMapping Mapping() const;
  QRect ObjectRect(std::uint32_t id) const;
  // Takes the document's current state: the texts are read again and the size follows.
  void Refresh();
  // Draws the extension `id` with its texts in the layout; nothing: the default texts.
  void ShowExtension(std::optional<MemoryFieldTextSource> texts, const std::wstring& id);
  const std::wstring& ShownExtension() const { return preview_.ExtensionId(); }
  // The text drawn in a text field while an extension is shown; nothing while none is.
  std::optional<std::wstring> PreviewText(std::uint32_t id);

  QSize sizeHint() const override;

 Q_SIGNALS:
  // The document was edited through the view, or its selection changed.
  void Edited();
  void SelectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AfterInput(std::uint64_t revisionBefore, const std::vector<std::uint32_t>& selectionBefore);
  // Forgets the parsed texts of the fields whose text changed; a move changes none, so a drag
  // repaints without parsing the label's texts again.
  void SyncTexts();

  LayoutDocument& document_;
  DesignerController& designer_;
  DesignerPreviewTexts preview_;
  LabelFieldTexts texts_;
  std::map<std::uint32_t, std::wstring> shownTexts_;  // the stored text each parsed one is of
  int zoom_ = 200;
};

// The accessible interface of the designer's label: one child per object, named as messages
// name it ("Text field 1101"), registered once per process.
void InstallDesignerAccessibility();

}  // namespace mirn
