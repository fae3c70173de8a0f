#include "platform/IniDocument.h"

#include <climits>

namespace mirn {
namespace {

constexpr std::wstring_view kGeneral = L"General";

std::wstring SectionName(std::wstring_view section) {
  return section.empty() ? std::wstring(kGeneral) : std::wstring(section);
}

std::wstring Escape(std::wstring_view text, bool isName) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    switch (c) {
      case L'\\': out += L"\\\\"; break;
      case L'\n': out += L"\\n"; break;
      case L'\r': out += L"\\r"; break;
      case L'\t': out += L"\\t"; break;
      case L'=': case L'[': case L']': case L';': case L'#':
        if (isName) out += L'\\';
        out += c;
        break;
      default: out += c;
    }
  }
  return out;
}

std::wstring Unescape(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const wchar_t n = text[++i];
    out += n == L'n' ? L'\n' : n == L'r' ? L'\r' : n == L't' ? L'\t' : n;
  }
  return out;
}

// Position of the first "=" not escaped by a backslash, or npos.
size_t FindSeparator(std::wstring_view line) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == L'\\') {
      ++i;
    } else if (line[i] == L'=') {
      return i;
    }
  }
  return std::wstring_view::npos;
}

}  // namespace

const std::wstring* IniDocument::Find(std::wstring_view section, std::wstring_view key) const {
  const auto s = sections_.find(SectionName(section));
  if (s == sections_.end()) return nullptr;
  const auto k = s->second.find(key);
  return k == s->second.end() ? nullptr : &k->second;
}

void IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  sections_[SectionName(section)].insert_or_assign(std::wstring(key), std::wstring(value));
}

bool IniDocument::Erase(std::wstring_view section, std::wstring_view key) {
  const auto s = sections_.find(SectionName(section));
  if (s == sections_.end()) return false;
  const auto k = s->second.find(key);
  if (k == s->second.end()) return false;
  s->second.erase(k);
  return true;
}

IniDocument IniDocument::Parse(std::string_view utf8) {
  IniDocument doc;
  const std::wstring text = FromUtf8(utf8);
  std::wstring current(kGeneral);
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find(L'\n', pos);
    if (end == std::wstring::npos) end = text.size();
    std::wstring_view line(text.data() + pos, end - pos);
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    pos = end + 1;
    if (line.empty() || line.front() == L';' || line.front() == L'#') continue;
    if (line.front() == L'[') {
      // The closing "]" is the last one that no backslash escapes.
      size_t close = std::wstring_view::npos;
      for (size_t i = 1; i < line.size(); ++i) {
        if (line[i] == L'\\') {
          ++i;
        } else if (line[i] == L']') {
          close = i;
        }
      }
      if (close != std::wstring_view::npos) {
        current = Unescape(line.substr(1, close - 1));
        doc.sections_[current];
      }
      continue;
    }
    const size_t sep = FindSeparator(line);
    if (sep == std::wstring_view::npos) continue;
    doc.sections_[current].insert_or_assign(Unescape(line.substr(0, sep)),
                                            Unescape(line.substr(sep + 1)));
  }
  return doc;
}

std::string IniDocument::Serialize() const {
  std::wstring out;
  for (const auto& [name, values] : sections_) {
    if (values.empty()) continue;
    if (!out.empty()) out += L'\n';
    out += L'[' + Escape(name, true) + L"]\n";
    for (const auto& [key, value] : values) {
      out += Escape(key, true) + L'=' + Escape(value, false) + L'\n';
    }
  }
  return ToUtf8(out);
}

int IniDocument::ToInt(const std::wstring* value, int defaultValue) {
  long long v = 0;
  if (value == nullptr || !ParseInt(*value, v)) return defaultValue;
  // A DWORD read as a signed integer: values past the signed range wrap as they would there.
  if (v < INT_MIN || v > static_cast<long long>(UINT_MAX)) return defaultValue;
  return static_cast<int>(static_cast<unsigned>(v & 0xFFFFFFFFLL));
}

}  // namespace mirn
