#pragma once
// The automatic print of a start with both "I" and "P" on its command line. When that start's
// own import succeeds it prints and closes at once (Startup); otherwise the request stays
// pending, and an import filter that reports "FilterDone" later triggers the same print and
// close, so that a filter feeding Mirn unattended gets its labels printed.

#include <functional>
#include <string>
#include <vector>

namespace mirn {

class DocumentController;

struct PrintAfterImportHooks {
  // Lets pending window events run once; false when the program is quitting.
  std::function<bool()> runPendingEvents;
  // Prints the given extensions of the current database; false when nothing was printed.
  std::function<bool(const std::vector<std::wstring>&)> printExtensions;
  // Asks the main window to close.
  std::function<void()> closeMainWindow;
};

// Prints every extension of the current database through `print`; false (nothing asked)
// when there is no database, it holds no extension or there is no printer hook.
bool PrintEveryExtension(const DocumentController& document,
                         const std::function<bool(const std::vector<std::wstring>&)>& print);

class PrintAfterImport {
 public:
  PrintAfterImport(DocumentController& document, PrintAfterImportHooks hooks);

  // The command line asked for an import followed by a print.
  void Request() { pending_ = true; }
  bool Pending() const { return pending_; }

  // A filter reported that it is done. With a request pending: prints every extension of
  // the current database, forgets the request, marks the database unmodified so that
  // closing asks nothing, and closes the main window. True when the window was asked to
  // close.
  bool FilterDone();

 private:
  DocumentController& document_;
  PrintAfterImportHooks hooks_;
  bool pending_ = false;
};

}  // namespace mirn
