#include "print/PrinterSettings.h"

#include <pugixml.hpp>

#include <sstream>

#include "platform/AtomicWrite.h"
#include "platform/KnownFolders.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::int16_t ReadInt16(const pugi::xml_node& printer, const char* name) {
  long long v = 0;
  if (!ParseInt(FromUtf8(printer.child(name).attribute("value").value()), v)) return 0;
  if (v < INT16_MIN || v > INT16_MAX) return 0;
  return static_cast<std::int16_t>(v);
}

// The extended ISO form, with any fractional seconds dropped (the clock counts whole ones).
std::optional<LocalDateTime> ParseLastUsed(std::string_view text) {
  std::wstring t = FromUtf8(text);
  const size_t dot = t.find(L'.');
  if (dot != std::wstring::npos) {
    for (size_t i = dot + 1; i < t.size(); ++i) {
      if (t[i] < L'0' || t[i] > L'9') return std::nullopt;
    }
    t.resize(dot);
  }
  return ParseIsoExtended(t);
}

bool ListsVersion100(std::string_view versions) {
  size_t i = 0;
  while (i < versions.size()) {
    const size_t end = versions.find_first_of(" ,", i);
    const std::string_view word = versions.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
    if (word == "100") return true;
    if (end == std::string_view::npos) break;
    i = end + 1;
  }
  return false;
}

void AddValue(pugi::xml_node printer, const char* name, long long value) {
  printer.append_child(name).append_attribute("value") = std::to_string(value).c_str();
}

}  // namespace

long long SecondsBetween(const LocalDateTime& a, const LocalDateTime& b) { return ToEpochSeconds(b) - ToEpochSeconds(a); }

PrinterSettings PrinterSettings::Record(const DeviceMode& mode, const LocalDateTime& now) {
  PrinterSettings s;
  const auto take = [&](std::uint32_t bit, std::int16_t from, std::int16_t& to) {
    if (mode.fields & bit) {
      to = from;
      s.dmFields |= bit;
    }
  };
  take(kDmPaperSize, mode.paperSize, s.dmPaperSize);
  take(kDmPaperLength, mode.paperLength, s.dmPaperLength);
  take(kDmPaperWidth, mode.paperWidth, s.dmPaperWidth);
  take(kDmDefaultSource, mode.defaultSource, s.dmDefaultSource);
  take(kDmPrintQuality, mode.printQuality, s.dmPrintQuality);
  s.lastUsed = now;
  return s;
}

void PrinterSettings::ApplyTo(DeviceMode& mode) const {
  const auto give = [&](std::uint32_t bit, std::int16_t from, std::int16_t& to) {
    if (dmFields & bit) {
      to = from;
      mode.fields |= bit;
    }
  };
  give(kDmPaperSize, dmPaperSize, mode.paperSize);
  give(kDmPaperLength, dmPaperLength, mode.paperLength);
  give(kDmPaperWidth, dmPaperWidth, mode.paperWidth);
  give(kDmDefaultSource, dmDefaultSource, mode.defaultSource);
  give(kDmPrintQuality, dmPrintQuality, mode.printQuality);
}

std::filesystem::path PrinterSettingsPath(const KnownFolders& folders) {
  return folders.Get(KnownFolder::LocalAppData) / "Mirn" / "Last-Used Printer Settings.xml";
}

void PrinterSettingsStore::Load(const std::filesystem::path& file, const LocalDateTime& now) {
  entries_.clear();
  default_.clear();
  std::string bytes;
  pugi::xml_document doc;
  if (!ReadWholeFile(file, bytes) || !doc.load_buffer(bytes.data(), bytes.size())) return;
  const pugi::xml_node root = doc.child("printers");
  if (!root || !ListsVersion100(root.attribute("versions").value())) return;
  default_ = FromUtf8(root.attribute("default").value());
  for (const pugi::xml_node p : root.children("printer")) {
    PrinterSettings s;
    long long fields = 0;
    if (ParseInt(FromUtf8(p.child("dmFields").attribute("value").value()), fields)) {
      s.dmFields = static_cast<std::uint32_t>(fields) & kRememberedFields;
    }
    s.dmPaperSize = ReadInt16(p, "dmPaperSize");
    s.dmPaperLength = ReadInt16(p, "dmPaperLength");
    s.dmPaperWidth = ReadInt16(p, "dmPaperWidth");
    s.dmDefaultSource = ReadInt16(p, "dmDefaultSource");
    s.dmPrintQuality = ReadInt16(p, "dmPrintQuality");
    s.lastUsed = ParseLastUsed(p.child("lastUsed").attribute("value").value());
    // An entry whose date is unknown is kept: there is nothing to age it by.
    if (s.lastUsed && SecondsBetween(*s.lastUsed, now) > kKeepDays * 86400LL) continue;
    entries_[FromUtf8(p.attribute("name").value())] = s;
  }
}

bool PrinterSettingsStore::Save(const std::filesystem::path& file, const std::wstring& currentPrinter) const {
  pugi::xml_document doc;
  pugi::xml_node decl = doc.append_child(pugi::node_declaration);
  decl.append_attribute("version") = "1.0";
  decl.append_attribute("encoding") = "UTF-8";
  pugi::xml_node root = doc.append_child("printers");
  root.append_attribute("versions") = "100";
  root.append_attribute("default") = ToUtf8(currentPrinter).c_str();
  for (const auto& [name, s] : entries_) {
    pugi::xml_node p = root.append_child("printer");
    p.append_attribute("name") = ToUtf8(name).c_str();
    AddValue(p, "dmFields", s.dmFields);
    AddValue(p, "dmPaperSize", s.dmPaperSize);
    AddValue(p, "dmPaperLength", s.dmPaperLength);
    AddValue(p, "dmPaperWidth", s.dmPaperWidth);
    AddValue(p, "dmDefaultSource", s.dmDefaultSource);
    AddValue(p, "dmPrintQuality", s.dmPrintQuality);
    const std::string when = s.lastUsed ? ToUtf8(FormatIsoExtended(*s.lastUsed)) : "not-a-date-time";
    p.append_child("lastUsed").append_attribute("value") = when.c_str();
  }
  std::ostringstream out;
  doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return WriteFileAtomically(file, out.str());
}

const PrinterSettings* PrinterSettingsStore::Find(const std::wstring& printer) const {
  const auto it = entries_.find(printer);
  return it == entries_.end() ? nullptr : &it->second;
}

void PrinterSettingsStore::Record(const std::wstring& printer, const DeviceMode& mode, const LocalDateTime& now) {
  entries_[printer] = PrinterSettings::Record(mode, now);
  lastRecorded_ = printer;
}

DeviceMode PrinterSettingsStore::TakeDefaults(const std::wstring& printer, DeviceMode mode, const LocalDateTime& now) {
  if (printer != lastRecorded_) {
    if (const PrinterSettings* saved = Find(printer)) saved->ApplyTo(mode);
  }
  Record(printer, mode, now);
  return mode;
}

}  // namespace mirn
