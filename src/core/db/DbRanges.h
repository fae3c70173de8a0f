#pragma once
// Ranges over a database's extension ids (text order) and one extension's field ids
// (ascending), each step one lookup after the current value, so that rows added or removed
// during a walk are handled as the lookups find them.

#include <cstddef>
#include <iterator>
#include <string>

#include "db/MRBBase.h"

namespace mirn {

class ExtensionRange {
 public:
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::wstring;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::wstring*;
    using reference = const std::wstring&;

    Iterator() = default;
    explicit Iterator(MRBBase* db) : db_(db) { Advance(); }
    reference operator*() const { return id_; }
    pointer operator->() const { return &id_; }
    Iterator& operator++() {
      Advance();
      return *this;
    }
    bool operator==(const Iterator& other) const { return db_ == other.db_ && id_ == other.id_; }

   private:
    void Advance() {
      std::wstring next;
      if (db_ && db_->GetNextExtension(id_, next)) {
        id_ = std::move(next);
      } else {
        db_ = nullptr;
        id_.clear();
      }
    }
    MRBBase* db_ = nullptr;
    std::wstring id_;
  };

  explicit ExtensionRange(MRBBase* db) : db_(db) {}
  Iterator begin() const { return Iterator(db_); }
  Iterator end() const { return Iterator(); }

 private:
  MRBBase* db_ = nullptr;
};

class FieldIdRange {
 public:
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = int;
    using difference_type = std::ptrdiff_t;
    using pointer = const int*;
    using reference = const int&;

    Iterator() = default;
    Iterator(MRBBase* db, const std::wstring* id) : db_(db), id_(id) { Advance(); }
    reference operator*() const { return fieldId_; }
    Iterator& operator++() {
      Advance();
      return *this;
    }
    bool operator==(const Iterator& other) const { return fieldId_ == other.fieldId_; }

   private:
    void Advance() {
      fieldId_ = db_ ? db_->GetNextFieldId(*id_, fieldId_) : 0;
      if (fieldId_ == 0) db_ = nullptr;
    }
    MRBBase* db_ = nullptr;
    const std::wstring* id_ = nullptr;
    int fieldId_ = 0;
  };

  FieldIdRange(MRBBase* db, std::wstring id) : db_(db), id_(std::move(id)) {}
  Iterator begin() const { return Iterator(db_, &id_); }
  Iterator end() const { return Iterator(); }

 private:
  MRBBase* db_ = nullptr;
  std::wstring id_;
};

}  // namespace mirn
