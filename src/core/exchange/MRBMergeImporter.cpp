#include "exchange/MRBMergeImporter.h"

#include <set>
#include <system_error>

#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "db/MRBGraphic.h"
#include "platform/Guid.h"
#include "platform/TempFile.h"
#include "util/Text.h"

namespace mirn {
namespace {

// The last part of a stored file name, split at both kinds of separator; never a path.
std::wstring SafeFileName(const std::wstring& name) {
  const size_t slash = name.find_last_of(L"\\/");
  std::wstring leaf = slash == std::wstring::npos ? name : name.substr(slash + 1);
  if (leaf.empty() || leaf == L"." || leaf == L"..") leaf = L"picture";
  return leaf;
}

// A private folder removed with its content when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::filesystem::path& parent) {
    std::error_code ec;
    const auto base = parent.empty() ? std::filesystem::temp_directory_path(ec) : parent;
    path_ = base / ToPath(L"mirn-merge-" + NewGuid());
    // Readable by the user alone whatever the umask: it holds the user's pictures.
    if (!CreatePrivateFolder(path_)) path_.clear();
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

MRBMergeImporter::MRBMergeImporter(MRBBase& target, MRBBase& source) : MRBImporter(target), source_(&source) {}

long long MRBMergeImporter::CountRecords() { return source_->GetExtensionCount(); }

long long MRBMergeImporter::Import(const ExtensionCallable& replace, const ExtensionCallable& progress) {
  ResetIncomplete();
  picturesNotCopied_ = 0;
  MRBBase& target = Database();
  std::set<std::wstring> copiedPictures;
  long long count = 0;
  for (const std::wstring& id : ExtensionRange(source_)) {
    std::wstring typeCode;
    std::wstring name;
    source_->GetExtension(id, typeCode, name);
    if (progress && !progress(id, name)) return count;
    if (replace && !replace(id, name)) continue;

    bool complete = PutExtension(id, typeCode, name);
    // The target trims the id it stores; the fields go under that id.
    const std::wstring storedId = Trim(id);
    for (const int fieldId : FieldIdRange(source_, id)) {
      const std::wstring content = source_->GetField(id, fieldId);
      if (IsGraphicSlot(fieldId)) {
        MRBGraphic graphic;
        if (graphic.FromJson(ToUtf8(content)) && graphic.embedded && !graphic.embeddedHash.empty() &&
            copiedPictures.insert(graphic.embeddedHash).second && !CopyPicture(graphic.embeddedHash)) {
          ++picturesNotCopied_;
        }
      }
      complete = Written(target.InsertField(storedId, fieldId, content)) && complete;
    }
    if (!complete) NoteIncomplete();
    ++count;
    if (StoppedOnFullDisk()) return count;
  }
  return count;
}

bool MRBMergeImporter::CopyPicture(const std::wstring& hash) {
  MRBBase& target = Database();
  if (target.HasGraphic(hash)) return true;

  std::filesystem::path extracted;
  std::wstring originalName;
  if (source_->ExtractGraphic(hash, extracted, originalName) != db::kOk) return false;
  // Embedding stores the file name of the file it reads, so the bytes go in under the
  // name they had in the source.
  ScratchFolder scratch(target.TempFolder());
  if (scratch.Path().empty()) return false;
  const std::filesystem::path named = scratch.Path() / ToPath(SafeFileName(originalName));
  std::error_code ec;
  std::filesystem::copy_file(extracted, named, ec);
  if (ec) return false;
  MRBGraphic graphic;
  graphic.fileName = FromPath(named);
  graphic.embedded = true;
  return target.EmbedGraphic(graphic) == db::kOk && graphic.embeddedHash == hash;
}

}  // namespace mirn
