#include "templates/DDFLibrary.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>

#include "util/StringTable.h"
#include "platform/KnownFolders.h"
#include "templates/DDFException.h"
#include "util/Text.h"
#include "util/Catalog.h"

namespace mirn {
namespace {

std::filesystem::path CompanyFolder(const KnownFolders& folders, KnownFolder which) {
  return folders.Get(which) / ToPath(LoadString(kStrCompany));
}

// The extension ".ddf" in any case; the bytes are ASCII, whatever the rest of the name is.
bool HasTemplateExtension(std::string_view name) {
  if (name.size() <= 4) return false;
  const std::string_view ext = name.substr(name.size() - 4);
  return ext[0] == '.' && (ext[1] | 0x20) == 'd' && (ext[2] | 0x20) == 'd' && (ext[3] | 0x20) == 'f';
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

}  // namespace

std::optional<std::int64_t> FileJulianMicros(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return JulianMicrosFromUnixSeconds(static_cast<std::int64_t>(st.st_mtim.tv_sec));
}

// One directory's entries, sorted by name so that scans do not depend on the order the file
// system happens to list them in.
struct DDFLibrary::Listing {
  struct File {
    std::wstring name;
    std::string path;
    std::optional<std::int64_t> mtime;
  };
  std::vector<std::string> directories;
  std::vector<File> files;
};

DDFLibrary::DDFLibrary(const KnownFolders& folders, bool useCache)
    : DDFLibrary(folders, useCache ? DefaultCacheFile(folders) : std::filesystem::path()) {}

DDFLibrary::DDFLibrary(const KnownFolders& folders, const std::filesystem::path& cacheFile)
    : folders_(folders), cache_(cacheFile.empty() ? DDFCache() : DDFCache(cacheFile)) {}

std::filesystem::path DDFLibrary::DefaultCacheFile(const KnownFolders& folders) {
  return CompanyFolder(folders, KnownFolder::Cache) / "ddfcache.db";
}

std::vector<std::filesystem::path> DDFLibrary::GetFolders() const {
  std::vector<std::filesystem::path> result;
  for (const auto& folder : {folders_.Get(KnownFolder::Program) / "ddf",
                             CompanyFolder(folders_, KnownFolder::ProgramData) / "ddf",
                             CompanyFolder(folders_, KnownFolder::LocalAppData) / "ddf"}) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) result.push_back(folder);
  }
  return result;
}

std::filesystem::path DDFLibrary::UserFolder() const {
  return CompanyFolder(folders_, KnownFolder::LocalAppData) / "ddf";
}

bool DDFLibrary::Refresh(const std::filesystem::path& file) {
  DDFHeaderInfo header;
  const std::optional<std::int64_t> mtime = FileJulianMicros(file);
  try {
    if (!mtime || !CDDFTemplate::ReadInfo(file, header)) return false;
  } catch (const DDFException&) {
    return false;
  }
  CDDFInfo info{FromPath(file), *mtime, header.typeCode, header.groupName, header.description};
  // The type code's file may have changed within the second its time is kept in.
  templates_.erase(info.typeCode);
  // A file the user just saved is the one wanted, even when another is newer.
  entries_.erase(info.typeCode);
  Offer(info);
  // Keyed as the scan keys the folder: the path as the folder list forms it.
  cache_.Put(FromUtf8(file.parent_path().native()), FromPath(file.filename()), info);
  return true;
}

void DDFLibrary::Scan(const std::filesystem::path& folder, const ScanCallback& callback) {
  const bool began = cache_.BeginScan();
  std::vector<std::pair<std::uint64_t, std::uint64_t>> visited;
  ScanDirectory(folder.native(), callback, visited);
  if (began) cache_.CommitScan();
}

std::size_t DDFLibrary::ScanAll() {
  std::size_t fresh = 0;
  for (const auto& folder : GetFolders())
    Scan(folder, [&fresh](const std::wstring&, const std::wstring&) {
      ++fresh;
      return true;
    });
  return fresh;
}

void DDFLibrary::ScanFolders(const std::vector<std::string>& folders) {
  if (folders.empty()) {
    ScanAll();
    return;
  }
  for (const auto& folder : folders) Scan(folder);
}

void DDFLibrary::ScanDirectory(const std::string& directory, const ScanCallback& callback,
                               std::vector<std::pair<std::uint64_t, std::uint64_t>>& visited) {
  // Paths are handled as plain strings here: a scan touches thousands of names and most of
  // them only need a stat.
  const std::string& dirPath = directory;
  DirHandle handle(::opendir(dirPath.c_str()));  // fails for anything but a readable directory
  if (!handle) return;
  DIR* dir = handle.get();
  struct stat st {};
  // A link back to a folder above would otherwise make the walk endless.
  if (::fstat(::dirfd(dir), &st) != 0 ||
      std::find(visited.begin(), visited.end(), std::pair<std::uint64_t, std::uint64_t>(st.st_dev, st.st_ino)) !=
          visited.end())
    return;
  visited.emplace_back(st.st_dev, st.st_ino);

  Listing listing;
  listing.files.reserve(32);
  {
    const std::string prefix = dirPath.empty() || dirPath.back() == '/' ? dirPath : dirPath + '/';
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view name(entry->d_name);
      if (name == "." || name == "..") continue;
      // Times are read relative to the open directory, which spares the kernel a walk of
      // the whole path for every file.
      struct stat target {};
      bool statted = false;
      bool isDirectory = entry->d_type == DT_DIR;
      if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
        statted = ::fstatat(::dirfd(dir), entry->d_name, &target, 0) == 0;
        isDirectory = statted && S_ISDIR(target.st_mode);
      }
      if (isDirectory) {
        listing.directories.push_back(prefix + entry->d_name);
      } else if (HasTemplateExtension(name)) {
        Listing::File file{FromUtf8(name), prefix + entry->d_name, std::nullopt};
        if (statted || ::fstatat(::dirfd(dir), entry->d_name, &target, 0) == 0) {
          // A pipe or device named like a template is no template (reading it could wait).
          if (!S_ISREG(target.st_mode)) continue;
          file.mtime = JulianMicrosFromUnixSeconds(static_cast<std::int64_t>(target.st_mtim.tv_sec));
        }
        listing.files.push_back(std::move(file));
      }
    }
    handle.reset();
  }
  std::sort(listing.directories.begin(), listing.directories.end());
  std::sort(listing.files.begin(), listing.files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });

  for (const auto& sub : listing.directories) ScanDirectory(sub, callback, visited);

  const std::wstring key = FromUtf8(dirPath);
  if (TryCache(key, listing)) {
    ++statistics_.directoriesFromCache;
    return;
  }
  if (listing.files.empty()) return;
  ++statistics_.directoriesRead;

  std::vector<std::pair<std::wstring, CDDFInfo>> accepted;
  for (const auto& file : listing.files) {
    DDFHeaderInfo header;
    ++statistics_.headersRead;
    try {
      if (!file.mtime || !CDDFTemplate::ReadInfo(std::filesystem::path(file.path), header)) {
        ++statistics_.filesSkipped;
        continue;
      }
    } catch (const DDFException&) {
      // Unreadable files are skipped like invalid ones; the scan goes on.
      ++statistics_.filesSkipped;
      continue;
    }
    CDDFInfo info{FromUtf8(file.path), *file.mtime, header.typeCode, header.groupName, header.description};
    if (!Offer(info)) continue;
    accepted.emplace_back(file.name, info);
    if (callback && !callback(info.typeCode, info.description)) return;
  }
  cache_.Write(key, accepted);
}

bool DDFLibrary::TryCache(const std::wstring& directory, const Listing& listing) {
  if (!cache_.IsOpen()) return false;
  DDFCache::Rows rows = cache_.Read(directory);
  if (rows.empty()) return false;
  // Both lists are sorted by name and hold each name once, so they match when they have the
  // same length and agree pair by pair. A file missing from the rows, a time that differs, or
  // a cached file that is gone all make the directory stale.
  bool valid = rows.size() == listing.files.size();
  for (std::size_t i = 0; valid && i < rows.size(); ++i) {
    const auto& file = listing.files[i];
    valid = rows[i].first == file.name && file.mtime && rows[i].second.mtime == *file.mtime;
  }
  if (!valid) {
    cache_.Forget(directory);
    return false;
  }
  for (auto& [name, info] : rows) Offer(std::move(info));
  return true;
}

bool DDFLibrary::Offer(CDDFInfo info) {
  const auto existing = entries_.find(info.typeCode);
  if (existing != entries_.end() && existing->second.mtime > info.mtime) return false;
  groups_[info.groupName].push_back(info.typeCode);
  if (existing != entries_.end())
    existing->second = std::move(info);
  else
    entries_.emplace(info.typeCode, std::move(info));
  return true;
}

const CDDFInfo& DDFLibrary::GetInfo(const std::wstring& typeCode) const {
  const auto it = entries_.find(typeCode);
  if (it == entries_.end()) throw DDFLibraryException(FormatString(Tr("DDFLibrary", "requested DDF not found in library: %1"), {typeCode}));
  return it->second;
}

std::shared_ptr<const CDDFTemplate> DDFLibrary::GetTemplate(const std::wstring& typeCode) {
  const auto it = entries_.find(typeCode);
  if (it == entries_.end()) throw DDFLibraryException(FormatString(Tr("DDFLibrary", "requested DDF not found in library: %1"), {typeCode}));
  CDDFInfo& info = it->second;
  const std::filesystem::path path = ToPath(info.path);
  const auto held = templates_.find(typeCode);
  const std::optional<std::int64_t> now = FileJulianMicros(path);
  // A file that vanished since it was read keeps serving the template already held.
  if (held != templates_.end() && (!now || info.mtime >= *now)) return held->second;

  auto loaded = std::make_shared<const CDDFTemplate>(CDDFTemplate::Load(path));
  info.mtime = now.value_or(info.mtime);
  info.typeCode = loaded->GetTypeCode();
  info.groupName = loaded->GetGroupName();
  info.description = loaded->GetDescription();
  templates_[typeCode] = loaded;
  return loaded;
}

std::shared_ptr<const CDDFTemplate> DDFLibrary::FindTemplate(const std::wstring& typeCode) noexcept {
  if (!Contains(typeCode)) return nullptr;
  try {
    return GetTemplate(typeCode);
  } catch (const std::exception&) {
    return nullptr;
  }
}

std::optional<int> DDFLibrary::SlotsPerSheet(const std::wstring& typeCode) noexcept {
  const std::shared_ptr<const CDDFTemplate> layout = FindTemplate(typeCode);
  if (!layout) return std::nullopt;
  return static_cast<int>(layout->GetSlots().size());
}

}  // namespace mirn
