#pragma once
// Plugs the label panel into the main window: creates the panel and its caption bar, places
// them, attaches the label commands of the action table (editing, clipboard, formats,
// rotation, zoom, codes, custom codes, undo) and follows the open document and the zoom.

namespace mirn {

class CMainFrame;
class CMirnPanel;

// The panel, owned by the frame. The extension list shows a row's label with
// panel->View().SetExtension(id).
CMirnPanel* InstallLabelCommands(CMainFrame& frame);

}  // namespace mirn
