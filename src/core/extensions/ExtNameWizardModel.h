#pragma once
// The Extension Name Wizard's pages: an introduction, then one page per extension ID with
// its name. The dialog shows what this model says and stores the name field back on every
// move, so the rules of paging, titles and button texts are tested without a window.

#include <string>
#include <vector>

namespace mirn {

class ExtNameWizardModel {
 public:
  // `names` is reset to one empty name per ID when its length differs from the IDs'.
  ExtNameWizardModel(std::vector<std::wstring> ids, std::vector<std::wstring> names);

  int Page() const { return page_; }
  int LastPage() const { return static_cast<int>(ids_.size()); }
  bool IsIntroduction() const { return page_ == 0; }
  // "Name Extensions (Page 2 of 4)".
  std::wstring Title() const;
  // "&Next >", or "Fi&nish" on the last page.
  std::wstring ForwardText() const;
  bool BackEnabled() const { return page_ > 0; }
  // The ID and the name of the current page (empty on the introduction).
  std::wstring CurrentId() const;
  std::wstring CurrentName() const;

  // Both store `nameField` into the current page's name first (cut to 64 characters).
  // Forward answers true when it finished the wizard (on the last page).
  bool Forward(const std::wstring& nameField);
  void Back(const std::wstring& nameField);

  const std::vector<std::wstring>& Ids() const { return ids_; }
  const std::vector<std::wstring>& Names() const { return names_; }

 private:
  void Store(const std::wstring& nameField);

  std::vector<std::wstring> ids_;
  std::vector<std::wstring> names_;
  int page_ = 0;
};

}  // namespace mirn
