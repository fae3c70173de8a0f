#pragma once
// The per-user cache of template headers, "ddfcache.db": per directory, each template file's
// name, last-write time and header texts, so that an unchanged directory is taken without
// opening its files. Every operation fails quietly: without a working cache the library
// reads the template files themselves.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "templates/CDDFInfo.h"
#include "templates/SqliteConnection.h"

namespace mirn {

class DDFCache {
 public:
  // Opens or creates the cache file (its folder is created when missing); a file of another
  // version, or one that is not a cache at all, is deleted and made anew.
  explicit DDFCache(const std::filesystem::path& file);
  // No cache: every query answers nothing and writes are dropped.
  DDFCache() = default;

  bool IsOpen() const { return db_.IsOpen(); }
  const std::filesystem::path& File() const { return file_; }

  // Starts a transaction when none runs; answers whether this call started one.
  bool BeginScan();
  void CommitScan();

  // The rows of one directory as (file name, entry), sorted by file name (case-sensitive),
  // paths and type codes already formed.
  using Rows = std::vector<std::pair<std::wstring, CDDFInfo>>;
  Rows Read(const std::wstring& directory);
  void Forget(const std::wstring& directory);
  // Replaces the directory's rows with `entries` (file name → entry).
  void Write(const std::wstring& directory, const Rows& entries);
  // Replaces (or adds) the row of one file of the directory; the other rows stay.
  void Put(const std::wstring& directory, const std::wstring& fileName, const CDDFInfo& entry);

 private:
  bool CreateSchema();

  std::filesystem::path file_;
  SqliteConnection db_;
  // Prepared once: a scan asks once per directory.
  std::unique_ptr<SqliteStatement> select_;
};

}  // namespace mirn
