#pragma once
// The application-level notification: the message goes to the desktop notification
// service when one is enabled, and otherwise, where the caller asks for it, into an
// information message box.

#include <string>

namespace mirn {

class Notifier;
class UserInterface;

// `notifier` may be null (no service). The message is sent as the title with an empty
// text. When sending fails because the service has just gone away (the notifier disabled
// itself), the message still reaches the person through the fallback, so that a report
// such as an import's count is not lost with the connection.
void AppNotify(Notifier* notifier, UserInterface& ui, const std::wstring& name, const std::wstring& message,
               bool sticky, bool fallback);

// Whether notifications are on (a notifier exists and is enabled).
bool NotificationsOn(const Notifier* notifier);

}  // namespace mirn
