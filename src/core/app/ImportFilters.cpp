#include "app/ImportFilters.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "app/PrintAfterImport.h"
#include "util/StringTable.h"
#include "platform/KnownFolders.h"
#include "platform/Launcher.h"
#include "platform/LegacyIniFile.h"
#include "platform/UserInterface.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr int kApiVersion = 3;
constexpr size_t kMaxDescription = 255;
constexpr int kRunningFilterString = 4102;
// A description file is a few lines; anything larger is not one.
constexpr std::uintmax_t kMaxDescriptionFileBytes = 64 * 1024;

bool IsDescriptionFile(const std::filesystem::path& path) {
  return ToLower(FromUtf8(path.extension().string())) == L".inf";
}

}  // namespace

std::optional<ImportFilter> ParseFilterDescription(std::string_view bytes, std::wstring name,
                                                   std::filesystem::path folder) {
  const LegacyIniFile ini = LegacyIniFile::Parse(bytes);
  if (ini.GetInt(L"Filter", L"APIVersion", 0) != kApiVersion) return std::nullopt;
  ImportFilter filter;
  filter.name = std::move(name);
  filter.description = ini.GetString(L"Filter", L"Description", L"").substr(0, kMaxDescription);
  filter.interactiveImport = ini.GetInt(L"Filter", L"InteractiveImport", 0);
  filter.configInterface = ini.GetInt(L"Filter", L"ConfigInterface", 0);
  filter.win32Only = ini.GetInt(L"Filter", L"Win32Only", 0);
  filter.folder = std::move(folder);
  return filter;
}

std::vector<ImportFilter> ScanImportFilters(const std::vector<std::filesystem::path>& folders) {
  std::vector<ImportFilter> filters;
  std::set<std::wstring> seen;
  for (const std::filesystem::path& folder : folders) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      std::error_code typeError;
      if (entry.is_regular_file(typeError) && IsDescriptionFile(entry.path())) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
      const std::wstring name = FromUtf8(file.stem().string());
      if (seen.count(ToLower(name)) != 0) continue;
      std::error_code sizeError;
      if (std::filesystem::file_size(file, sizeError) > kMaxDescriptionFileBytes || sizeError) continue;
      std::ifstream in(file, std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      if (auto filter = ParseFilterDescription(bytes.str(), name, folder)) {
        seen.insert(ToLower(name));
        filters.push_back(std::move(*filter));
      }
    }
  }
  return filters;
}

std::vector<std::filesystem::path> ImportFilterFolders(const KnownFolders& folders) {
  return {folders.Get(KnownFolder::Program) / "filters", folders.Get(KnownFolder::LocalAppData) / "Mirn" / "filters"};
}

std::filesystem::path FilterProgram(const ImportFilter& filter) {
  return filter.folder / std::filesystem::path(ToUtf8(filter.name));
}

std::vector<std::string> FilterConfigArguments(unsigned long long windowId) {
  return {"/CONFIG", "/HWND:" + std::to_string(windowId)};
}

std::optional<FilterMessage> ParseFilterMessage(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
  if (line == "FilterDone") return FilterMessage{FilterMessage::Kind::kFilterDone, 0};
  constexpr std::string_view kConversion = "ConversionDone";
  if (line.substr(0, kConversion.size()) != kConversion) return std::nullopt;
  std::string_view rest = line.substr(kConversion.size());
  if (rest.empty()) return FilterMessage{FilterMessage::Kind::kConversionDone, 0};
  if (rest.front() != ' ') return std::nullopt;
  rest.remove_prefix(1);
  long long code = 0;
  bool negative = false;
  if (!rest.empty() && rest.front() == '-') {
    negative = true;
    rest.remove_prefix(1);
  }
  if (rest.empty() || rest.size() > 18) return std::nullopt;
  for (const char c : rest) {
    if (c < '0' || c > '9') return std::nullopt;
    code = code * 10 + (c - '0');
  }
  return FilterMessage{FilterMessage::Kind::kConversionDone, negative ? -code : code};
}

ImportFilterController::ImportFilterController(UserInterface& ui, Launcher& launcher,
                                               std::vector<ImportFilter> filters,
                                               std::function<void()> refreshStatus)
    : ui_(ui), launcher_(launcher), filters_(std::move(filters)), refreshStatus_(std::move(refreshStatus)) {}

bool ImportFilterController::Configure(size_t index) {
  if (index >= filters_.size() || filters_[index].configInterface == 0 || waiting_) return false;
  const ImportFilter& filter = filters_[index];
  ui_.SetStatusText(FormatString(LoadString(kRunningFilterString), {filter.name}));
  if (lowerMainWindow_) lowerMainWindow_();
  ui_.SetMainWindowEnabled(false);
  ui_.BeginWaitCursor();
  waiting_ = true;
  if (launcher_.Start(FilterProgram(filter), FilterConfigArguments(windowId_))) {
    started_ = true;
    conversionRunning_ = true;
    return true;
  }
  EndWait();
  return false;
}

void ImportFilterController::EndWait() {
  if (!waiting_) return;
  waiting_ = false;
  ui_.SetMainWindowEnabled(true);
  ui_.EndWaitCursor();
  if (refreshStatus_) refreshStatus_();
}

void ImportFilterController::FilterDone() {
  EndWait();
  if (printAfterImport_ != nullptr) printAfterImport_->FilterDone();
}

void ImportFilterController::ProgramEnded() { EndWait(); }

void ImportFilterController::ConversionDone(long long code) {
  conversionRunning_ = false;
  conversionResult_ = code;
}

}  // namespace mirn
