#pragma once
// The system clipboard: plain text plus named formats of bytes. The Qt implementation puts
// the named formats under private MIME types; tests use MemoryClipboard.

#include <map>
#include <optional>
#include <string>

namespace mirn {

struct ClipboardContents {
  std::optional<std::wstring> plainText;
  std::map<std::wstring, std::string> formats;  // format name → bytes
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the whole contents; false when the clipboard could not be opened.
  virtual bool Write(const ClipboardContents& contents) = 0;
  // The contents on offer; nothing when the clipboard could not be opened.
  virtual std::optional<ClipboardContents> Read() = 0;
};

class MemoryClipboard final : public Clipboard {
 public:
  bool Write(const ClipboardContents& contents) override {
    if (locked) return false;
    this->contents = contents;
    return true;
  }
  std::optional<ClipboardContents> Read() override {
    if (locked) return std::nullopt;
    return contents;
  }

  ClipboardContents contents;
  bool locked = false;  // answers as a clipboard another program holds open
};

}  // namespace mirn
