#include "cli/CliPrintJobUi.h"

#include <algorithm>
#include <iostream>

#include "cli/Command.h"
#include "print/Pagination.h"
#include "print/PrintTexts.h"
#include "print/SheetFit.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

volatile std::sig_atomic_t stopPressed = 0;

}  // namespace

StopOnInterrupt::StopOnInterrupt() {
  stopPressed = 0;
  struct sigaction action {};
  action.sa_handler = [](int) { stopPressed = 1; };
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previous_);
}

StopOnInterrupt::~StopOnInterrupt() { sigaction(SIGINT, &previous_, nullptr); }

bool StopOnInterrupt::Pressed() { return stopPressed != 0; }

bool CliPrintUi::ConfirmRun(const PrintRun& run, const RunLayout& layout, int copies, int& startSlot) {
  const int slots = std::max(1, layout.slotsPerSheet);
  const long long labels = static_cast<long long>(run.ids.size());
  c_.out << ToUtf8(ReadyText(labels, copies, layout.groupName, layout.description,
                             SheetsRequired(labels, copies, slots, startSlot)))
         << '\n';
  const long long cut = CutLabelCount(layout.cutSlots, labels, copies, slots, startSlot);
  if (cut > 0) c_.out << ToUtf8(CutLabelsNote(cut, layout.cutSlots)) << '\n';
  if (slots > 1) {
    // The window's note tells to click a button; here the first label is an option.
    c_.out << FormatString(TrUtf8("Cli", "This layout has more than one label per page. To start printing on another "
                                         "label, give --start-slot %1=N (N from 1 to %2). First label: %3"),
                           {ToUtf8(run.typeCode), std::to_string(slots), ToUtf8(SlotName(startSlot))})
           << '\n';
  }
  if (yes_) return true;
  c_.out << TrUtf8("Cli", "Print or Cancel?") << ' ' << std::flush;
  std::string answer;
  if (!std::getline(c_.in, answer)) {
    c_.out << "\n";
    return false;
  }
  const std::wstring word = ToLower(Trim(FromUtf8(answer)));
  // The English answers always count, so a script's "yes" works in every language.
  const std::wstring print = ToLower(Tr("Cli", "print")), yes = ToLower(Tr("Cli", "yes"));
  return word == L"p" || word == L"print" || word == L"y" || word == L"yes" || word == print || word == yes ||
         (!word.empty() && (word == print.substr(0, 1) || word == yes.substr(0, 1)));
}

void CliPrintUi::ShowMessage(const std::wstring& text, MessageIcon) { c_.err << ToUtf8(text) << '\n'; }

void CliPrintUi::ProgressLine(const std::wstring& line) {
  if (c_.errIsTerminal) c_.err << '\r' << ToUtf8(line) << " (" << done_ * 100 / std::max(1LL, range_) << "%)\x1b[K";
}

void CliPrintUi::EndProgress() {
  if (c_.errIsTerminal) c_.err << "\r\x1b[K";
}

}  // namespace mirn::cli
