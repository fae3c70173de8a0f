#include "gui/PictureLayer.h"

#include <QMenu>

#include "app/AppServices.h"
#include "app/DocumentController.h"
#include "db/GraphicFiles.h"
#include "db/MRBBase.h"
#include "gui/CGraphicPropDlg.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "gui/CMirnWnd.h"
#include "gui/CSizeableGraphic.h"
#include "panel/GraphicTexts.h"
#include "panel/LabelViewController.h"
#include "platform/UserInterface.h"
#include "qt/QtText.h"
#include "templates/CDDFTemplate.h"

namespace mirn {
namespace {

QRect ToPixels(const TwipsRect& r, const TwipsMapping& m) {
  const int left = m.ToDeviceX(r.left);
  const int top = m.ToDeviceY(r.top);
  return QRect(left, top, m.ToDeviceX(r.right) - left, m.ToDeviceY(r.bottom) - top);
}

TwipsRect ToTwips(const QRect& r, const TwipsMapping& m) {
  return {m.ToTwipsX(r.left()), m.ToTwipsY(r.top()), m.ToTwipsX(r.left() + r.width()),
          m.ToTwipsY(r.top() + r.height())};
}

// Chains a new callback after the one already set.
template <typename Function, typename Next>
void Chain(Function& slot, Next next) {
  slot = [before = std::move(slot), next = std::move(next)](auto&&... args) {
    if (before) before(args...);
    next(args...);
  };
}

}  // namespace

PictureLayer::PictureLayer(CMirnPanel& panel, AppServices& services)
    : QObject(&panel), panel_(panel), services_(services) {
  LabelViewController& view = panel_.View();
  Chain(view.onExtensionLeaving, [this](const std::wstring&) { Leave(); });
  Chain(view.onExtensionShown, [this](const std::wstring& id) { Show(id); });
  Chain(view.onZoomChanged, [this] { Layout(); });
}

PictureLayer::~PictureLayer() = default;

TwipsMapping PictureLayer::Mapping() const {
  const CMirnImage* image = panel_.Image();
  return TwipsMapping::ForZoom(panel_.View().Zoom(), image->logicalDpiX(), image->logicalDpiY());
}

void PictureLayer::Show(const std::wstring& extensionId) {
  Leave();
  MRBBase* db = panel_.View().Database();
  if (!db || extensionId.empty() || !panel_.View().HasLabel()) return;
  editor_ = std::make_unique<LabelGraphicsEditor>(*db, extensionId, services_.document.DocumentPath());
  editor_->Load();
  const std::filesystem::path base = services_.document.DocumentPath().parent_path();
  for (const auto& [slot, record] : editor_->Records()) {
    const std::wstring path = ResolveGraphicPath(record, base, services_.folders);
    pictures_[slot] = path.empty() ? nullptr : loader_.LoadFile(path);
    CreateWindow(slot);
  }
}

void PictureLayer::CreateWindow(int slot) {
  const MRBGraphic* record = editor_->Find(slot);
  if (!record) return;
  auto* window = new CSizeableGraphic(slot, pictures_[slot], record->locked, panel_.Image());
  connect(window, &CSizeableGraphic::moved, this, &PictureLayer::Stored);
  connect(window, &CSizeableGraphic::resized, this, &PictureLayer::Stored);
  connect(window, &CSizeableGraphic::propertiesRequested, this, &PictureLayer::ShowProperties);
  connect(window, &CSizeableGraphic::keyPressed, this, [this](CSizeableGraphic* g, int key) {
    if (key == Qt::Key_Delete) Remove(g);
  });
  connect(window, &CSizeableGraphic::contextMenuRequested, this,
          [this](CSizeableGraphic* g, QPoint at, bool) { ShowContextMenu(g, at); });
  window->setAccessibleName(ToQString(GraphicAccessibleName(*record, slot)));
  window->setAccessibleDescription(ToQString(GraphicAccessibleDescription(*record, pictures_[slot] != nullptr)));
  windows_[slot] = window;
  window->setGeometry(ToPixels(ShownGraphicRect(*record, pictures_[slot].get(), panel_.View().Zoom(), Mapping()), Mapping()));
  window->show();
}

void PictureLayer::Layout() {
  if (!editor_) return;
  for (auto& [slot, window] : windows_) {
    if (const MRBGraphic* record = editor_->Find(slot))
      window->setGeometry(
          ToPixels(ShownGraphicRect(*record, pictures_[slot].get(), panel_.View().Zoom(), Mapping()), Mapping()));
  }
}

void PictureLayer::Leave() {
  WriteBack();
  for (auto& [slot, window] : windows_) delete window;
  windows_.clear();
  pictures_.clear();
  editor_.reset();
}

void PictureLayer::WriteBack() {
  if (!editor_ || !editor_->Changed()) return;
  if (editor_->Save() != 0) services_.ui.Message(FromQString(tr("The pictures of this label could not be saved in the database.")));
}

bool PictureLayer::CanInsert() const { return editor_ != nullptr; }

void PictureLayer::Insert(bool embed) {
  if (!editor_) return;
  // The picture goes to the top-left corner of the part of the label that is visible.
  const CMirnImage* image = panel_.Image();
  const QRect visible = image->visibleRegion().boundingRect();
  const TwipsMapping mapping = Mapping();
  const std::optional<int> slot =
      editor_->Insert(services_.ui, embed, mapping.ToTwipsX(visible.left()), mapping.ToTwipsY(visible.top()), loader_,
                      panel_.View().Zoom(), mapping);
  if (!slot) return;
  pictures_[*slot] = loader_.LoadFile(editor_->Find(*slot)->fileName);
  CreateWindow(*slot);
  WriteBack();
  windows_[*slot]->setFocus();
}

void PictureLayer::Stored(CSizeableGraphic* graphic) {
  if (!editor_ || !panel_.View().Layout()) return;
  const CDDFTemplate& layout = *panel_.View().Layout();
  const TwipsMapping mapping = Mapping();
  const TwipsRect asked = ToTwips(graphic->geometry(), mapping);
  const TwipsRect kept = editor_->StoreRect(graphic->Slot(), asked, layout.GetLabelWidth(), layout.GetLabelHeight());
  if (!(kept == asked)) graphic->move(ToPixels(kept, mapping).topLeft());
  WriteBack();
}

CSizeableGraphic* PictureLayer::Focused() const {
  for (const auto& [slot, window] : windows_) {
    if (window->hasFocus()) return window;
  }
  return nullptr;
}

void PictureLayer::RemoveFocused() {
  if (CSizeableGraphic* g = Focused()) Remove(g);
}

void PictureLayer::Remove(CSizeableGraphic* graphic) {
  if (!editor_) return;
  const int slot = graphic->Slot();
  if (!editor_->Remove(services_.ui, slot)) {
    graphic->setFocus();
    return;
  }
  windows_.erase(slot);
  pictures_.erase(slot);
  graphic->deleteLater();
  WriteBack();
}

void PictureLayer::ShowPropertiesOfFocused() {
  if (CSizeableGraphic* g = Focused()) ShowProperties(g);
}

void PictureLayer::ShowProperties(CSizeableGraphic* graphic) {
  if (!editor_) return;
  const MRBGraphic* record = editor_->Find(graphic->Slot());
  if (!record) return;
  GraphicProperties properties;
  properties.record = *record;
  properties.picture = pictures_[graphic->Slot()];
  properties.foundPath = record->embedded
                             ? std::wstring()
                             : ResolveGraphicPath(*record, services_.document.DocumentPath().parent_path(),
                                                  services_.folders);
  properties.screenDpi = panel_.Image()->logicalDpiX();
  CGraphicPropDlg dialog(properties, services_.ui, panel_.window());
  dialog.exec();
}

void PictureLayer::ShowContextMenu(CSizeableGraphic* graphic, QPoint at) {
  QMenu menu(panel_.window());
  menu.setObjectName(QStringLiteral("Picture Menu"));
  menu.addAction(tr("Graphic &Properties..."), this, [this, graphic] { ShowProperties(graphic); });
  menu.addAction(tr("Re&move Graphic"), this, [this, graphic] { Remove(graphic); });
  menu.exec(at);
}

}  // namespace mirn
