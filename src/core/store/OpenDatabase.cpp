#include "store/OpenDatabase.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>

#include "db/MRBv3.h"
#include "db/SQLiteDB.h"
#include "legacy/MRBv2.h"

namespace mirn {
namespace {

constexpr char kSqliteHeader[16] = "SQLite format 3";  // with its terminating zero byte
constexpr std::array<unsigned char, 5> kLegacyMarker = {0x1A, 0x4D, 0x52, 0x42, 0xB7};

int DetectSqliteFormat(const std::filesystem::path& path) {
  SQLiteDB db;
  if (!db.OpenReadOnly(path)) return format::kNone;
  auto c = db.Prepare(L"SELECT value FROM meta WHERE key=:key;", false);
  c->BindText(":key", L"kind");
  const bool isLabelDatabase = c->Step() && c->GetText(0) == L"mrb";
  c.reset();
  int result = format::kNone;
  if (isLabelDatabase) {
    const std::set<int> versions = MRBBase::ReadVersions(db);
    if (versions.count(300)) {
      result = format::kCurrent;
    } else if (!versions.empty() && *versions.rbegin() > 300) {
      result = format::kNewer;
    }
  }
  db.Close();
  return result;
}

std::unique_ptr<MRBBase> OpenCurrentInPlace(const std::filesystem::path& path) {
  auto inPlace = std::make_unique<MRBv3>();
  if (inPlace->OpenReadOnly(path) != db::kOk) return nullptr;
  return inPlace;
}

}  // namespace

std::unique_ptr<MRBBase> OpenInPlaceReadOnly(const std::filesystem::path& path) {
  return DetectFormat(path) == format::kCurrent ? OpenCurrentInPlace(path) : nullptr;
}

int DetectFormat(const std::filesystem::path& path) {
  if (path.empty()) return format::kNone;
  // Only regular files: a folder reads nothing, and a pipe would wait for ever.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return format::kNone;
  std::ifstream in(path, std::ios::binary);
  if (!in) return format::kNone;
  char header[16] = {};
  in.read(header, sizeof header);
  if (in.gcount() == sizeof header && std::memcmp(header, kSqliteHeader, sizeof header) == 0) {
    in.close();
    return DetectSqliteFormat(path);
  }
  in.clear();
  in.seekg(0);
  std::array<char, 264> start{};
  in.read(start.data(), start.size());
  if (in.gcount() != static_cast<std::streamsize>(start.size())) return format::kNone;
  const auto limit = start.begin() + 260;
  const auto marker = std::find(start.begin(), limit, static_cast<char>(kLegacyMarker[0]));
  if (marker == limit) return format::kNone;
  return std::equal(kLegacyMarker.begin(), kLegacyMarker.end(), marker,
                    [](unsigned char a, char b) { return a == static_cast<unsigned char>(b); })
             ? format::kLegacy
             : format::kNone;
}

std::unique_ptr<MRBBase> OpenDatabase(const std::filesystem::path& path, int& code,
                                      const DatabaseOptions& options) {
  code = db::kNoRow;
  const auto configured = [&options](std::unique_ptr<MRBBase> database) {
    if (options.clock) database->SetClock(*options.clock);
    if (!options.tempFolder.empty()) database->SetTempFolder(options.tempFolder);
    if (options.whileCopying) database->SetWhileCopying(options.whileCopying);
    return database;
  };
  const int detected = DetectFormat(path);
  if (options.readOnly && detected == format::kCurrent) {
    // Should the file have changed since it was looked at, the usual open says why.
    if (std::unique_ptr<MRBBase> inPlace = OpenCurrentInPlace(path)) {
      code = db::kOk;
      return configured(std::move(inPlace));
    }
  }
  std::unique_ptr<MRBBase> database =
      configured(detected == format::kLegacy ? std::unique_ptr<MRBBase>(std::make_unique<MRBv2>())
                                             : std::make_unique<MRBv3>());
  code = database->Open(path);
  if (code != db::kOk) {
    if (options.fileError) *options.fileError = database->LastFileError();
    if (options.fileErrorPath) *options.fileErrorPath = database->LastFileErrorPath();
    return nullptr;
  }
  return database;
}

}  // namespace mirn
