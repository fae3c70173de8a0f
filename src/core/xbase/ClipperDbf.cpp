#include "xbase/ClipperDbf.h"

#include "xbase/ClipperColumn.h"

namespace mirn::xbase {

void ClipperDbf::OpenMemo() {
  if (GetSignature() == 0x83) OpenMemoFile(".dbt");
}

std::shared_ptr<BaseColumn> ClipperDbf::CreateColumn(const std::string& name, char type,
                                                     std::uint8_t length, std::uint8_t decimals) {
  return CreateMemoFormColumn<ClipperMemoColumn>(name, type, length, decimals);
}

}  // namespace mirn::xbase
