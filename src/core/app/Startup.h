#pragma once
// The desktop program's start-up after its main window exists: the template library loaded
// behind the "Reading Layouts" window, the tips file found, the command line handled (open,
// print and close, or an automatic import), then the first-run welcome and the Tip of the
// Day. The window-side actions are hooks, so the sequence runs in tests without a display.

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace mirn {

class CommandLine;
class DDFLibrary;
class DocumentController;
class Profile;
class UserInterface;

// Notification name → the name the desktop shows for it, in the person's language.
std::map<std::wstring, std::wstring> NotificationNames();

struct StartupHooks {
  // Sends a desktop notification (name, title, text); empty when notifications are off.
  std::function<void(const std::wstring&, const std::wstring&, const std::wstring&)> notify;
  // Prints the given extensions of the current database; false when nothing was printed.
  std::function<bool(const std::vector<std::wstring>&)> printExtensions;
  // Asks the main window to close (after an automatic print).
  std::function<void()> closeMainWindow;
  // Remembers that the command line asked for a print after its import ("I" with "P").
  std::function<void()> requestPrintAfterImport;
  // Lets pending window events run once; false when the program is quitting.
  std::function<bool()> runPendingEvents;
  // Opens the Getting Started guide in the browser.
  std::function<void()> openGettingStarted;
  // Shows the Tip of the Day window.
  std::function<void()> showTipOfTheDay;
  // A steady clock for how long the library scan has taken; empty: the system's.
  std::function<std::chrono::steady_clock::time_point()> now;
};

// The "Reading Layouts" window opens only once the scan has taken this long: with a warm
// cache the scan ends well before, and a window flashing by would only slow the start.
inline constexpr std::chrono::milliseconds kScanProgressDelay{500};

class Startup {
 public:
  Startup(UserInterface& ui, Profile& profile, DDFLibrary& library, DocumentController& document,
          StartupHooks hooks);

  // Scans the library, under the "Reading Layouts" window once the scan has taken
  // kScanProgressDelay; answers the number of new layouts.
  // An empty library after a repair and a second scan gets the missing-layouts warning.
  long long LoadLibrary();
  // Opens, prints or imports as the command line asks. True when the program goes on
  // running with its window (false after an automatic print, which closes it).
  bool HandleCommandLine(const CommandLine& commandLine);
  // The first-run welcome and the Tip of the Day, both left out for "I" and "P" runs.
  void Greet(const CommandLine& commandLine, bool hasTipsFile);

 private:
  bool PrintAll();
  bool Import(const CommandLine& commandLine);

  UserInterface& ui_;
  Profile& profile_;
  DDFLibrary& library_;
  DocumentController& document_;
  StartupHooks hooks_;
};

}  // namespace mirn
