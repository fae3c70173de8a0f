#pragma once
// The print controller of a mirn-cli command, over the Qt printing layer.

#include <memory>
#include <optional>

#include "print/PrintController.h"

namespace mirn::cli {

struct Context;
class ParsedArgs;

// The print controller of a command with the target named on the command line: --pdf or
// --printer, exactly one.
class CliPrinting {
 public:
  // Throws UsageError unless exactly one of --pdf and --printer is given.
  CliPrinting(const ParsedArgs& parsed, Context& c, DDFLibrary& library);

  PrintController& Controller() { return *controller_; }

  // The order's target; nothing, with the reason on standard error, when the PDF's folder
  // cannot be written or the printer cannot become the program's printer.
  std::optional<PrintOrder> Order();

 private:
  const ParsedArgs& parsed_;
  Context& c_;
  std::unique_ptr<PrintDevices> devices_;
  std::unique_ptr<PrintController> controller_;
};

}  // namespace mirn::cli
