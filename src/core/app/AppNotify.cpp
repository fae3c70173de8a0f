#include "app/AppNotify.h"

#include "platform/Notifier.h"
#include "platform/UserInterface.h"

namespace mirn {

bool NotificationsOn(const Notifier* notifier) { return notifier != nullptr && notifier->Enabled(); }

void AppNotify(Notifier* notifier, UserInterface& ui, const std::wstring& name, const std::wstring& message,
               bool sticky, bool fallback) {
  if (NotificationsOn(notifier)) {
    if (notifier->Notify(name, message, std::wstring(), sticky) || notifier->Enabled()) return;
  }
  if (fallback) ui.Message(message, mb::kIconInformation);
}

}  // namespace mirn
