#include "cli/CliPrintJobUi.h"

#include <algorithm>
#include <iostream>

#include "cli/Command.h"
#include "print/Pagination.h"
#include "print/PrintTexts.h"
#include "print/SheetFit.h"
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
    c_.out << "This layout has more than one label per page. To start printing on another label, give --start-slot "
           << ToUtf8(run.typeCode) << "=N (N from 1 to " << slots << "). First label: "
           << ToUtf8(SlotName(startSlot)) << '\n';
  }
  if (yes_) return true;
  c_.out << "Print or Cancel? " << std::flush;
  std::string answer;
  if (!std::getline(c_.in, answer)) {
    c_.out << "\n";
    return false;
  }
  const std::wstring word = ToLower(Trim(FromUtf8(answer)));
  return word == L"p" || word == L"print" || word == L"y" || word == L"yes";
}

void CliPrintUi::ShowMessage(const std::wstring& text, MessageIcon) { c_.err << ToUtf8(text) << '\n'; }

void CliPrintUi::ProgressLine(const std::wstring& line) {
  if (c_.errIsTerminal) c_.err << '\r' << ToUtf8(line) << " (" << done_ * 100 / std::max(1LL, range_) << "%)\x1b[K";
}

void CliPrintUi::EndProgress() {
  if (c_.errIsTerminal) c_.err << "\r\x1b[K";
}

}  // namespace mirn::cli
