// Embedded pictures of a label database: stored once per content in the graphics table,
// keyed by their SHA-1, written out to temporary files for display, and dropped at Save once
// no graphic slot references them.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ext/stdio_filebuf.h>

#include <fstream>
#include <ostream>
#include <set>

#include "db/GraphicFiles.h"
#include "db/MRBBase.h"
#include "db/SQLiteDB.h"
#include "util/Text.h"

namespace mirn {
namespace {

// A previous extraction can be reused only when it is our own regular file (never a link
// planted in a shared temporary folder) and still has the stored size.
bool IsReusableExtraction(const std::filesystem::path& path, int64_t size) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::getuid() &&
         info.st_size == size;
}

}  // namespace

bool MRBBase::HasGraphic(std::wstring_view hash) {
  if (!IsOpen() || !HasVersion(302)) return false;
  auto c = db_->Prepare(L"SELECT 1 FROM graphics WHERE hash=:hash;", false);
  c->BindText(":hash", hash);
  return c->Step();
}

int MRBBase::ExtractGraphic(std::wstring_view hash, std::filesystem::path& path,
                            std::wstring& originalName) {
  if (!IsOpen()) return db::kNotOpen;
  if (!HasVersion(302)) return db::kVersionMissing;
  // The hash becomes part of a file name: anything but 40 hex digits is no stored picture.
  if (!IsSha1Text(hash)) return db::kGraphicIo;
  auto c = db_->Prepare(L"SELECT rowid, file_size, original_name FROM graphics WHERE hash=:hash;",
                        false);
  c->BindText(":hash", hash);
  if (!c->Step()) return db::kGraphicIo;
  const int64_t rowid = c->GetInt64(0);
  const int64_t size = c->GetInt64(1);
  const std::wstring stored = c->GetText(2);
  c.reset();

  const std::wstring extension = StoredExtension(stored);
  std::wstring name = std::to_wstring(::getpid()) + L"-" + std::wstring(hash) + extension;
  const std::filesystem::path target = tempFolder_ / ToPath(name);
  const std::wstring storedName = stored.empty() ? L"Untitled" + extension : StoredFileName(stored);

  if (!IsReusableExtraction(target, size)) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return db::kGraphicIo;
    AddTemporaryFile(target);
    bool ok = false;
    {
      __gnu_cxx::stdio_filebuf<char> buffer(fd, std::ios::out | std::ios::binary);
      std::ostream out(&buffer);
      ok = db_->ReadBlob("graphics", "content", rowid, out);
      out.flush();
      ok = ok && out.good();
    }  // the buffer closes the descriptor
    if (!ok) {
      std::error_code ignored;
      std::filesystem::remove(target, ignored);
      return db::kGraphicIo;
    }
  }
  path = target;
  originalName = storedName;
  return db::kOk;
}

int MRBBase::EmbedGraphic(MRBGraphic& graphic) {
  if (!IsOpen()) return db::kNotOpen;
  const std::filesystem::path source = ToPath(graphic.fileName);
  std::error_code ec;
  if (graphic.fileName.empty() || !std::filesystem::is_regular_file(source, ec)) {
    return db::kGraphicIo;
  }
  if (const int rc = EnsureVersion(302); rc != db::kOk) return rc;
  const std::wstring hash = Sha1OfFile(source);
  if (hash.empty()) return db::kGraphicIo;

  std::filesystem::path extracted;
  std::wstring originalName;
  int rc = ExtractGraphic(hash, extracted, originalName);
  if (rc == db::kGraphicIo) {
    std::ifstream in(source, std::ios::binary);
    const auto size = std::filesystem::file_size(source, ec);
    // The size is stored as a 32-bit number, so pictures must stay below 2 GiB.
    if (!in || ec || size > 0x7FFFFFFF) return db::kGraphicIo;
    auto insert = db_->Prepare(
        L"INSERT INTO graphics (hash, file_size, original_name, content) "
        L"VALUES (:hash, :file_size, :original_name, :content);",
        false);
    insert->BindText(":hash", hash);
    insert->BindInt(":file_size", static_cast<int64_t>(size));
    insert->BindText(":original_name", StoredFileName(graphic.fileName));
    insert->BindZeroBlob(":content", static_cast<int64_t>(size));
    if (!insert->StepDone()) return db::kGraphicIo;
    insert.reset();
    const int64_t rowid = db_->LastInsertRowId();
    if (!db_->WriteBlob("graphics", "content", rowid, in, static_cast<int64_t>(size))) {
      auto remove = db_->Prepare(L"DELETE FROM graphics WHERE rowid=:rowid", false);
      remove->BindInt(":rowid", rowid);
      remove->StepDone();
      return db::kGraphicIo;
    }
    rc = ExtractGraphic(hash, extracted, originalName);
  }
  if (rc != db::kOk) return rc;
  graphic.fileName = FromPath(extracted);
  graphic.relativeName = L".\\" + FromPath(extracted.filename());
  graphic.originalName = originalName;
  graphic.embedded = true;
  graphic.embeddedHash = hash;
  return db::kOk;
}

int MRBBase::SetGraphicField(std::wstring_view id, int fieldId, const MRBGraphic& graphic) {
  if (!IsOpen()) return db::kNotOpen;
  if (!ExtensionExists(id)) return db::kNoSuchExtension;
  MRBGraphic stored = graphic;
  std::error_code ec;
  if (stored.embedded && !stored.fileName.empty() &&
      std::filesystem::exists(ToPath(stored.fileName), ec)) {
    if (const int rc = EmbedGraphic(stored); rc != db::kOk) return rc;
    stored.fileName = EmbeddedPlaceholderPath(StoredExtension(stored.fileName));
    stored.relativeName = stored.fileName;
  }
  return SetField(id, fieldId, FromUtf8(stored.ToJson()));
}

int MRBBase::GetGraphicField(std::wstring_view id, int fieldId, MRBGraphic& graphic) {
  if (!IsOpen()) return db::kNotOpen;
  if (!FieldExists(id, fieldId)) return db::kEmptyGraphicSlot;
  const std::wstring content = GetField(id, fieldId);
  if (content.empty()) return db::kEmptyGraphicSlot;
  if (!graphic.FromJson(ToUtf8(content))) return db::kBadGraphic;
  if (!graphic.embedded) return db::kOk;
  std::filesystem::path extracted;
  std::wstring originalName;
  if (const int rc = ExtractGraphic(graphic.embeddedHash, extracted, originalName); rc != db::kOk) {
    return rc;
  }
  graphic.fileName = FromPath(extracted);
  graphic.relativeName = L".\\" + FromPath(extracted.filename());
  graphic.originalName = originalName;
  return db::kOk;
}

int MRBBase::DeleteUnreferencedGraphics() {
  if (!IsOpen()) return db::kNotOpen;
  if (!HasVersion(302)) return db::kOk;
  std::set<std::wstring> referenced;
  {
    auto c = db_->Prepare(L"SELECT content FROM field WHERE field_id >= 1 AND field_id <= 1024;",
                          false);
    while (c->Step()) {
      MRBGraphic graphic;
      if (graphic.FromJson(c->GetUtf8(0)) && graphic.embedded) referenced.insert(graphic.embeddedHash);
    }
  }
  std::vector<std::wstring> unreferenced;
  {
    auto c = db_->Prepare(L"SELECT hash FROM graphics;", false);
    while (c->Step()) {
      std::wstring hash = c->GetText(0);
      if (!referenced.count(hash)) unreferenced.push_back(std::move(hash));
    }
  }
  int result = db::kOk;
  for (const auto& hash : unreferenced) {
    auto c = db_->Prepare(L"DELETE FROM graphics WHERE hash=:hash;", false);
    c->BindText(":hash", hash);
    if (!c->StepDone()) result = db::kSqlFailed;
  }
  if (!unreferenced.empty()) SetModified();
  return result;
}

}  // namespace mirn
