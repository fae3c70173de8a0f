#pragma once
// The template library: every layout template file installed on the machine, indexed by
// type code, found by scanning the library folders against the header cache. Full templates
// are parsed on first use and kept until their file changes.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "templates/CDDFInfo.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFCache.h"

namespace mirn {

class KnownFolders;

// What the scans so far have done, for progress reports and measurements.
struct DDFScanStatistics {
  std::size_t directoriesFromCache = 0;
  std::size_t directoriesRead = 0;  // read from their template files
  std::size_t headersRead = 0;      // template files opened by the scan
  std::size_t filesSkipped = 0;     // unreadable or invalid headers
};

class DDFLibrary {
 public:
  // Called with (type code, description) for each entry accepted from a freshly read header;
  // returning false stops reading the current directory.
  using ScanCallback = std::function<bool(const std::wstring& typeCode, const std::wstring& description)>;

  // The cache file is "ddfcache.db" in the folder "Mirn" of the cache folder. With
  // `useCache` false the library reads every file and stores nothing.
  explicit DDFLibrary(const KnownFolders& folders, bool useCache = true);
  // A library with the given cache file (empty: no cache).
  DDFLibrary(const KnownFolders& folders, const std::filesystem::path& cacheFile);

  static std::filesystem::path DefaultCacheFile(const KnownFolders& folders);

  // The library folders that exist, in scan order: "ddf" beside the program, "Mirn/ddf" in
  // the all-users data folder, "Mirn/ddf" in the per-user data folder.
  std::vector<std::filesystem::path> GetFolders() const;
  // The user's own layouts folder, "Mirn/ddf" in the per-user data folder (the last of
  // GetFolders once it exists), where the designer saves.
  std::filesystem::path UserFolder() const;
  // Scans one folder tree into the library, sub-directories before their parent's files,
  // all cache writes in one transaction.
  void Scan(const std::filesystem::path& folder, const ScanCallback& callback = {});
  // Scans every folder of GetFolders in order; answers the number of new entries read.
  std::size_t ScanAll();
  // Scans the folders given, in order, or with none given every folder of GetFolders.
  void ScanFolders(const std::vector<std::string>& folders);

  // Takes in one template file that was just written into a library folder, without a
  // scan: its entry replaces the type code's whatever its time, a template held for the type
  // code is dropped, and the file's cache row is written, so that the folder stays cached
  // for the next start. False when the file's header cannot be read.
  bool Refresh(const std::filesystem::path& file);

  bool Contains(const std::wstring& typeCode) const { return entries_.count(typeCode) != 0; }
  std::size_t Count() const { return entries_.size(); }
  // Throws DDFLibraryException when the type code is not in the library.
  const CDDFInfo& GetInfo(const std::wstring& typeCode) const;
  // The parsed template, loaded on first use and again when its file's time is later than the
  // entry's. The library keeps it; a caller's pointer stays valid even when the library loads
  // the file again. Throws DDFLibraryException when absent and lets the reader's
  // DDFException through.
  std::shared_ptr<const CDDFTemplate> GetTemplate(const std::wstring& typeCode);
  // GetTemplate for callers that treat a missing or unreadable layout alike: null instead
  // of an exception.
  std::shared_ptr<const CDDFTemplate> FindTemplate(const std::wstring& typeCode) noexcept;
  // The labels per sheet of a layout; nothing when the library has none or cannot read it.
  std::optional<int> SlotsPerSheet(const std::wstring& typeCode) noexcept;
  // Group name → type codes in the order their entries were accepted (a replaced entry is
  // listed again).
  const std::map<std::wstring, std::vector<std::wstring>>& GetGroups() const { return groups_; }
  const std::map<std::wstring, CDDFInfo>& Entries() const { return entries_; }

  // Installer integration exists for installations made with the Windows Installer only;
  // packages on this system install the whole library, so there is nothing to repair.
  void InstallAdvertised() {}
  void Repair() {}

  const DDFScanStatistics& Statistics() const { return statistics_; }
  bool HasCache() const { return cache_.IsOpen(); }

 private:
  struct Listing;
  void ScanDirectory(const std::string& directory, const ScanCallback& callback,
                     std::vector<std::pair<std::uint64_t, std::uint64_t>>& visited);
  bool TryCache(const std::wstring& directory, const Listing& listing);
  bool Offer(CDDFInfo info);

  const KnownFolders& folders_;
  DDFCache cache_;
  std::map<std::wstring, CDDFInfo> entries_;
  std::map<std::wstring, std::shared_ptr<const CDDFTemplate>> templates_;
  std::map<std::wstring, std::vector<std::wstring>> groups_;
  DDFScanStatistics statistics_;
};

// The last-write time of a file in the library's time format; nothing when it cannot be read.
std::optional<std::int64_t> FileJulianMicros(const std::filesystem::path& path);

}  // namespace mirn
