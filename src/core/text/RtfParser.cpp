#include "text/RtfParser.h"

#include <algorithm>

#include "text/RtfChars.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr std::size_t kMaxFormats = 0xFFFF;  // format indexes are 16 bits
constexpr long long kParamLimit = 0x7FFFFFFF;

using rtf::HexValue;
using rtf::IsAsciiLetter;
using rtf::IsDigit;
// Counts the braces of a table: true for a brace (depth then updated).
bool CountBrace(wchar_t ch, int& depth) {
  if (ch == L'{') ++depth;
  else if (ch == L'}') --depth;
  else return false;
  return true;
}
std::int32_t Flag(bool hasParam, long long param) { return (!hasParam || param != 0) ? 1 : 0; }

}  // namespace

void RtfParser::Run() {
  src_.reserve(t_.sourceText_.size() + 2);
  if (t_.sourceText_.front() != L'{') {
    src_ = L"{" + t_.sourceText_ + L"}";
  } else {
    src_ = t_.sourceText_;
  }
  t_.fonts_[0] = L"Arial";
  t_.colors_.assign(1, 0);
  current_ = TextFormat();
  t_.formats_.push_back(current_);
  currentIndex_ = 0;

  while (!AtEnd()) {
    const wchar_t ch = src_[pos_++];
    if (ch == L'\\') {
      ControlWord();
    } else if (ch == L'{') {
      OpenGroup();
    } else if (ch == L'}') {
      CloseGroup();
    } else if (ch != L'\r') {
      // Line breaks are single line feeds in the display text, so a carriage return of a
      // plain text's CR LF is dropped.
      AppendChar(ch);
    }
    Resolve();
  }
}

void RtfParser::Resolve() {
  if (!unresolved_) return;
  unresolved_ = false;
  if (current_.face.empty()) {
    auto font0 = t_.fonts_.find(0);
    if (font0 != t_.fonts_.end()) current_.face = font0->second;
  }
  auto& formats = t_.formats_;
  auto found = std::find(formats.begin(), formats.end(), current_);
  if (found != formats.end()) {
    currentIndex_ = static_cast<std::uint16_t>(found - formats.begin());
  } else if (formats.size() < kMaxFormats) {
    formats.push_back(current_);
    currentIndex_ = static_cast<std::uint16_t>(formats.size() - 1);
  } else {
    // The table is full: later characters share its last format rather than overflow.
    currentIndex_ = static_cast<std::uint16_t>(formats.size() - 1);
  }
}

void RtfParser::AppendChar(wchar_t ch) {
  t_.display_ += ch;
  t_.charFormats_.push_back(currentIndex_);
}

void RtfParser::OpenGroup() {
  ++depth_;
  stack_.push_back(currentIndex_);
}

// A closing brace ends the group's formatting: the format in force at its opening brace
// comes back, so that pasted RTF with scoped runs ({\b bold} plain) reads as written.
void RtfParser::CloseGroup() {
  --depth_;
  if (depth_ >= 0 && !stack_.empty()) {
    currentIndex_ = stack_.back();
    stack_.pop_back();
    current_ = t_.formats_[currentIndex_];
    unresolved_ = false;
  }
}

void RtfParser::ControlWord() {
  if (AtEnd()) return;
  const wchar_t first = src_[pos_];
  if (!IsAsciiLetter(first)) {
    ++pos_;
    switch (first) {
      case L'\\':
      case L'{':
      case L'}':
        AppendChar(first);
        return;
      case L'\'': {
        int code = 0;
        for (int n = 0; n < 2 && !AtEnd(); ++n) {
          const int v = HexValue(src_[pos_]);
          if (v < 0) break;
          code = code * 16 + v;
          ++pos_;
        }
        // The byte is a character of the Windows code page the RTF is written in; below
        // 0x80 and from 0xA0 that is the Unicode character of the same number.
        // Code 0 appends nothing, and a carriage return neither: line breaks are line feeds.
        if (code != 0 && code != 0x0D) AppendChar(Cp1252ToWide(static_cast<unsigned char>(code)));
        return;
      }
      case L'*': {
        while (!AtEnd() && src_[pos_] != L'}') ++pos_;
        return;
      }
      default:
        // Any other escaped symbol (\~, \-, \_ ...) is a word without effect.
        unresolved_ = true;
        return;
    }
  }

  Word word;
  while (!AtEnd() && IsAsciiLetter(src_[pos_])) word.name += src_[pos_++];
  const bool negative = !AtEnd() && src_[pos_] == L'-' && pos_ + 1 < src_.size() &&
                        IsDigit(src_[pos_ + 1]);
  if (negative) ++pos_;
  while (!AtEnd() && IsDigit(src_[pos_])) {
    word.hasParam = true;
    word.param = std::min(word.param * 10 + (src_[pos_] - L'0'), kParamLimit + 1);
    ++pos_;
  }
  if (negative) word.param = -word.param;
  word.param = std::clamp(word.param, -kParamLimit - 1, kParamLimit);
  if (!AtEnd() && src_[pos_] == L' ') ++pos_;
  ApplyWord(word);
}

std::wstring RtfParser::FontFace(long long number) const {
  if (number < 0 || number > 0xFFFF) return {};
  auto it = t_.fonts_.find(static_cast<std::uint16_t>(number));
  return it == t_.fonts_.end() ? std::wstring() : it->second;
}

void RtfParser::ApplyWord(const Word& w) {
  const std::wstring& n = w.name;
  if (n == L"tab") return AppendChar(L'\t');
  if (n == L"line" || n == L"par") return AppendChar(L'\n');
  if (n == L"rtf" || n == L"ansi") return;
  if (n == L"fonttbl") return ReadFontTable();
  if (n == L"colortbl") return ReadColorTable();

  unresolved_ = true;
  if (n == L"b") current_.bold = Flag(w.hasParam, w.param);
  else if (n == L"i") current_.italic = Flag(w.hasParam, w.param);
  else if (n == L"strike") current_.strikeout = Flag(w.hasParam, w.param);
  else if (n == L"ul") current_.underline = Flag(w.hasParam, w.param);
  else if (n == L"ulnone") current_.underline = 0;
  else if (n == L"plain") {
    current_.face = FontFace(0);
    current_.size = 24;
    current_.bold = current_.italic = current_.underline = current_.strikeout = 0;
    current_.alignment = Alignment::Left;
    current_.color = t_.colors_.empty() ? 0 : t_.colors_[0];
  } else if (n == L"fs") current_.size = static_cast<std::int32_t>(w.param);
  else if (n == L"cf") {
    const auto& colors = t_.colors_;
    const bool inRange = w.param >= 0 && static_cast<unsigned long long>(w.param) < colors.size();
    current_.color = colors.empty() ? 0 : colors[inRange ? static_cast<std::size_t>(w.param) : 0];
  } else if (n == L"f") current_.face = FontFace(w.param);
  else if (n == L"ql") current_.alignment = Alignment::Left;
  else if (n == L"qc") current_.alignment = Alignment::Center;
  else if (n == L"qr") current_.alignment = Alignment::Right;
  else if (n == L"qj") current_.alignment = Alignment::Justify;
}

// Reads the font table up to the brace that closes its group, which also closes the group
// in the walk. Entries are "\fN ...words... Face;".
void RtfParser::ReadFontTable() {
  auto& fonts = t_.fonts_;
  fonts.clear();
  int depth = 1;
  while (!AtEnd()) {
    const wchar_t ch = src_[pos_++];
    if (CountBrace(ch, depth)) {
      if (depth == 0) break;
    } else if (ch == L'\\' && !AtEnd() && src_[pos_] == L'f') {
      ++pos_;
      long long number = 0;
      while (!AtEnd() && IsDigit(src_[pos_])) {
        number = std::min(number * 10 + (src_[pos_] - L'0'), 0x10000LL);
        ++pos_;
      }
      // The words after the number end at the first space; braces end the entry early.
      while (!AtEnd() && src_[pos_] != L' ' && src_[pos_] != L'{' && src_[pos_] != L'}') ++pos_;
      if (!AtEnd() && src_[pos_] == L' ') ++pos_;
      std::wstring face;
      while (!AtEnd() && src_[pos_] != L';' && src_[pos_] != L'\\' && src_[pos_] != L'{' &&
             src_[pos_] != L'}') {
        face += src_[pos_++];
      }
      if (!AtEnd() && src_[pos_] == L';') ++pos_;
      if (number <= 0xFFFF) fonts[static_cast<std::uint16_t>(number)] = ClampFace(face);
    }
  }
  if (fonts.empty()) fonts[0] = L"Arial";
  CloseGroup();
}

// Reads the colour table up to the brace that closes its group: "\redR\greenG\blueB;" per
// entry, an entry without components being black.
void RtfParser::ReadColorTable() {
  auto& colors = t_.colors_;
  colors.clear();
  int depth = 1;
  int red = 0, green = 0, blue = 0;
  while (!AtEnd()) {
    const wchar_t ch = src_[pos_++];
    if (CountBrace(ch, depth)) {
      if (depth == 0) break;
    } else if (ch == L';') {
      colors.push_back(MakeColor(red, green, blue));
      red = green = blue = 0;
    } else if (ch == L'\\') {
      std::wstring name;
      while (!AtEnd() && IsAsciiLetter(src_[pos_])) name += src_[pos_++];
      int* component = name == L"red" ? &red : name == L"green" ? &green : name == L"blue" ? &blue : nullptr;
      if (!component) continue;
      while (!AtEnd() && !IsDigit(src_[pos_]) && src_[pos_] != L';' && src_[pos_] != L'\\' &&
             src_[pos_] != L'{' && src_[pos_] != L'}') {
        ++pos_;
      }
      unsigned value = 0;
      while (!AtEnd() && IsDigit(src_[pos_])) value = (value * 10 + (src_[pos_++] - L'0')) & 0xFFFFFF;
      *component = static_cast<int>(value & 0xFF);
    }
  }
  if (colors.empty()) colors.push_back(0);
  CloseGroup();
}

}  // namespace mirn
