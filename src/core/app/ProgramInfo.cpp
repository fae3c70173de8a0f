#include "app/ProgramInfo.h"

#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn {

std::wstring ProductVersion() { return FromUtf8(MIRN_VERSION); }

const std::wstring& LegalNotice() {
  static const std::wstring notice = L"Copyright \u00A9 2026 The Mirn developers";
  return notice;
}

std::wstring LicenceNotice() {
  return Tr("ProgramInfo", "Free software under the GNU General Public License, version 3 or later; no warranty.");
}

}  // namespace mirn
