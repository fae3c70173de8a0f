#include "exchange/ImportPreset.h"

#include <algorithm>

#include "json/Json.h"
#include "platform/AtomicWrite.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr std::uintmax_t kPresetFileLimit = 1u << 20;

char SeparatorOf(const std::string& text) {
  if (text == ",") return ',';
  if (text == ";") return ';';
  if (text == "\t" || text == "tab") return '\t';
  throw PresetError(TrUtf8("ImportPreset", "\"separator\" takes \",\", \";\" or \"tab\""));
}

}  // namespace

bool ImportPreset::Matches(const std::vector<std::wstring>& header) const {
  if (match.empty()) return false;
  std::vector<std::wstring> names;
  names.reserve(header.size());
  for (const std::wstring& h : header) names.push_back(NormalizeColumnName(h));
  return std::all_of(match.begin(), match.end(), [&names](const std::wstring& m) {
    return std::find(names.begin(), names.end(), m) != names.end();
  });
}

ImportPreset ParseImportPreset(std::wstring name, std::string_view text) {
  json::Value doc;
  try {
    doc = json::Parse(text);
  } catch (const json::ParseError& e) {
    throw PresetError(e.what());
  }
  if (!doc.is_object()) throw PresetError(TrUtf8("ImportPreset", "not a JSON object"));
  ImportPreset preset;
  preset.name = std::move(name);
  try {
    preset.title = FromUtf8(doc.value("title", ToUtf8(preset.name)));
    if (doc.contains("separator")) preset.separator = SeparatorOf(doc.at("separator").get<std::string>());
    for (const auto& m : doc.at("match")) preset.match.push_back(NormalizeColumnName(FromUtf8(m.get<std::string>())));
    for (const auto& [column, target] : doc.at("columns").items()) {
      const std::wstring targetText = FromUtf8(target.get<std::string>());
      const auto parsed = ParseTarget(targetText);
      if (!parsed) {
        throw PresetError(ToUtf8(FormatString(Tr("ImportPreset", "column \"%1\": unknown target \"%2\""),
                                              {FromUtf8(column), targetText})));
      }
      preset.columns[NormalizeColumnName(FromUtf8(column))] = *parsed;
    }
  } catch (const json::Value::exception& e) {
    throw PresetError(ToUtf8(FormatString(
        Tr("ImportPreset", "\"match\" (a list of names) and \"columns\" (names to targets) are needed: %1"),
        {FromUtf8(e.what())})));
  }
  if (preset.match.empty()) throw PresetError(TrUtf8("ImportPreset", "\"match\" names no column"));
  return preset;
}

std::vector<ImportPreset> LoadImportPresets(const std::vector<std::filesystem::path>& folders,
                                            std::vector<std::wstring>* problems) {
  std::vector<ImportPreset> presets;
  for (const std::filesystem::path& folder : folders) {
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
      if (it->path().extension() == ".json") files.push_back(it->path());
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
      const std::wstring name = FromPath(file.stem());
      if (FindPreset(presets, name)) continue;
      std::string bytes;
      std::error_code error;
      try {
        if (!ReadWholeFile(file, bytes, &error, kPresetFileLimit)) throw PresetError(error.message());
        presets.push_back(ParseImportPreset(name, bytes));
      } catch (const PresetError& e) {
        if (problems) problems->push_back(FromPath(file) + L": " + FromUtf8(e.what()));
      }
    }
  }
  return presets;
}

const ImportPreset* ChoosePreset(const std::vector<ImportPreset>& presets, const std::vector<std::wstring>& header) {
  for (const ImportPreset& p : presets)
    if (p.Matches(header)) return &p;
  return nullptr;
}

const ImportPreset* FindPreset(const std::vector<ImportPreset>& presets, std::wstring_view name) {
  for (const ImportPreset& p : presets)
    if (EqualsNoCase(p.name, name)) return &p;
  return nullptr;
}

}  // namespace mirn
