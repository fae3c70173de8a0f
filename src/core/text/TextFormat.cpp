#include "text/TextFormat.h"

#include <cstdlib>
#include <mutex>
#include <vector>

#include "util/StringTable.h"
#include "platform/Profile.h"
#include "util/Text.h"

namespace mirn {
namespace {

// Leading decimal integer of a text (after blanks and an optional sign), saturating; 0 when
// there is none.
long long LeadingInt(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
    negative = text[i] == L'-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (value < 100000000000000000LL) value = value * 10 + (text[i] - L'0');
  }
  return negative ? -value : value;
}

int ToInt32(long long v) {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int>(v);
}

bool JapaneseLocale() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return std::string_view(value).substr(0, 2) == "ja";
  }
  return false;
}

}  // namespace

std::wstring ClampFace(std::wstring_view face) {
  return std::wstring(face.substr(0, kMaxFaceLength));
}

TextFormat EmptyTextFormat() {
  TextFormat f;
  f.face = L"Arial";
  return f;
}

TextFormat DefaultStyleFormat() {
  TextFormat f;
  if (JapaneseLocale()) {
    f.face = L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF";  // the Japanese system font
    f.size = 20;
  } else {
    f.face = L"Arial";
    f.size = 18;
  }
  f.alignment = Alignment::Center;
  return f;
}

std::wstring WriteRtf(const TextFormat& format, std::wstring_view text) {
  static constexpr const wchar_t* kAlign[] = {L"\\ql", L"\\qc", L"\\qr", L"\\qj"};
  const auto align = static_cast<unsigned>(format.alignment);
  std::wstring out;
  out.reserve(96 + format.face.size() + text.size() + text.size() / 8);
  out += L"{\\rtf1\\ansi{\\fonttbl{\\f0\\ftnil ";
  out += format.face;
  out += L";}}{\\colortbl\\red";
  AppendDecimal(out, RedOf(format.color));
  out += L"\\green";
  AppendDecimal(out, GreenOf(format.color));
  out += L"\\blue";
  AppendDecimal(out, BlueOf(format.color));
  out += L";}\\f0\\cf0\\fs";
  AppendDecimal(out, format.size);
  out += kAlign[align < 4 ? align : 0];
  if (format.bold) out += L"\\b";
  if (format.italic) out += L"\\i";
  if (format.underline) out += L"\\ul";
  if (format.strikeout) out += L"\\strike";
  out += L' ';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t ch = text[i];
    switch (ch) {
      case L'\\': out += L"\\\\"; break;
      case L'{': out += L"\\{"; break;
      case L'}': out += L"\\}"; break;
      case L'\r':
        if (i + 1 < text.size() && text[i + 1] == L'\n') {
          out += L"\\par ";
          ++i;
        } else {
          out += ch;
        }
        break;
      case L'\n': out += L"\\par "; break;
      default: out += ch;
    }
  }
  out += L'}';
  return out;
}

std::wstring FormatStyleString(const TextFormat& format) {
  static constexpr wchar_t kLetters[] = {L'L', L'C', L'R', L'F'};
  const auto align = static_cast<unsigned>(format.alignment);
  std::wstring out = format.face;
  out += L',' + std::to_wstring(format.size / 2);
  out += L',' + std::to_wstring(format.color);
  out += format.bold ? L",1" : L",0";
  out += format.italic ? L",1" : L",0";
  out += format.underline ? L",1" : L",0";
  out += format.strikeout ? L",1" : L",0";
  out += L',';
  out += kLetters[align < 4 ? align : 1];
  return out;
}

TextFormat ParseStyleString(std::wstring_view text) {
  TextFormat f = DefaultStyleFormat();
  if (text.find(L',') == std::wstring_view::npos) return f;
  // The first seven fields are split at commas; the alignment is the rest after the seventh.
  std::vector<std::wstring_view> fields;
  std::size_t start = 0;
  while (fields.size() < 7) {
    const std::size_t comma = text.find(L',', start);
    if (comma == std::wstring_view::npos) {
      fields.push_back(text.substr(start));
      start = text.size() + 1;
      break;
    }
    fields.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  f.face = ClampFace(fields[0]);
  if (fields.size() > 1) f.size = ToInt32(LeadingInt(fields[1]) * 2);
  if (fields.size() > 2) f.color = static_cast<Color>(LeadingInt(fields[2]) & 0xFFFFFFFF);
  if (fields.size() > 3) f.bold = LeadingInt(fields[3]) != 0;
  if (fields.size() > 4) f.italic = LeadingInt(fields[4]) != 0;
  if (fields.size() > 5) f.underline = LeadingInt(fields[5]) != 0;
  if (fields.size() > 6) f.strikeout = LeadingInt(fields[6]) != 0;
  if (start <= text.size()) {
    const std::wstring rest = ToUpper(Trim(text.substr(start)));
    const wchar_t letter = rest.empty() ? L'\0' : rest[0];
    if (letter == L'F') f.alignment = Alignment::Justify;
    else if (letter == L'L') f.alignment = Alignment::Left;
    else if (letter == L'R') f.alignment = Alignment::Right;
    else f.alignment = Alignment::Center;
  }
  return f;
}

std::wstring DescribeFormat(const TextFormat& format) {
  std::wstring out = format.face;
  if (format.bold) out += L' ' + LoadString(kStrStyleBold);
  if (format.italic) out += L' ' + LoadString(kStrStyleItalic);
  if (format.underline) out += L' ' + LoadString(kStrStyleUnderline);
  if (format.strikeout) out += L' ' + LoadString(kStrStyleStrikeout);
  out += L' ' + std::to_wstring(format.size / 2) + LoadString(kStrPointsSuffix);
  return out;
}

TextFormat GetDefaultFont(const Profile& profile, bool reread) {
  static std::mutex mutex;
  static bool read = false;
  static std::wstring cached;
  std::lock_guard lock(mutex);
  if (!read || reread) {
    cached = profile.GetString(L"Preferences", L"Default Font", L"");
    read = true;
  }
  return ParseStyleString(cached);
}

}  // namespace mirn
