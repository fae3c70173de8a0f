#include "db/SQLiteCursorImpl.h"

#include <sqlite3.h>

#include "util/Text.h"

namespace mirn {

SQLiteCursorImpl::~SQLiteCursorImpl() { Finalize(); }

void SQLiteCursorImpl::Finalize() {
  if (statement_) {
    sqlite3_finalize(statement_);
    statement_ = nullptr;
  }
  boundTexts_.clear();
  columns_.clear();
  columnsBuilt_ = false;
}

void SQLiteCursorImpl::Reset() {
  if (!statement_) return;
  sqlite3_reset(statement_);
  columns_.clear();
  columnsBuilt_ = false;
  lastResult_ = 0;
}

int SQLiteCursorImpl::ParameterIndex(const char* name) const {
  return statement_ ? sqlite3_bind_parameter_index(statement_, name) : 0;
}

void SQLiteCursorImpl::BindText(const char* name, std::wstring_view text) {
  const int index = ParameterIndex(name);
  if (index == 0) return;
  AssignUtf16(text, BoundUnits(index));
  BindBoundUnits(index);
}

void SQLiteCursorImpl::BindUtf16(const char* name, std::u16string_view units) {
  const int index = ParameterIndex(name);
  if (index == 0) return;
  BoundUnits(index).assign(units);
  BindBoundUnits(index);
}

std::u16string& SQLiteCursorImpl::BoundUnits(int index) {
  // Sized once: growing the vector later would move strings SQLite still points into.
  if (boundTexts_.empty()) boundTexts_.resize(static_cast<size_t>(sqlite3_bind_parameter_count(statement_)));
  return boundTexts_[static_cast<size_t>(index) - 1];
}

void SQLiteCursorImpl::BindBoundUnits(int index) {
  const std::u16string& utf16 = boundTexts_[static_cast<size_t>(index) - 1];
  sqlite3_bind_text16(statement_, index, utf16.data(), static_cast<int>(utf16.size() * 2), SQLITE_STATIC);
}

void SQLiteCursorImpl::BindUtf8(const char* name, std::string_view text) {
  const int index = ParameterIndex(name);
  if (index == 0) return;
  sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                    SQLITE_TRANSIENT);
}

void SQLiteCursorImpl::BindInt(const char* name, int64_t value) {
  const int index = ParameterIndex(name);
  if (index != 0) sqlite3_bind_int64(statement_, index, value);
}

void SQLiteCursorImpl::BindZeroBlob(const char* name, int64_t size) {
  const int index = ParameterIndex(name);
  if (index != 0) sqlite3_bind_zeroblob64(statement_, index, static_cast<sqlite3_uint64>(size));
}

void SQLiteCursorImpl::BindNull(const char* name) {
  const int index = ParameterIndex(name);
  if (index != 0) sqlite3_bind_null(statement_, index);
}

bool SQLiteCursorImpl::Step() {
  if (!statement_) return false;
  lastResult_ = sqlite3_step(statement_);
  return lastResult_ == SQLITE_ROW;
}

bool SQLiteCursorImpl::StepDone() {
  if (!statement_) return false;
  lastResult_ = sqlite3_step(statement_);
  return lastResult_ == SQLITE_ROW || lastResult_ == SQLITE_DONE;
}

bool SQLiteCursorImpl::LastStepViolatedConstraint() const {
  return (lastResult_ & 0xFF) == SQLITE_CONSTRAINT;
}

int SQLiteCursorImpl::ColumnIndex(std::string_view name) {
  if (!statement_) return -1;
  if (!columnsBuilt_) {
    const int count = sqlite3_column_count(statement_);
    for (int i = 0; i < count; ++i) {
      if (const char* column = sqlite3_column_name(statement_, i)) columns_[column] = i;
    }
    columnsBuilt_ = true;
  }
  const auto it = columns_.find(std::string(name));
  return it == columns_.end() ? -1 : it->second;
}

std::wstring SQLiteCursorImpl::GetText(int column) const {
  if (!statement_) return {};
  const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement_, column));
  if (!text) return {};
  const int bytes = sqlite3_column_bytes16(statement_, column);
  return FromUtf16(std::u16string_view(text, static_cast<size_t>(bytes) / 2));
}

std::u16string SQLiteCursorImpl::GetUtf16(int column) const {
  if (!statement_) return {};
  const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement_, column));
  if (!text) return {};
  return std::u16string(text, static_cast<size_t>(sqlite3_column_bytes16(statement_, column)) / 2);
}

std::string SQLiteCursorImpl::GetUtf8(int column) const {
  if (!statement_) return {};
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  if (!text) return {};
  return std::string(text, static_cast<size_t>(sqlite3_column_bytes(statement_, column)));
}

int SQLiteCursorImpl::GetInt(int column) const {
  return statement_ ? sqlite3_column_int(statement_, column) : 0;
}

int64_t SQLiteCursorImpl::GetInt64(int column) const {
  return statement_ ? sqlite3_column_int64(statement_, column) : 0;
}

bool SQLiteCursorImpl::IsNull(int column) const {
  return !statement_ || sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

}  // namespace mirn
