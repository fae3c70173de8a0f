#include "exchange/MRBImporterSession.h"

#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

constexpr int kReplaceQuestionString = 1039;
constexpr long long kMessageInterval = 100;

// "Importing extension 201 (Reception)": the pattern takes the id as %1 and the name as %2.
std::wstring LineFor(const std::wstring& withName, const std::wstring& withoutName, const std::wstring& id,
                     const std::wstring& name) {
  return name.empty() ? FormatString(withoutName, {id}) : FormatString(withName, {id, name});
}

// Steps the bar and, every kMessageInterval positions, lets window messages run. False
// when the loop must end (Stop pressed, or the application quitting).
bool StepAndPoll(ExchangeProgressView& view) {
  view.Step();
  if (view.Position() % kMessageInterval == 0 && !view.RunPendingMessages()) return false;
  return !view.StopPressed();
}

}  // namespace

std::wstring ReplaceQuestionText(const std::wstring& id) {
  std::wstring text = LoadString(kReplaceQuestionString);
  const size_t at = text.find(L"%s");
  if (at != std::wstring::npos) text.replace(at, 2, id);
  return text;
}

std::wstring ImportingLine(const std::wstring& id, const std::wstring& name) {
  return LineFor(Tr("ExchangeReports", "Importing extension %1 (%2)"), Tr("ExchangeReports", "Importing extension %1"),
                 id, name);
}

std::wstring ExportingLine(const std::wstring& id, const std::wstring& name) {
  return LineFor(Tr("ExchangeReports", "Exporting extension %1 (%2)"), Tr("ExchangeReports", "Exporting extension %1"),
                 id, name);
}

ImportSession::ImportSession(ExchangeProgressView& view, ReplaceQuestion* question,
                             ExistsFunction exists)
    : view_(&view), question_(question), exists_(std::move(exists)) {}

bool ImportSession::Progress(const std::wstring& id, const std::wstring& name) {
  if (stop_) return false;
  view_->SetLine(ImportingLine(id, name));
  if (!StepAndPoll(*view_)) stop_ = true;
  return !stop_;
}

bool ImportSession::Replace(const std::wstring& id, const std::wstring& name) {
  if (!exists_ || !exists_(id)) return true;
  if (rememberedReplace_) return *rememberedReplace_ || Keep();
  if (!question_) return Keep();
  const ReplaceReply reply = question_->Ask(id);
  if (reply.answer == ReplaceAnswer::StopImporting) {
    stop_ = true;
    return false;
  }
  const bool replace = reply.answer == ReplaceAnswer::Replace;
  if (reply.dontAskAgain) rememberedReplace_ = replace;
  return replace || Keep();
}

ExtensionCallable ImportSession::ProgressCallable() {
  return [this](const std::wstring& id, const std::wstring& name) { return Progress(id, name); };
}

ExtensionCallable ImportSession::ReplaceCallable() {
  return [this](const std::wstring& id, const std::wstring& name) { return Replace(id, name); };
}

bool ExportSession::Progress(const std::wstring& id, const std::wstring& name) {
  if (cancelled_) return false;
  view_->SetLine(ExportingLine(id, name));
  if (!StepAndPoll(*view_)) cancelled_ = true;
  return !cancelled_;
}

ExtensionCallable ExportSession::ProgressCallable() {
  return [this](const std::wstring& id, const std::wstring& name) { return Progress(id, name); };
}

}  // namespace mirn
