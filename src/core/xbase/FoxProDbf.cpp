#include "xbase/FoxProDbf.h"

#include "xbase/Exception.h"
#include "xbase/FoxProColumn.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn::xbase {

void FoxProDbf::Validate() {
  BaseDbf::Validate();
  // The index itself is never read; a table that announces one must still have it.
  if (PrefixByte(28) != 0 && !OpenBeside(".cdx")) {
    throw Exception(FormatString(TrUtf8("TableReader", "could not open structural index file: %1"), {QuotePath(PathBeside(".cdx"))}));
  }
}

void FoxProDbf::OpenMemo() {
  if (GetSignature() == 0xF5) OpenMemoFile(".fpt");
}

std::shared_ptr<BaseColumn> FoxProDbf::CreateColumn(const std::string& name, char type,
                                                    std::uint8_t length, std::uint8_t decimals) {
  return CreateMemoFormColumn<FoxProMemoColumn>(name, type, length, decimals);
}

}  // namespace mirn::xbase
