#include "platform/LegacyIniFile.h"

#include "platform/AtomicWrite.h"
#include "util/Text.h"

namespace mirn {

LegacyIniFile LegacyIniFile::Load(const std::filesystem::path& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return LegacyIniFile();
  return Parse(bytes);
}

LegacyIniFile LegacyIniFile::Parse(std::string_view cp1252) {
  LegacyIniFile file;
  const std::wstring text = FromCp1252(cp1252);
  std::wstring section;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(L'\n', pos);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring line = Trim(std::wstring_view(text).substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line.front() == L';') continue;
    if (line.front() == L'[') {
      const size_t close = line.find(L']');
      section = Trim(line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
      continue;
    }
    const size_t eq = line.find(L'=');
    if (eq == std::wstring::npos || section.empty()) continue;
    const std::wstring key = Trim(line.substr(0, eq));
    std::wstring value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && ((value.front() == L'"' && value.back() == L'"') ||
                              (value.front() == L'\'' && value.back() == L'\''))) {
      value = value.substr(1, value.size() - 2);
    }
    // The first occurrence of a key wins, as Windows stops at the first match.
    if (!key.empty() && file.doc_.Find(section, key) == nullptr) file.doc_.Set(section, key, value);
  }
  return file;
}

bool LegacyIniFile::Has(std::wstring_view section, std::wstring_view key) const {
  return doc_.Find(section, key) != nullptr;
}

std::wstring LegacyIniFile::GetString(std::wstring_view section, std::wstring_view key,
                                      std::wstring_view defaultValue) const {
  const std::wstring* v = doc_.Find(section, key);
  return v ? *v : std::wstring(defaultValue);
}

int LegacyIniFile::GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const {
  const std::wstring* v = doc_.Find(section, key);
  if (v == nullptr) return defaultValue;
  size_t i = 0;
  bool negative = false;
  if (i < v->size() && ((*v)[i] == L'-' || (*v)[i] == L'+')) negative = (*v)[i++] == L'-';
  long long n = 0;
  while (i < v->size() && (*v)[i] >= L'0' && (*v)[i] <= L'9' && n < 0x100000000LL) {
    n = n * 10 + ((*v)[i++] - L'0');
  }
  return static_cast<int>(static_cast<unsigned>((negative ? -n : n) & 0xFFFFFFFFLL));
}

}  // namespace mirn
