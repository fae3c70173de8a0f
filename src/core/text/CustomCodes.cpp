#include "text/CustomCodes.h"

#include <pugixml.hpp>

#include <cstdio>
#include <sstream>

#include "platform/AtomicWrite.h"
#include "platform/KnownFolders.h"
#include "platform/LegacyIniFile.h"
#include "platform/Profile.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr std::wstring_view kSection = L"Custom Codes";
constexpr std::wstring_view kLineBreak = L"<CR>";
// Old stores with an absurd count are read no further than this many entries.
constexpr int kMaxLegacyEntries = 4096;

const char* kJustification[] = {"left", "center", "right", "full"};

// The codes of the old storage in one store (the profile or the INI file).
template <typename Store>
void ReadLegacyCodes(const Store& store, std::vector<CustomCode>& codes) {
  const int count = std::min(store.GetInt(kSection, L"Count", 0), kMaxLegacyEntries);
  for (int i = 0; i < count && codes.size() < kMaxCustomCodes; ++i) {
    const std::wstring n = std::to_wstring(i);
    const std::wstring text = CustomCodeText(store.GetString(kSection, L"Code" + n, L""));
    if (text.empty()) continue;
    codes.push_back(MakeCustomCode(text, ParseStyleString(store.GetString(kSection, L"Style" + n, L""))));
  }
}

bool IsTrue(const pugi::xml_attribute& a) { return std::string_view(a.value()) == "true"; }

CustomCode ReadCode(const pugi::xml_node& node) {
  TextFormat style = DefaultStyleFormat();
  if (auto a = node.attribute("font")) style.face = ClampFace(FromUtf8(a.value()));
  if (auto a = node.attribute("size")) {
    long long points = 0;
    if (ParseInt(FromUtf8(a.value()), points) && points >= 0 && points <= 0x3FFFFFFF) {
      style.size = static_cast<std::int32_t>(points * 2);
    }
  }
  if (auto a = node.attribute("color")) ParseCodeColor(a.value(), style.color);
  if (auto a = node.attribute("bold")) style.bold = IsTrue(a);
  if (auto a = node.attribute("italic")) style.italic = IsTrue(a);
  if (auto a = node.attribute("underline")) style.underline = IsTrue(a);
  if (auto a = node.attribute("strikeout")) style.strikeout = IsTrue(a);
  if (auto a = node.attribute("justification")) {
    for (int i = 0; i < 4; ++i) {
      if (std::string_view(a.value()) == kJustification[i]) style.alignment = static_cast<Alignment>(i);
    }
  }
  // Line breaks typed into the file by hand count as "<CR>" does, so that every code's
  // breaks are CR LF and the code reads back the same after it is saved.
  return MakeCustomCode(CustomCodeText(CustomCodeLabel(FromUtf8(node.text().get()))), style);
}

bool ReadCodesFile(const std::filesystem::path& file, std::vector<CustomCode>& codes) {
  std::string bytes;
  if (!ReadWholeFile(file, bytes)) return false;
  pugi::xml_document doc;
  if (!doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata,
                       pugi::encoding_utf8)) {
    return false;
  }
  for (const pugi::xml_node& node : doc.child("codes").children("code")) {
    if (codes.size() >= kMaxCustomCodes) break;
    codes.push_back(ReadCode(node));
  }
  return true;
}

}  // namespace

std::wstring CustomCodeLabel(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' || text[i] == L'\n') {
      if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      out += kLineBreak;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::wstring CustomCodeText(std::wstring_view label) {
  std::wstring out;
  out.reserve(label.size());
  for (std::size_t i = 0; i < label.size();) {
    if (label.substr(i, kLineBreak.size()) == kLineBreak) {
      out += L"\r\n";
      i += kLineBreak.size();
    } else {
      out += label[i++];
    }
  }
  return out;
}

CustomCode MakeCustomCode(std::wstring text, const TextFormat& style) {
  CustomCode code;
  code.label = CustomCodeLabel(text);
  code.text = std::move(text);
  code.style = style;
  return code;
}

std::wstring CustomCodesSaveFailedMessage(const std::filesystem::path& file) {
  return FormatString(Tr("CustomCodes", "The custom codes could not be saved. The file was supposed to be saved to:\n\n%1"),
                      {FromPath(file)});
}

std::filesystem::path CustomCodesPath(const KnownFolders& folders) {
  return folders.Get(KnownFolder::RoamingAppData) / "Mirn" / "Custom Codes.xml";
}

std::string FormatCodeColor(Color color) {
  char buf[8];
  const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  if (r % 17 == 0 && g % 17 == 0 && b % 17 == 0) {
    std::snprintf(buf, sizeof buf, "%x%x%x", r / 17, g / 17, b / 17);
  } else {
    std::snprintf(buf, sizeof buf, "%02x%02x%02x", r, g, b);
  }
  return buf;
}

bool ParseCodeColor(std::string_view text, Color& color) {
  if (!text.empty() && text[0] == '#') text.remove_prefix(1);
  if (text.size() != 3 && text.size() != 6) return false;
  int digits[6] = {};
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') digits[i] = c - '0';
    else if (c >= 'a' && c <= 'f') digits[i] = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digits[i] = c - 'A' + 10;
    else return false;
  }
  if (text.size() == 3) {
    color = MakeColor(digits[0] * 17, digits[1] * 17, digits[2] * 17);
  } else {
    color = MakeColor(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
  }
  return true;
}

std::vector<CustomCode> LoadCustomCodes(const std::filesystem::path& file, Profile& profile,
                                        const std::filesystem::path& legacyIni) {
  std::vector<CustomCode> codes;
  std::error_code ec;
  if (std::filesystem::exists(file, ec) || ec) {
    ReadCodesFile(file, codes);
    return codes;
  }
  if (profile.GetInt(kSection, L"Migrated to XML", 0) != 0) return codes;
  const LegacyIniFile ini = LegacyIniFile::Load(legacyIni);
  if (profile.GetInt(kSection, L"Count", 0) == 0 && ini.GetInt(kSection, L"Count", 0) == 0) {
    return codes;
  }
  ReadLegacyCodes(profile, codes);
  ReadLegacyCodes(ini, codes);
  if (SaveCustomCodes(file, codes)) profile.WriteInt(kSection, L"Migrated to XML", 1);
  return codes;
}

bool SaveCustomCodes(const std::filesystem::path& file, const std::vector<CustomCode>& codes) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("codes");
  for (const CustomCode& code : codes) {
    pugi::xml_node node = root.append_child("code");
    const TextFormat& s = code.style;
    node.append_attribute("font") = ToUtf8(s.face).c_str();
    node.append_attribute("size") = s.size / 2;
    node.append_attribute("color") = FormatCodeColor(s.color).c_str();
    node.append_attribute("bold") = s.bold ? "true" : "false";
    node.append_attribute("italic") = s.italic ? "true" : "false";
    node.append_attribute("underline") = s.underline ? "true" : "false";
    node.append_attribute("strikeout") = s.strikeout ? "true" : "false";
    const auto align = static_cast<unsigned>(s.alignment);
    node.append_attribute("justification") = kJustification[align < 4 ? align : 0];
    node.text().set(ToUtf8(CustomCodeLabel(code.text)).c_str());
  }
  std::ostringstream out;
  doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return WriteFileAtomically(file, out.str());
}

}  // namespace mirn
