#include "print/PartialSheets.h"

#include <pugixml.hpp>

#include <algorithm>

#include "platform/KnownFolders.h"
#include "util/Text.h"
#include "platform/XmlFile.h"

namespace mirn {
namespace {

pugi::xml_node FindSheet(const pugi::xml_document& doc, const std::string& layout, const std::string& printer) {
  for (pugi::xml_node s : RootElement(doc, "sheets").children("sheet")) {
    if (layout == s.attribute("layout").value() && printer == s.attribute("printer").value()) return s;
  }
  return {};
}

// A record of a damaged file is carried over only when it names its layout, printer and slot.
bool IsCompleteSheet(const pugi::xml_node& sheet) {
  long long next = 0;
  return sheet.attribute("layout") && sheet.attribute("printer") &&
         ParseInt(FromUtf8(sheet.attribute("next").value()), next);
}

}  // namespace

std::filesystem::path PartialSheetsPath(const KnownFolders& folders) {
  return folders.Get(KnownFolder::LocalAppData) / "Mirn" / "Partial Sheets.xml";
}

int SlotAfterRun(long long labels, int slotsPerSheet, int startSlot) {
  const long long slots = std::max(1, slotsPerSheet);
  const long long start = startSlot >= 0 && startSlot < slots ? startSlot : 0;
  return static_cast<int>((start + std::max(0LL, labels)) % slots);
}

int PartialSheetStore::NextSlot(std::wstring_view layout, std::wstring_view printer, int slotsPerSheet) const {
  pugi::xml_document doc;
  if (!LoadXmlFile(file_, doc)) return 0;
  const pugi::xml_node sheet = FindSheet(doc, ToUtf8(layout), ToUtf8(printer));
  if (!sheet) return 0;
  long long next = 0;
  if (!ParseInt(FromUtf8(sheet.attribute("next").value()), next)) return 0;
  return next > 0 && next < slotsPerSheet ? static_cast<int>(next) : 0;
}

bool PartialSheetStore::Record(std::wstring_view layout, std::wstring_view printer, int nextSlot) {
  pugi::xml_document doc;
  if (!OpenXmlStoreForUpdate(file_, "sheets", "sheet", IsCompleteSheet, doc, notice_)) return false;
  pugi::xml_node root = RootElement(doc, "sheets");
  const std::string layoutName = ToUtf8(layout);
  const std::string printerName = ToUtf8(printer);
  pugi::xml_node sheet = FindSheet(doc, layoutName, printerName);
  if (nextSlot <= 0) {
    if (sheet) root.remove_child(sheet);
  } else {
    if (!sheet) {
      sheet = root.append_child("sheet");
      sheet.append_attribute("layout") = layoutName.c_str();
      sheet.append_attribute("printer") = printerName.c_str();
    }
    pugi::xml_attribute next = sheet.attribute("next");
    if (!next) next = sheet.append_attribute("next");
    next = nextSlot;
  }
  // Write only what reads back as given: a save must never report success and store nothing.
  const pugi::xml_node stored = FindSheet(doc, layoutName, printerName);
  if (nextSlot > 0 ? !stored || stored.attribute("next").as_int() != nextSlot : static_cast<bool>(stored)) {
    return false;
  }
  return SaveXmlFile(file_, doc);
}

}  // namespace mirn
