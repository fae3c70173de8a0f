#pragma once
// The progress and replace callables that drive CSV import, database merge and the
// exports, shared by the GUI and mirn-cli. Each front end supplies what a person sees
// (the progress window, the replace question); the rules live here.

#include <functional>
#include <optional>
#include <string>

#include "platform/UserInterface.h"

namespace mirn {

// Called per extension with its id and name; false ends the loop (progress) or skips the
// extension (replace). An empty callable is never called.
using ExtensionCallable = std::function<bool(const std::wstring& id, const std::wstring& name)>;

// The progress window of import, export and merge is the shared one of the user interface.
using ExchangeProgressView = ProgressWindow;

enum class ReplaceAnswer { Replace, DontReplace, StopImporting };

struct ReplaceReply {
  ReplaceAnswer answer = ReplaceAnswer::DontReplace;
  bool dontAskAgain = false;  // the check box that suppresses further questions
};

// The question asked when an imported extension exists already: caption "Importing",
// ReplaceQuestionText(id), buttons "&Replace", "&Don't Replace", "&Stop Importing".
class ReplaceQuestion {
 public:
  virtual ~ReplaceQuestion() = default;
  virtual ReplaceReply Ask(const std::wstring& id) = 0;
};

std::wstring ReplaceQuestionText(const std::wstring& id);
// "Importing extension 42 (Reception)", the name part only when there is a name.
std::wstring ImportingLine(const std::wstring& id, const std::wstring& name);
std::wstring ExportingLine(const std::wstring& id, const std::wstring& name);

// One import or merge command: the stop flag and the remembered answer, both fresh for
// every command.
class ImportSession {
 public:
  using ExistsFunction = std::function<bool(const std::wstring& id)>;

  // `question` may be null: existing extensions are then kept (Don't Replace).
  ImportSession(ExchangeProgressView& view, ReplaceQuestion* question, ExistsFunction exists);

  bool Progress(const std::wstring& id, const std::wstring& name);
  bool Replace(const std::wstring& id, const std::wstring& name);
  ExtensionCallable ProgressCallable();
  ExtensionCallable ReplaceCallable();

  bool Stopped() const { return stop_; }
  // Existing extensions kept because the answer was not to replace them.
  long long Kept() const { return kept_; }

 private:
  bool Keep() {
    ++kept_;
    return false;
  }

  ExchangeProgressView* view_ = nullptr;
  ReplaceQuestion* question_ = nullptr;
  ExistsFunction exists_;
  bool stop_ = false;
  long long kept_ = 0;
  std::optional<bool> rememberedReplace_;
};

// One export command: the bar, the line, the every-100 message rule and Cancel.
class ExportSession {
 public:
  explicit ExportSession(ExchangeProgressView& view) : view_(&view) {}
  bool Progress(const std::wstring& id, const std::wstring& name);
  ExtensionCallable ProgressCallable();
  bool Cancelled() const { return cancelled_; }

 private:
  ExchangeProgressView* view_ = nullptr;
  bool cancelled_ = false;
};

}  // namespace mirn
