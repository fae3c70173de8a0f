#include "gui/PictureCommands.h"

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "gui/CommandRegistry.h"
#include "gui/CMirnPanel.h"
#include "gui/PictureLayer.h"

namespace mirn {

PictureLayer* InstallPictureCommands(CommandRegistry& frame, CMirnPanel& panel) {
  auto* layer = new PictureLayer(panel, frame.Services());
  const auto canInsert = [layer] { return layer->CanInsert(); };
  const auto focused = [layer] { return layer->Focused() != nullptr; };
  frame.SetCommandHandler(cmd::kInsertPicture, [layer] { layer->Insert(true); }, canInsert);
  frame.SetCommandHandler(cmd::kInsertPictureLink, [layer] { layer->Insert(false); }, canInsert);
  frame.SetCommandHandler(cmd::kRemoveGraphic, [layer] { layer->RemoveFocused(); }, focused);
  frame.SetCommandHandler(cmd::kGraphicProperties, [layer] { layer->ShowPropertiesOfFocused(); }, focused);
  return layer;
}

}  // namespace mirn
