#pragma once
// The list's commands as the main window runs them: New Extension (the Add Extensions
// dialog, the creation step, then the new rows selected and shown) and Insert Extension
// Name.

#include <functional>
#include <optional>
#include <string>

#include "gui/CAddExtDialog.h"

class QWidget;

namespace mirn {

class CMainFrame;
class DDFLibrary;
class ListPanel;
class MRBBase;
class Profile;
class UserInterface;

// Runs New Extension over `db`. `commitEdits` finishes a field edit in progress before
// anything is written; `layouts` (when given) opens the layout designer from the dialog.
// Answers true when extensions were created.
bool RunNewExtension(QWidget* parent, MRBBase& db, DDFLibrary& library, Profile& profile, UserInterface& ui,
                     ListPanel& list, const std::function<void()>& commitEdits = {},
                     const CAddExtDialog::LayoutEditor& layouts = {});

// Puts the extension list into the main window, keeps it in step with the document (filled
// on open, emptied on close, the saved selection restored) and installs its commands: New
// Extension, Delete, Properties and Refresh. The panel is owned by the frame; Select All and
// Unselect All reach its rows through the label commands, which decide where they act.
ListPanel* InstallListCommands(CMainFrame& frame);

// Runs Insert Extension Name; answers the code text to insert, or nothing when cancelled.
std::optional<std::wstring> RunInsertExtensionName(QWidget* parent, MRBBase& db, Profile& profile);

}  // namespace mirn
