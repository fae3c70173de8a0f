#pragma once
// One prepared SQLite statement. Parameters are named with their colon (":id"); binding to
// a parameter that the statement lacks is skipped. A statement whose preparation failed, or
// that its connection finalized, is inert: binds, steps and reads do nothing and report
// that no row came back.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3_stmt;

namespace mirn {

class SQLiteCursorImpl {
 public:
  explicit SQLiteCursorImpl(sqlite3_stmt* statement = nullptr) : statement_(statement) {}
  ~SQLiteCursorImpl();
  SQLiteCursorImpl(const SQLiteCursorImpl&) = delete;
  SQLiteCursorImpl& operator=(const SQLiteCursorImpl&) = delete;

  bool IsValid() const { return statement_ != nullptr; }

  // Makes the statement ready to run again. Earlier bindings may remain; callers bind every
  // parameter again.
  void Reset();
  // The index of a parameter (":id"), 0 when the statement has none of that name.
  int ParameterIndex(const char* name) const;
  void BindText(const char* name, std::wstring_view text);
  void BindUtf8(const char* name, std::string_view text);
  // Text as UTF-16 units, as the file stores them, with no conversion.
  void BindUtf16(const char* name, std::u16string_view units);
  void BindInt(const char* name, int64_t value);
  void BindZeroBlob(const char* name, int64_t size);
  void BindNull(const char* name);

  // One step: true when a row is available.
  bool Step();
  // One step: true when it ended in a row or in done.
  bool StepDone();
  // The SQLite result (extended code) of the last step; 0 before the first.
  int LastStepResult() const { return lastResult_; }
  // True when the last step failed on a constraint (unique key, foreign key...).
  bool LastStepViolatedConstraint() const;

  // The index of a result column by name (the later one when two share a name), or -1.
  int ColumnIndex(std::string_view name);
  std::wstring GetText(int column) const;
  std::string GetUtf8(int column) const;
  std::u16string GetUtf16(int column) const;
  int GetInt(int column) const;
  int64_t GetInt64(int column) const;
  bool IsNull(int column) const;

  // Finalizes the statement now; the object stays, inert. Called by the connection.
  void Finalize();

 private:
  std::u16string& BoundUnits(int index);
  void BindBoundUnits(int index);
  sqlite3_stmt* statement_ = nullptr;
  int lastResult_ = 0;
  // The UTF-16 text bound to each parameter (by index - 1). SQLite reads it in place, so
  // it lives until the parameter is bound again or the statement is finalized.
  std::vector<std::u16string> boundTexts_;
  std::unordered_map<std::string, int> columns_;
  bool columnsBuilt_ = false;
};

using SQLiteCursor = std::shared_ptr<SQLiteCursorImpl>;

}  // namespace mirn
