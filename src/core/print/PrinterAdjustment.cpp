#include "print/PrinterAdjustment.h"

#include <pugixml.hpp>

#include "platform/FileErrors.h"
#include "platform/KnownFolders.h"
#include "platform/Profile.h"
#include "print/AdjustmentUnits.h"
#include "util/Text.h"
#include "platform/XmlFile.h"

namespace mirn {
namespace {

constexpr wchar_t kSection[] = L"Precise Printer Adjustment";
constexpr const char* kValueNames[4] = {"portraitX", "portraitY", "landscapeX", "landscapeY"};

std::int32_t* ValueSlot(PrinterAdjustment& a, int i) {
  std::int32_t* slots[4] = {&a.portraitX, &a.portraitY, &a.landscapeX, &a.landscapeY};
  return slots[i];
}

std::int32_t ParseInt32(std::wstring_view text) {
  long long v = 0;
  if (!ParseInt(text, v) || v < INT32_MIN || v > INT32_MAX) return 0;
  return static_cast<std::int32_t>(v);
}

pugi::xml_node FindPrinter(const pugi::xml_document& doc, const std::string& name) {
  for (pugi::xml_node p : RootElement(doc, "printers").children("printer")) {
    if (name == p.attribute("name").value()) return p;
  }
  return {};
}

// "x,y" split at the first comma; a part that is no integer reads 0, no comma reads 0,0.
std::pair<std::int64_t, std::int64_t> ParsePair(const std::wstring& text) {
  const size_t comma = text.find(L',');
  if (comma == std::wstring::npos) return {0, 0};
  long long x = 0;
  long long y = 0;
  if (!ParseInt(std::wstring_view(text).substr(0, comma), x)) x = 0;
  if (!ParseInt(std::wstring_view(text).substr(comma + 1), y)) y = 0;
  return {x, y};
}

void ReadValues(const pugi::xml_node& printer, PrinterAdjustment& into) {
  for (int i = 0; i < 4; ++i) {
    *ValueSlot(into, i) = ParseInt32(FromUtf8(printer.child(kValueNames[i]).attribute("value").value()));
  }
}

// A record of a damaged file is carried over only when all its values could be read.
bool IsCompletePrinter(const pugi::xml_node& printer) {
  if (!printer.attribute("name")) return false;
  for (const char* name : kValueNames) {
    long long v = 0;
    if (!ParseInt(FromUtf8(printer.child(name).attribute("value").value()), v)) return false;
  }
  return true;
}

}  // namespace

std::wstring AdjustmentPrinterName(std::wstring_view deviceName) {
  return deviceName.empty() ? std::wstring(L"None") : std::wstring(deviceName);
}

std::filesystem::path PrinterAdjustmentsPath(const KnownFolders& folders) {
  return folders.Get(KnownFolder::LocalAppData) / "Mirn" / "Precise Printer Adjustments.xml";
}

PrinterAdjustment PrinterAdjustmentStore::Load(std::wstring_view printerName) {
  PrinterAdjustment result;
  result.name = AdjustmentPrinterName(printerName);
  pugi::xml_document doc;
  if (LoadXmlFile(file_, doc)) {
    if (pugi::xml_node p = FindPrinter(doc, ToUtf8(result.name))) {
      ReadValues(p, result);
      return result;
    }
  }
  const std::wstring migratedKey = result.name + L" Migrated to XML";
  if (profile_.GetInt(kSection, migratedKey, 0) != 0) return result;

  const std::wstring scale = profile_.GetString(kSection, result.name + L" Scale", L"doesn't exist");
  if (scale != L"doesn't exist") {
    const LegacyScale unit = LegacyScaleFromWord(scale);
    const auto portrait = ParsePair(profile_.GetString(kSection, result.name, L"0,0"));
    const auto landscape = ParsePair(profile_.GetString(kSection, result.name + L" Landscape", L"0,0"));
    result.portraitX = LegacyToTwips(portrait.first, unit);
    result.portraitY = LegacyToTwips(portrait.second, unit);
    result.landscapeX = LegacyToTwips(landscape.first, unit);
    result.landscapeY = LegacyToTwips(landscape.second, unit);
  }
  // The old entry counts as carried over only once the file holds it; otherwise the next
  // load tries again rather than forgetting the user's shifts.
  if (Save(result)) profile_.WriteInt(kSection, migratedKey, 1);
  return result;
}

bool PrinterAdjustmentStore::Save(const PrinterAdjustment& adjustment, std::error_code* error) {
  pugi::xml_document doc;
  if (!OpenXmlStoreForUpdate(file_, "printers", "printer", IsCompletePrinter, doc, notice_, error)) return false;
  pugi::xml_node root = RootElement(doc, "printers");
  const std::string name = ToUtf8(AdjustmentPrinterName(adjustment.name));
  pugi::xml_node printer = FindPrinter(doc, name);
  if (!printer) {
    printer = root.append_child("printer");
    printer.append_attribute("name") = name.c_str();
  }
  PrinterAdjustment copy = adjustment;
  for (int i = 0; i < 4; ++i) {
    pugi::xml_node value = printer.child(kValueNames[i]);
    if (!value) value = printer.append_child(kValueNames[i]);
    pugi::xml_attribute attr = value.attribute("value");
    if (!attr) attr = value.append_attribute("value");
    attr = std::to_string(*ValueSlot(copy, i)).c_str();
  }
  // Write only what reads back as given (a name the file cannot hold, a document that took
  // no change): a save must never report success and store nothing.
  PrinterAdjustment stored;
  const pugi::xml_node found = FindPrinter(doc, name);
  if (found) ReadValues(found, stored);
  stored.name = adjustment.name;
  copy.name = adjustment.name;
  if (!found || !(stored == copy)) {
    if (error) *error = make_error_code(FileErrc::kNotStored);
    return false;
  }
  return SaveXmlFile(file_, doc, error);
}

}  // namespace mirn
