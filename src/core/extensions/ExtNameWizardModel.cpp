#include "extensions/ExtNameWizardModel.h"

#include "extensions/ExtensionIdList.h"
#include "util/StringTable.h"

namespace mirn {

ExtNameWizardModel::ExtNameWizardModel(std::vector<std::wstring> ids, std::vector<std::wstring> names)
    : ids_(std::move(ids)), names_(std::move(names)) {
  if (names_.size() != ids_.size()) names_.assign(ids_.size(), std::wstring());
}

std::wstring ExtNameWizardModel::Title() const {
  return FormatString(LoadString(kStrNameExtensionsTitle),
                      {std::to_wstring(page_ + 1), std::to_wstring(LastPage() + 1)});
}

std::wstring ExtNameWizardModel::ForwardText() const {
  return LoadString(page_ == LastPage() ? kStrWizardFinish : kStrWizardNext);
}

std::wstring ExtNameWizardModel::CurrentId() const {
  return page_ > 0 ? ids_[static_cast<std::size_t>(page_ - 1)] : std::wstring();
}

std::wstring ExtNameWizardModel::CurrentName() const {
  return page_ > 0 ? names_[static_cast<std::size_t>(page_ - 1)] : std::wstring();
}

void ExtNameWizardModel::Store(const std::wstring& nameField) {
  if (page_ > 0) names_[static_cast<std::size_t>(page_ - 1)] = nameField.substr(0, kMaxExtensionNameLength);
}

bool ExtNameWizardModel::Forward(const std::wstring& nameField) {
  Store(nameField);
  if (page_ == LastPage()) return true;
  ++page_;
  return false;
}

void ExtNameWizardModel::Back(const std::wstring& nameField) {
  Store(nameField);
  if (page_ > 0) --page_;
}

}  // namespace mirn
