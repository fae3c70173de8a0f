#pragma once
// The system clipboard through QClipboard. Named formats travel as MIME types: the private
// "Mirn Rich Text Format" under its own type, "Rich Text Format" as text/rtf (and the
// application/rtf some programs use), any other name under an application/x-mirn- type.

#include <QString>

#include "platform/Clipboard.h"

namespace mirn {

class QtClipboard final : public Clipboard {
 public:
  bool Write(const ClipboardContents& contents) override;
  std::optional<ClipboardContents> Read() override;

  // The MIME type that carries a named format.
  static QString MimeTypeOf(const std::wstring& formatName);
};

}  // namespace mirn
