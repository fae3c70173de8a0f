#pragma once
// The walk over a stored text that fills a CRTFText: control words, groups, the font and
// colour tables, escaped characters. It completes on any input: unknown words, unbalanced
// braces, a trailing backslash and out-of-range numbers are read, never rejected.

#include <cstdint>
#include <string>
#include <vector>

#include "text/CRTFText.h"

namespace mirn {

class RtfParser {
 public:
  explicit RtfParser(CRTFText& text) : t_(text) {}
  void Run();

 private:
  struct Word {
    std::wstring name;
    bool hasParam = false;
    long long param = 0;
  };

  void Resolve();
  void AppendChar(wchar_t ch);
  void OpenGroup();
  void CloseGroup();
  void ControlWord();
  void ApplyWord(const Word& word);
  void ReadFontTable();
  void ReadColorTable();
  std::wstring FontFace(long long number) const;
  bool AtEnd() const { return pos_ >= src_.size(); }

  CRTFText& t_;
  std::wstring src_;
  std::size_t pos_ = 0;
  TextFormat current_;
  std::uint16_t currentIndex_ = 0;
  bool unresolved_ = false;
  int depth_ = 0;
  std::vector<std::uint16_t> stack_;
};

}  // namespace mirn
