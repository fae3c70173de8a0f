#include "templates/SheetStock.h"

#include <vector>

#include "templates/CDDFTemplate.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr std::wstring_view kSheetKey = L"sheet=";
constexpr std::wstring_view kStockPlain = L"stock=plain";

std::vector<std::wstring> Words(std::wstring_view text) {
  std::vector<std::wstring> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(L' ', at);
    if (start == std::wstring_view::npos) break;
    const std::size_t end = std::min(text.find(L' ', start), text.size());
    words.emplace_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

bool IsStockWord(const std::wstring& word) {
  const std::wstring lower = ToLower(word);
  return lower.rfind(kSheetKey, 0) == 0 || lower == kStockPlain;
}

}  // namespace

bool PaperFromWord(std::wstring_view word, SheetPaper& paper) {
  const std::wstring lower = ToLower(std::wstring(word));
  if (lower == L"a4") {
    paper = SheetPaper::A4;
    return true;
  }
  if (lower == L"letter") {
    paper = SheetPaper::Letter;
    return true;
  }
  return false;
}

std::wstring PaperName(SheetPaper paper) { return paper == SheetPaper::A4 ? L"A4" : L"Letter"; }

SheetStock ReadSheetStock(std::wstring_view reservedText) {
  SheetStock stock;
  for (const std::wstring& word : Words(reservedText)) {
    const std::wstring lower = ToLower(word);
    if (lower.rfind(kSheetKey, 0) == 0) {
      SheetPaper paper = SheetPaper::Letter;
      if (PaperFromWord(std::wstring_view(word).substr(kSheetKey.size()), paper)) stock.paper = paper;
    } else if (lower == kStockPlain) {
      stock.plainPaper = true;
    }
  }
  return stock;
}

std::wstring WithSheetStock(std::wstring_view reservedText, const SheetStock& stock) {
  std::wstring result;
  const auto add = [&result](std::wstring_view word) {
    if (!result.empty()) result += L' ';
    result += word;
  };
  for (const std::wstring& word : Words(reservedText))
    if (!IsStockWord(word)) add(word);
  if (stock.paper != SheetPaper::Letter) add(std::wstring(kSheetKey) + PaperName(stock.paper));
  if (stock.plainPaper) add(kStockPlain);
  return result;
}

SheetSize SheetSizeOf(SheetPaper paper, bool landscape) {
  SheetSize size = paper == SheetPaper::A4 ? SheetSize{kA4WidthTwips, kA4HeightTwips}
                                           : SheetSize{kLetterWidthTwips, kLetterHeightTwips};
  if (landscape) std::swap(size.width, size.height);
  return size;
}

SheetStock StockOf(const CDDFTemplate& layout) { return ReadSheetStock(layout.header.reservedText); }

SheetSize SheetSizeOf(const CDDFTemplate& layout) {
  return SheetSizeOf(StockOf(layout).paper, layout.header.landscape);
}

}  // namespace mirn
