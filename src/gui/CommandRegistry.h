#pragma once
// What a feature of the main window needs of the window to attach its commands: the
// program's services, a handler for each command of the action table, the menus to put its
// own entries in, and the window as the parent of its dialogs. The main window implements
// it; a feature that needs no more includes this instead of the window.

#include <functional>

class QAction;
class QMenu;
class QString;
class QWidget;

namespace mirn {

struct AppServices;

class CommandRegistry {
 public:
  virtual AppServices& Services() const = 0;
  // Attaches the handler of a command of the action table; `enabled` (when given) is asked
  // whenever the commands' states are recomputed, together with the core's rule for it.
  virtual void SetCommandHandler(int id, std::function<void()> run, std::function<bool()> enabled = {}) = 0;
  // A check mark rule for a checkable command.
  virtual void SetCommandChecked(int id, std::function<bool()> checked) = 0;
  // Runs a command as its menu item would (nothing when it is disabled).
  virtual bool RunCommand(int id) = 0;
  // Recomputes every command's enabled and checked state.
  virtual void UpdateCommandStates() = 0;
  virtual QAction* Action(int id) const = 0;
  // The menu bar's menu of that title without its mnemonic ("Edit"), or null.
  virtual QMenu* Menu(const QString& plainTitle) const = 0;
  // The window itself: the parent of dialogs, what closes or lowers.
  virtual QWidget& Window() = 0;

 protected:
  ~CommandRegistry() = default;
};

}  // namespace mirn
