#pragma once

#include "xbase/BaseDbf.h"

namespace mirn::xbase {

// A Clipper table (signature 0x83, with a .dbt memo file).
class ClipperDbf final : public BaseDbf {
 public:
  using BaseDbf::BaseDbf;
  void OpenMemo() override;
  std::shared_ptr<BaseColumn> CreateColumn(const std::string& name, char type,
                                           std::uint8_t length, std::uint8_t decimals) override;
};

}  // namespace mirn::xbase
