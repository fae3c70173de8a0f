#pragma once
// The picture commands of the main window: insert an embedded or a linked picture, remove
// the picture that has the focus, and show its properties.

namespace mirn {

class CommandRegistry;
class CMirnPanel;
class PictureLayer;

// The pictures over `panel`'s label; the layer is owned by the panel.
PictureLayer* InstallPictureCommands(CommandRegistry& frame, CMirnPanel& panel);

}  // namespace mirn
