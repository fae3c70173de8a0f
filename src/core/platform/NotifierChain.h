#pragma once
// Several notification services tried in order: the first enabled one that takes the
// notification wins. A service that answers but refuses ends the attempt (its refusal is
// the answer); one that has just gone away (turned itself off) hands over to the next.

#include <vector>

#include "platform/Notifier.h"

namespace mirn {

class NotifierChain final : public Notifier {
 public:
  // The services are borrowed and tried in the order added.
  void Add(Notifier& notifier) { chain_.push_back(&notifier); }
  bool Enabled() const override;
  bool Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text,
              bool sticky) override;

 private:
  std::vector<Notifier*> chain_;
};

}  // namespace mirn
