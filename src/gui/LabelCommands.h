#pragma once
// Plugs the label panel into the main window: creates the panel and its caption bar, places
// them, attaches the label commands of the action table (editing, clipboard, formats,
// rotation, zoom, codes, custom codes, undo) and follows the open document and the zoom.

namespace mirn {

class CMainFrame;
class CMirnPanel;
class ListPanel;

// The panel, owned by the frame. The extension list (may be null) shows a row's label with
// panel->View().SetExtension(id); Select All and Unselect All act on the label's fields or
// on the list's rows, as the core's rule says.
CMirnPanel* InstallLabelCommands(CMainFrame& frame, ListPanel* list);

}  // namespace mirn
