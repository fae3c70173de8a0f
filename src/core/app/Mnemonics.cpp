#include "app/Mnemonics.h"

namespace mirn {

std::wstring WithoutMnemonics(const std::wstring& label) {
  std::wstring plain;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] == L'&') {
      if (i + 1 < label.size() && label[i + 1] == L'&') {
        plain.push_back(L'&');
        ++i;
      }
      continue;
    }
    plain.push_back(label[i]);
  }
  return plain;
}

}  // namespace mirn
