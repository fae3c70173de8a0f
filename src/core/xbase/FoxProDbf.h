#pragma once

#include "xbase/BaseDbf.h"

namespace mirn::xbase {

// A FoxPro table (signatures 0x03 and 0xF5; 0xF5 has a .fpt memo file, and a non-zero table
// flag means a .cdx structural index file exists beside it).
class FoxProDbf final : public BaseDbf {
 public:
  using BaseDbf::BaseDbf;
  std::uint8_t GetCodePage() const override { return PrefixByte(29); }
  void Validate() override;
  void OpenMemo() override;
  std::shared_ptr<BaseColumn> CreateColumn(const std::string& name, char type,
                                           std::uint8_t length, std::uint8_t decimals) override;
};

}  // namespace mirn::xbase
