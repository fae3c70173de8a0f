#include "platform/NotifierChain.h"

namespace mirn {

bool NotifierChain::Enabled() const {
  for (const Notifier* n : chain_)
    if (n->Enabled()) return true;
  return false;
}

bool NotifierChain::Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text,
                           bool sticky) {
  for (Notifier* n : chain_) {
    if (!n->Enabled()) continue;
    if (n->Notify(name, title, text, sticky)) return true;
    if (n->Enabled()) return false;
  }
  return false;
}

}  // namespace mirn
