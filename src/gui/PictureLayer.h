#pragma once
// The pictures of the shown extension as child windows of the label window: created when an
// extension is shown, laid out again when the zoom changes, written back whenever one is
// inserted, moved, sized or removed (so nothing waits for another extension, Save, printing
// or adding extensions), and gone when the extension is left.

#include <QObject>
#include <map>
#include <memory>
#include <string>

#include "panel/LabelGraphicsEditor.h"
#include "qt/QPainterCanvas.h"

class QMenu;

namespace mirn {

struct AppServices;
class CMirnPanel;
class CSizeableGraphic;

class PictureLayer : public QObject {
  Q_OBJECT

 public:
  PictureLayer(CMirnPanel& panel, AppServices& services);
  ~PictureLayer() override;

  // Inserts a picture from a file the user chooses: embedded, or linked.
  void Insert(bool embed);
  // Acts on the picture window that has the focus.
  void RemoveFocused();
  void ShowPropertiesOfFocused();
  CSizeableGraphic* Focused() const;
  bool CanInsert() const;

  const std::map<int, CSizeableGraphic*>& Windows() const { return windows_; }
  const LabelGraphicsEditor* Editor() const { return editor_.get(); }

 private:
  void Show(const std::wstring& extensionId);
  void Leave();
  void Layout();
  void CreateWindow(int slot);
  void Stored(CSizeableGraphic* graphic);
  void Remove(CSizeableGraphic* graphic);
  void ShowProperties(CSizeableGraphic* graphic);
  void ShowContextMenu(CSizeableGraphic* graphic, QPoint at);
  void WriteBack();
  TwipsMapping Mapping() const;

  CMirnPanel& panel_;
  AppServices& services_;
  QtPictureLoader loader_;
  std::unique_ptr<LabelGraphicsEditor> editor_;
  std::map<int, CSizeableGraphic*> windows_;
  std::map<int, std::shared_ptr<const Picture>> pictures_;
};

}  // namespace mirn
