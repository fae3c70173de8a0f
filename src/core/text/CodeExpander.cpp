#include "text/CodeExpander.h"

#include "text/CRTFText.h"
#include "text/FieldTextSource.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr int kMaxFieldInputDepth = 2;
constexpr long long kValueLimit = 1000000000000000000LL;

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }
bool IsOperationChar(wchar_t ch) {
  return ch == L'*' || ch == L'+' || ch == L'-' || ch == L'/' || IsDigit(ch);
}

// The leading decimal integer of a text as C's atoi reads it (blanks, a sign, digits),
// saturating far beyond any label number.
long long LeadingNumber(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long long v = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    v = v < kValueLimit / 10 ? v * 10 + (text[i] - L'0') : kValueLimit;
  }
  return negative ? -v : v;
}

// value (op) operand, where `operation` is the collected text: its first character chooses
// the operation, the rest is the operand. False for an unknown operation, a division by 0
// or a result out of range.
bool Calculate(long long value, std::wstring_view operation, long long& result) {
  const long long operand = LeadingNumber(operation.substr(1));
  switch (operation[0]) {
    case L'*': return !__builtin_mul_overflow(value, operand, &result);
    case L'+': return !__builtin_add_overflow(value, operand, &result);
    case L'-': return !__builtin_sub_overflow(value, operand, &result);
    case L'/':
      if (operand == 0) return false;
      result = value / operand;
      return true;
    default: return false;
  }
}

}  // namespace

void CodeExpander::Run() {
  RunPass(Pass::ExtensionId);
  RunPass(Pass::Name);
  RunPass(Pass::FieldInput);
}

void CodeExpander::RunPass(Pass pass) {
  static constexpr std::wstring_view kOpenings[] = {L"{EXT", L"{NAME", L"{INP:"};
  const std::wstring_view opening = kOpenings[static_cast<int>(pass)];
  std::wstring& display = t_.display_;
  std::vector<std::uint16_t>& formats = t_.charFormats_;
  const std::wstring upper = ToUpper(display);
  std::size_t start = upper.find(opening);
  if (start == std::wstring::npos) return;

  std::wstring outText;
  std::vector<std::uint16_t> outFormats;
  outText.reserve(display.size());
  outFormats.reserve(formats.size());
  std::size_t copied = 0;
  while (start != std::wstring::npos) {
    const std::size_t bodyStart = start + opening.size();
    const std::size_t close = upper.find(L'}', bodyStart);
    const std::size_t bodyEnd = close == std::wstring::npos ? display.size() : close;
    const std::size_t codeEnd = close == std::wstring::npos ? display.size() : close + 1;

    outText.append(display, copied, start - copied);
    outFormats.insert(outFormats.end(), formats.begin() + copied, formats.begin() + start);
    const std::wstring replacement =
        Replacement(pass, std::wstring_view(display).substr(bodyStart, bodyEnd - bodyStart));
    outText += replacement;
    outFormats.insert(outFormats.end(), replacement.size(), formats[start]);
    copied = codeEnd;
    start = upper.find(opening, codeEnd);
  }
  outText.append(display, copied, std::wstring::npos);
  outFormats.insert(outFormats.end(), formats.begin() + copied, formats.end());
  display = std::move(outText);
  formats = std::move(outFormats);
}

std::wstring CodeExpander::Replacement(Pass pass, std::wstring_view body) const {
  switch (pass) {
    case Pass::ExtensionId: return ExtensionCode(body, t_.extensionId_);
    case Pass::Name: return NameCode(body);
    case Pass::FieldInput: return FieldInputCode(body);
  }
  return {};
}

std::wstring CodeExpander::ExtensionCode(std::wstring_view body, std::wstring_view extensionId) {
  std::wstring operation;
  std::wstring_view option;
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] == L':') {
      option = body.substr(i + 1);
      break;
    }
    if (IsOperationChar(body[i])) operation += body[i];
  }
  std::wstring result;
  if (operation.empty()) {
    result = extensionId;
  } else {
    long long value = 0;
    if (IsDigit(operation[0]) || !Calculate(LeadingNumber(extensionId), operation, value)) {
      return std::wstring(kMathError);
    }
    result = std::to_wstring(value);
    if (!EqualsNoCase(option, L"NOPAD")) {
      // Padded with zeros to the ID's length and cut to its rightmost characters of that
      // length, so that 0123 + 1 gives 0124 and 99 + 1 gives 00.
      const std::size_t width = extensionId.size();
      if (result.size() < width) result.insert(0, width - result.size(), L'0');
      result = result.substr(result.size() - width);
    }
  }
  if (result.size() > kMaxExtensionCodeLength) result.resize(kMaxExtensionCodeLength);
  return result;
}

std::wstring CodeExpander::NameCode(std::wstring_view body) const {
  if (!body.empty() && body[0] == L':') {
    const std::wstring id = Trim(body.substr(1));
    if (!t_.source_) return {};
    return t_.source_->GetExtensionName(id).value_or(std::wstring());
  }
  return t_.extensionName_;
}

std::wstring CodeExpander::FieldInputCode(std::wstring_view body) const {
  std::size_t i = 0;
  long long field = 0;
  for (; i < body.size() && IsDigit(body[i]); ++i) {
    if (field < 0) continue;  // no field has such a number
    field = field * 10 + (body[i] - L'0');
    if (field > 0x7FFFFFFF) field = -1;
  }
  std::wstring operation;
  for (; i < body.size(); ++i) {
    if (IsOperationChar(body[i])) operation += body[i];
  }
  std::wstring text;
  if (t_.source_ && depth_ < kMaxFieldInputDepth && field >= 0) {
    CRTFText other;
    other.source_ = t_.source_;
    other.depth_ = depth_ + 1;
    other.SetText(t_.source_->GetFieldText(t_.extensionId_, static_cast<int>(field)));
    // Line breaks stay single line feeds, as everywhere in a display text.
    text = other.GetDisplayText();
  }
  if (operation.empty()) return text;
  long long value = 0;
  if (!Calculate(LeadingNumber(text), operation, value)) return std::wstring(kMathError);
  return std::to_wstring(value);
}

std::wstring ExtensionIdCodeText() { return L"{Ext}"; }
std::wstring NameCodeText() { return L"{Name}"; }

std::wstring OtherNameCodeText(std::wstring_view extensionId, int style) {
  const std::wstring code = L"{Name:" + std::wstring(extensionId) + L"}";
  const std::wstring ext = L"Ext. " + std::wstring(extensionId);
  switch (style) {
    case 1: return ext + L"\r\n" + code;
    case 2: return code + L"\r\n" + ext;
    default: return code;
  }
}

}  // namespace mirn
