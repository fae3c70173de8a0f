#include "text/CRTFText.h"

#include "text/CodeExpander.h"
#include "text/RtfParser.h"
#include "util/Text.h"

namespace mirn {

CRTFText::CRTFText(std::wstring storedText, const FieldTextSource* source)
    : sourceText_(std::move(storedText)), source_(source) {
  Parse();
}

CRTFText::CRTFText(std::wstring storedText, std::wstring extensionId, std::wstring extensionName,
                   const FieldTextSource* source)
    : sourceText_(std::move(storedText)),
      extensionId_(std::move(extensionId)),
      extensionName_(std::move(extensionName)),
      source_(source) {
  Parse();
}

void CRTFText::SetText(std::wstring storedText) {
  sourceText_ = std::move(storedText);
  Parse();
}

void CRTFText::SetText(std::wstring storedText, std::wstring extensionId,
                       std::wstring extensionName) {
  extensionId_ = std::move(extensionId);
  extensionName_ = std::move(extensionName);
  SetText(std::move(storedText));
}

void CRTFText::Parse() {
  display_.clear();
  unexpanded_.clear();
  charFormats_.clear();
  formats_.clear();
  fonts_.clear();
  colors_.clear();
  if (sourceText_.empty()) return;

  RtfParser(*this).Run();
  unexpanded_ = display_;
  CodeExpander(*this, depth_).Run();

  // Formats that never named a font take font 0, or Arial without one.
  auto font0 = fonts_.find(0);
  const std::wstring fill = font0 != fonts_.end() ? font0->second : std::wstring(L"Arial");
  for (TextFormat& f : formats_) {
    if (f.face.empty()) f.face = fill;
  }
}

TextFormat CRTFText::GetFirstFormat() const {
  if (!charFormats_.empty() && charFormats_[0] < formats_.size()) return formats_[charFormats_[0]];
  if (!formats_.empty()) return formats_.back();
  return EmptyTextFormat();
}

std::wstring CRTFText::GetDisplayTextCrLf() const { return LineFeedsToCrLf(display_); }

std::wstring CRTFText::ToRtf() const { return WriteRtf(GetFirstFormat(), unexpanded_); }

}  // namespace mirn
