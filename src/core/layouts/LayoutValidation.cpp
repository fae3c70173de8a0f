#include "layouts/LayoutValidation.h"

#include <algorithm>
#include <map>

#include "db/MRBGraphic.h"
#include "layouts/LayoutObjects.h"
#include "templates/DDFLibrary.h"
#include "templates/SheetStock.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::wstring LabelName(int slot) {
  return FormatString(Tr("LayoutValidation", "Label %1"), {std::to_wstring(slot + 1)});
}

void CheckText(std::vector<LayoutProblem>& out, const std::wstring& what, const std::wstring& text, std::size_t width) {
  const std::size_t bytes = ToCp1252(text).size();
  if (bytes > width)
    out.push_back({LayoutProblemKind::TextTooLong,
                   FormatString(Tr("LayoutValidation", "%1 is %2 characters long; its field in the layout file holds %3."),
                                {what, std::to_wstring(bytes), std::to_wstring(width)})});
}

bool SamePath(const std::filesystem::path& a, const std::filesystem::path& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  return a.lexically_normal() == b.lexically_normal();
}

void CheckHeader(std::vector<LayoutProblem>& out, const CDDFTemplate& t, const DDFLibrary* library,
                 const std::filesystem::path& ownFile) {
  if (Trim(t.header.typeCode).empty())
    out.push_back({LayoutProblemKind::NoTypeCode, Tr("LayoutValidation", "The layout has no type code.")});
  CheckText(out, Tr("LayoutValidation", "The type code"), t.header.typeCode, 8);
  CheckText(out, Tr("LayoutValidation", "The maker's name"), t.header.groupName, 64);
  CheckText(out, Tr("LayoutValidation", "The name"), t.header.description, 64);
  CheckText(out, Tr("LayoutValidation", "The sheet's description"), t.header.reservedText, 64);
  if (t.header.labelWidth <= 0 || t.header.labelHeight <= 0)
    out.push_back({LayoutProblemKind::NoLabelSize, Tr("LayoutValidation", "The label needs a width and a height above zero.")});
  const std::wstring code = ToUpper(Trim(t.header.typeCode));
  if (library && !code.empty() && library->Contains(code)) {
    const CDDFInfo& taken = library->GetInfo(code);
    if (!SamePath(taken.path, ownFile))
      out.push_back({LayoutProblemKind::TypeCodeTaken,
                     FormatString(Tr("LayoutValidation", "The type code %1 is already used by the layout \"%2\" (%3)."),
                                  {code, taken.description, taken.path})});
  }
}

void CheckObjects(std::vector<LayoutProblem>& out, const CDDFTemplate& t) {
  const std::size_t width = t.header.version == L"DDF" ? kOldDDFTextSize : kDDFTextSize;
  std::map<std::uint32_t, const CDDFObject*> seen;
  for (const CDDFObject& o : t.objects) {
    const auto [first, isNew] = seen.emplace(o.id, &o);
    if (!isNew)
      out.push_back({LayoutProblemKind::IdUsedTwice,
                     FormatString(Tr("LayoutValidation", "%1 and %2 use the same id %3; every object needs an id of its own."),
                                  {ObjectName(*first->second), ObjectName(o), std::to_wstring(o.id)}),
                     o.id});
    if (o.IsTextField() && o.id >= 1 && o.id <= static_cast<std::uint32_t>(kLastGraphicSlot) &&
        IsGraphicSlot(static_cast<int>(o.id)))
      out.push_back({LayoutProblemKind::PictureId,
                     FormatString(Tr("LayoutValidation",
                                     "%1: ids 1 to 1024 are kept for pictures; give the field an id of 1025 or above."),
                                  {ObjectName(o)}),
                     o.id});
    const auto end = std::find(o.text.begin(), o.text.end(), '\0');
    const std::size_t length = static_cast<std::size_t>(end - o.text.begin());
    if (length > width)
      out.push_back({LayoutProblemKind::TextTooLong,
                     FormatString(Tr("LayoutValidation",
                                     "%1: its text is %2 characters long; its field in the layout file holds %3."),
                                  {ObjectName(o), std::to_wstring(length), std::to_wstring(width)}),
                     o.id});
  }
  // Objects can only be measured against a label that has a size.
  if (t.header.labelWidth <= 0 || t.header.labelHeight <= 0) return;
  for (const CDDFObject& o : t.objects) {
    if (o.left < 0 || o.top < 0 || o.right > t.header.labelWidth || o.bottom > t.header.labelHeight)
      out.push_back({LayoutProblemKind::ObjectOutsideLabel,
                     FormatString(Tr("LayoutValidation", "%1 reaches outside the label."), {ObjectName(o)}), o.id});
  }
}

void CheckSlots(std::vector<LayoutProblem>& out, const CDDFTemplate& t) {
  if (t.slots.empty()) {
    out.push_back({LayoutProblemKind::NoSlots,
                   Tr("LayoutValidation", "The layout has no labels on the sheet, so it cannot be printed.")});
    return;
  }
  const SheetSize sheet = SheetSizeOf(t);
  const std::wstring sheetName =
      FormatString(t.header.landscape ? Tr("LayoutValidation", "%1 landscape sheet") : Tr("LayoutValidation", "%1 sheet"),
                   {PaperName(StockOf(t).paper)});
  const long long w = t.header.labelWidth;
  const long long h = t.header.labelHeight;
  for (std::size_t i = 0; i < t.slots.size(); ++i) {
    const LabelSlot& s = t.slots[i];
    if (s.x < 0 || s.y < 0 || s.x + w > sheet.width || s.y + h > sheet.height)
      out.push_back({LayoutProblemKind::SlotOutsideSheet,
                     FormatString(Tr("LayoutValidation", "%1 does not lie whole on the %2."),
                                  {LabelName(static_cast<int>(i)), sheetName}),
                     std::nullopt,
                     {static_cast<int>(i)}});
  }
  if (w <= 0 || h <= 0) return;
  for (std::size_t i = 0; i < t.slots.size(); ++i) {
    for (std::size_t j = i + 1; j < t.slots.size(); ++j) {
      const LabelSlot& a = t.slots[i];
      const LabelSlot& b = t.slots[j];
      if (a.x < b.x + w && b.x < a.x + w && a.y < b.y + h && b.y < a.y + h)
        out.push_back({LayoutProblemKind::SlotsOverlap,
                       FormatString(Tr("LayoutValidation", "Labels %1 and %2 overlap."),
                                    {std::to_wstring(i + 1), std::to_wstring(j + 1)}),
                       std::nullopt,
                       {static_cast<int>(i), static_cast<int>(j)}});
    }
  }
}

}  // namespace

std::vector<LayoutProblem> ValidateLayout(const CDDFTemplate& layout, const DDFLibrary* library,
                                          const std::filesystem::path& ownFile) {
  std::vector<LayoutProblem> problems;
  CheckHeader(problems, layout, library, ownFile);
  CheckObjects(problems, layout);
  CheckSlots(problems, layout);
  std::stable_partition(problems.begin(), problems.end(), [](const LayoutProblem& p) { return p.IsError(); });
  return problems;
}

bool HasErrors(const std::vector<LayoutProblem>& problems) {
  return std::any_of(problems.begin(), problems.end(), [](const LayoutProblem& p) { return p.IsError(); });
}

}  // namespace mirn
