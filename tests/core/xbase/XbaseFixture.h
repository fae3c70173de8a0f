#pragma once
// Tables in memory for the reader's tests: files are registered by path with a
// MemorySourceOpener and opened through it.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/XbaseWriter.h"
#include "util/SourceOpener.h"
#include "xbase/BaseDbf.h"
#include "xbase/Exception.h"

namespace mirn::test {

class XbaseFixture : public ::testing::Test {
 protected:
  void AddFile(const std::string& path, std::string bytes) { files_->Add(path, std::move(bytes)); }
  std::unique_ptr<xbase::BaseDbf> Open(const std::string& path = "t.dbf") {
    return xbase::OpenTable(path, files_);
  }
  std::unique_ptr<xbase::BaseDbf> OpenWith(const DbfTable& table, const std::string& memo = {}) {
    AddFile("t.dbf", WriteDbf(table));
    if (!memo.empty()) AddFile(table.signature == 0x83 ? "t.dbt" : "t.fpt", memo);
    return Open();
  }
  // The message of the Exception that opening throws (empty when it opens).
  std::string OpenError(const std::string& path = "t.dbf") {
    try {
      Open(path);
    } catch (const xbase::Exception& e) {
      return e.what();
    }
    return {};
  }

  std::shared_ptr<MemorySourceOpener> files_ = std::make_shared<MemorySourceOpener>();
};

template <typename T>
T As(const xbase::Record& record, const std::string& column) {
  const auto found = record.find(column);
  if (found == record.end()) throw std::runtime_error("no column " + column);
  return std::get<T>(found->second);
}

}  // namespace mirn::test
