#pragma once
// The independent spreadsheet reader of the exchange tests: read_workbook.py (xlrd for
// .xls and compound files, openpyxl for .xlsx), its output parsed as JSON.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace mirn::test {

// Runs the reader with `args` (the kind, the file, for compound files the stream names).
// Nothing when the reader is not installed (the caller skips); an empty object, after a
// failed expectation, when the reader failed.
inline std::optional<nlohmann::json> ReadWorkbook(const std::vector<std::string>& args) {
  constexpr int kReaderMissing = 3;
  std::vector<std::string> argv = {"/usr/bin/python3",
                                   std::string(MIRN_SOURCE_DIR) + "/tests/core/exchange/read_workbook.py"};
  argv.insert(argv.end(), args.begin(), args.end());
  const ProcessResult r = RunProcess(argv);
  if (r.exitCode == kReaderMissing) return std::nullopt;
  EXPECT_EQ(r.exitCode, 0) << r.err;
  if (r.exitCode != 0) return nlohmann::json::object();
  return nlohmann::json::parse(r.out);
}

}  // namespace mirn::test
