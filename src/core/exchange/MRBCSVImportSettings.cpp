#include "exchange/MRBCSVImportSettings.h"

#include "platform/Profile.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

constexpr wchar_t kSection[] = L"CSV Import";
constexpr wchar_t kFace[] = L"Font Face";
constexpr wchar_t kSize[] = L"Font Size";
constexpr wchar_t kBold[] = L"Font Bold";
constexpr wchar_t kItalic[] = L"Font Italic";
constexpr wchar_t kUnderline[] = L"Font Underline";
constexpr wchar_t kStrikeOut[] = L"Font StrikeOut";
constexpr wchar_t kColor[] = L"Font Color";
constexpr wchar_t kAlign[] = L"Text Align";

}  // namespace

CsvImportSettings CsvImportSettings::Read(const Profile& profile) {
  const CsvImportSettings d;
  CsvImportSettings s;
  s.face = profile.GetString(kSection, kFace, d.face).substr(0, kMaxFaceLength);
  s.pointSize = profile.GetInt(kSection, kSize, d.pointSize);
  s.bold = profile.GetInt(kSection, kBold, 0) != 0;
  s.italic = profile.GetInt(kSection, kItalic, 0) != 0;
  s.underline = profile.GetInt(kSection, kUnderline, 0) != 0;
  s.strikeOut = profile.GetInt(kSection, kStrikeOut, 0) != 0;
  s.color = static_cast<unsigned>(profile.GetInt(kSection, kColor, 0));
  s.alignment = profile.GetInt(kSection, kAlign, d.alignment);
  return s;
}

bool CsvImportSettings::Write(Profile& profile) const {
  bool ok = profile.WriteString(kSection, kFace, face.substr(0, kMaxFaceLength));
  ok = profile.WriteInt(kSection, kSize, pointSize) && ok;
  ok = profile.WriteInt(kSection, kBold, bold ? 1 : 0) && ok;
  ok = profile.WriteInt(kSection, kItalic, italic ? 1 : 0) && ok;
  ok = profile.WriteInt(kSection, kUnderline, underline ? 1 : 0) && ok;
  ok = profile.WriteInt(kSection, kStrikeOut, strikeOut ? 1 : 0) && ok;
  ok = profile.WriteInt(kSection, kColor, static_cast<int>(color)) && ok;
  ok = profile.WriteInt(kSection, kAlign, alignment) && ok;
  return ok;
}

std::wstring CsvImportSettings::Describe() const {
  std::wstring text = FormatString(Tr("CsvImportSettings", "%1 %2 pt"), {face, std::to_wstring(pointSize)});
  if (bold) text += L" " + Tr("CsvImportSettings", "Bold");
  if (italic) text += L" " + Tr("CsvImportSettings", "Italic");
  if (underline) text += L" " + Tr("CsvImportSettings", "Underline");
  if (strikeOut) text += L" " + Tr("CsvImportSettings", "StrikeOut");
  return text;
}

TextFormat CsvImportSettings::ToTextFormat() const {
  TextFormat f;
  f.face = ClampFace(face);
  f.size = pointSize * 2;
  f.bold = bold ? 1 : 0;
  f.italic = italic ? 1 : 0;
  f.underline = underline ? 1 : 0;
  f.strikeout = strikeOut ? 1 : 0;
  f.color = color;
  f.alignment = (alignment >= 0 && alignment <= 3) ? static_cast<Alignment>(alignment) : Alignment::Center;
  return f;
}

CsvImportSettings CsvImportSettings::FromTextFormat(const TextFormat& format) {
  CsvImportSettings s;
  s.face = format.face;
  s.pointSize = format.size / 2;
  s.bold = format.bold != 0;
  s.italic = format.italic != 0;
  s.underline = format.underline != 0;
  s.strikeOut = format.strikeout != 0;
  s.color = format.color;
  s.alignment = static_cast<int>(format.alignment);
  return s;
}

}  // namespace mirn
