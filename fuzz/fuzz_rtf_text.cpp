// The field text parse with code expansion, then layout and drawing on the recording canvas,
// and Find's quick test on the stored text, which must let through every piece of what the
// parse reads.
// The input is UTF-8: the field's stored text, then after a NUL byte the stored text of
// field 7 (which {INP:7} reads), then after another NUL a style string.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/RecordingCanvas.h"
#include "text/CRTFText.h"
#include "text/FieldTextSource.h"
#include "text/SearchPrefilter.h"
#include "util/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string_view parts[3];
  for (auto& part : parts) {
    const size_t nul = bytes.find('\0');
    part = bytes.substr(0, nul);
    bytes = nul == std::string_view::npos ? std::string_view() : bytes.substr(nul + 1);
  }
  mirn::MemoryFieldTextSource db;
  db.AddExtension(L"0123", L"{INP:7}");
  db.SetField(L"0123", 7, mirn::FromUtf8(parts[1]));
  db.SetField(L"", 7, mirn::FromUtf8(parts[1]));

  const mirn::CRTFText text(mirn::FromUtf8(parts[0]), L"0123", L"Name {NAME:0123}", &db);
  if (text.GetDisplayText().size() != text.GetCharFormats().size()) __builtin_trap();
  for (auto index : text.GetCharFormats()) {
    if (index >= text.GetFormats().size()) __builtin_trap();
  }
  // What the program writes back reads as the same text and first format.
  const mirn::CRTFText again(text.ToRtf());
  if (again.GetUnexpandedText() != text.GetUnexpandedText()) __builtin_trap();
  if (!(again.GetFirstFormat() == text.GetFirstFormat())) __builtin_trap();

  const std::wstring searchable = mirn::LineFeedsToCrLf(text.GetUnexpandedText());
  const std::wstring upper = mirn::ToUpper(searchable);
  const std::wstring stored = mirn::FromUtf8(parts[0]);
  if (!mirn::CouldContain(stored, searchable, true) || !mirn::CouldContain(stored, upper, false)) __builtin_trap();
  for (size_t start = 0; start < searchable.size() && start < 64; ++start) {
    for (size_t length = 1; length <= 6 && start + length <= searchable.size(); ++length) {
      if (!mirn::CouldContain(stored, searchable.substr(start, length), true)) __builtin_trap();
      if (!mirn::CouldContain(stored, upper.substr(start, length), false)) __builtin_trap();
    }
  }

  if (text.GetDisplayText().size() < 4096) {
    mirn::RecordingCanvas canvas;
    text.Draw(canvas, {0, 0, 300, 80}, 400);
  }
  (void)mirn::ParseStyleString(mirn::FromUtf8(parts[2]));
  return 0;
}
