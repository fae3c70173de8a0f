#include "templates/DDFCache.h"

#include <algorithm>
#include <system_error>

#include "util/Text.h"

namespace mirn {
namespace {

constexpr long long kCacheVersion = 300;

constexpr const char* kCreateMeta =
    "CREATE TABLE meta (key TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL DEFAULT (''));"
    "INSERT INTO meta (key, value) VALUES ('kind', 'ddfcache');"
    "INSERT INTO meta (key, value) VALUES ('versions', '300');";
constexpr const char* kCreateCache =
    "CREATE TABLE cache (directory TEXT NOT NULL, fileName TEXT NOT NULL, mtime INTEGER NOT NULL, "
    "typeCode TEXT NOT NULL, groupName TEXT NOT NULL, description TEXT NOT NULL, "
    "PRIMARY KEY (directory, fileName));";

}  // namespace

DDFCache::DDFCache(const std::filesystem::path& file) : file_(file) {
  std::error_code ec;
  if (!std::filesystem::is_directory(file.parent_path(), ec)) std::filesystem::create_directories(file.parent_path(), ec);
  const bool existed = std::filesystem::exists(file, ec);
  if (!db_.Open(file, false, true)) return;
  if (!existed && !CreateSchema()) {
    db_.Close();
    return;
  }
  // The cache is read once at every start; mapping it spares a read call per page.
  db_.Execute("PRAGMA mmap_size = 67108864;");
  if (MetaListsVersion(db_, kCacheVersion)) return;
  db_.Close();
  std::filesystem::remove(file, ec);
  if (!db_.Open(file, false, true) || !CreateSchema()) db_.Close();
}

bool DDFCache::CreateSchema() {
  // Text order and storage follow the UTF-16 form of the program's other databases.
  if (!db_.Execute("PRAGMA encoding = 'UTF-16le';")) return false;
  if (!db_.Execute("BEGIN TRANSACTION;")) return false;
  if (db_.Execute(kCreateMeta) && db_.Execute(kCreateCache) && db_.Execute("COMMIT;")) return true;
  db_.Execute("ROLLBACK;");
  return false;
}

bool DDFCache::BeginScan() {
  if (!db_.IsOpen() || db_.InTransaction()) return false;
  return db_.Execute("BEGIN TRANSACTION;");
}

void DDFCache::CommitScan() {
  if (db_.InTransaction()) db_.Execute("COMMIT;");
}

DDFCache::Rows DDFCache::Read(const std::wstring& directory) {
  Rows rows;
  if (!db_.IsOpen()) return rows;
  if (!select_)
    select_ = std::make_unique<SqliteStatement>(
        db_, "SELECT fileName, mtime, typeCode, groupName, description FROM cache WHERE directory=:directory;");
  SqliteStatement& query = *select_;
  query.Reset();
  query.Bind(":directory", std::wstring_view(directory));
  rows.reserve(32);
  while (query.Step()) {
    CDDFInfo info;
    std::wstring name = query.Text(0);
    // The decimal text is stored as an integer by the column's affinity; a row whose time is
    // not a number matches no file, so its directory is read again.
    long long mtime = -1;
    if (query.IsInteger(1))
      mtime = query.Int64(1);
    else if (!ParseInt(query.Text(1), mtime))
      mtime = -1;
    info.path.reserve(directory.size() + 1 + name.size());
    info.path = directory;
    if (info.path.empty() || info.path.back() != L'/') info.path += L'/';
    info.path += name;
    info.mtime = mtime;
    info.typeCode = query.Text(2);
    for (auto& ch : info.typeCode) ch = ToUpperChar(ch);
    info.groupName = query.Text(3);
    info.description = query.Text(4);
    rows.emplace_back(std::move(name), std::move(info));
  }
  // A failed query is as good as no rows: the directory is read from its files.
  if (!query.Done()) rows.clear();
  query.Reset();  // ends the read, so that later writes are not held up
  const auto byName = [](const auto& a, const auto& b) { return a.first < b.first; };
  if (!std::is_sorted(rows.begin(), rows.end(), byName)) std::sort(rows.begin(), rows.end(), byName);
  return rows;
}

void DDFCache::Forget(const std::wstring& directory) {
  SqliteStatement remove(db_, "DELETE FROM cache WHERE directory=:directory;");
  remove.Bind(":directory", std::wstring_view(directory));
  remove.Run();
}

namespace {

void InsertRow(SqliteStatement& insert, const std::wstring& directory, const std::wstring& name, const CDDFInfo& info) {
  insert.Reset();
  insert.Bind(":directory", std::wstring_view(directory));
  insert.Bind(":fileName", std::wstring_view(name));
  insert.Bind(":mtime", std::wstring_view(std::to_wstring(info.mtime)));
  insert.Bind(":typeCode", std::wstring_view(info.typeCode));
  insert.Bind(":groupName", std::wstring_view(info.groupName));
  insert.Bind(":description", std::wstring_view(info.description));
  insert.Run();
}

constexpr const char* kInsertRow =
    "INSERT INTO cache (directory, fileName, mtime, typeCode, groupName, description) "
    "VALUES (:directory, :fileName, :mtime, :typeCode, :groupName, :description);";

}  // namespace

void DDFCache::Write(const std::wstring& directory, const Rows& entries) {
  if (!db_.IsOpen()) return;
  Forget(directory);
  SqliteStatement insert(db_, kInsertRow);
  for (const auto& [name, info] : entries) InsertRow(insert, directory, name, info);
}

void DDFCache::Put(const std::wstring& directory, const std::wstring& fileName, const CDDFInfo& entry) {
  if (!db_.IsOpen()) return;
  // One transaction: the row is replaced whole, with one commit's worth of syncing.
  const bool began = BeginScan();
  {
    SqliteStatement remove(db_, "DELETE FROM cache WHERE directory=:directory AND fileName=:fileName;");
    remove.Bind(":directory", std::wstring_view(directory));
    remove.Bind(":fileName", std::wstring_view(fileName));
    remove.Run();
    SqliteStatement insert(db_, kInsertRow);
    InsertRow(insert, directory, fileName, entry);
  }
  if (began) CommitScan();
}

}  // namespace mirn
