#pragma once
// The properties of a picture on the label: for a linked picture its stored file name, where
// it was found, its format, natural size and size on the label; for an embedded one its
// format and sizes, the picture itself, and a button that saves a copy of it.

#include <QDialog>
#include <memory>

#include "db/MRBGraphic.h"

namespace mirn {

class Picture;
class UserInterface;

struct GraphicProperties {
  MRBGraphic record;
  std::shared_ptr<const Picture> picture;  // null when it could not be loaded
  std::wstring foundPath;                  // linked pictures: where it was found (empty: nowhere)
  int screenDpi = 96;                      // natural sizes are pixels at this resolution
};

class CGraphicPropDlg : public QDialog {
  Q_OBJECT

 public:
  CGraphicPropDlg(const GraphicProperties& properties, UserInterface& ui, QWidget* parent = nullptr);

 private:
  void SaveCopy();

  GraphicProperties properties_;
  UserInterface& ui_;
};

}  // namespace mirn
