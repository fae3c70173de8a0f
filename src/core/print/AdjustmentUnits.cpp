#include "print/AdjustmentUnits.h"

#include <limits>

#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn {

std::int64_t RoundDivide(std::int64_t n, std::int64_t d) {
  const std::int64_t half = d / 2;
  const bool exactHalfPossible = d % 2 == 0;
  std::int64_t q = n / d;
  std::int64_t r = n % d;
  if (r < 0) r = -r;
  // Away from zero when the remainder is at least half of d.
  const bool up = exactHalfPossible ? r >= half : r > half;
  if (up) q += n < 0 ? -1 : 1;
  return q;
}

LegacyScale LegacyScaleFromWord(std::wstring_view word) {
  if (word == L"METRIC") return LegacyScale::TenthsOfMillimetre;
  if (word == L"TWIPS") return LegacyScale::Twips;
  return LegacyScale::HundredthsOfInch;
}

namespace {

std::int32_t ClampToInt32(std::int64_t v) {
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

// Twips per step as a fraction: 1440 / 254 per tenth of a millimetre, 1440 / 100 per
// hundredth of an inch.
std::int64_t StepDenominator(MeasureUnit unit) { return unit == MeasureUnit::Millimetres ? 254 : 100; }

}  // namespace

std::int32_t LegacyToTwips(std::int64_t value, LegacyScale scale) {
  switch (scale) {
    case LegacyScale::Twips:
      return ClampToInt32(value);
    case LegacyScale::TenthsOfMillimetre:
      return ClampToInt32(RoundDivide(value * 1440, 254));
    case LegacyScale::HundredthsOfInch:
      return ClampToInt32(RoundDivide(value * 1440, 100));
  }
  return 0;
}

std::wstring UnitName(MeasureUnit unit) {
  return unit == MeasureUnit::Millimetres ? Tr("AdjustmentUnits", "millimeters") : Tr("AdjustmentUnits", "inches");
}

std::int64_t TwipsToSteps(std::int64_t twips, MeasureUnit unit) {
  return RoundDivide(twips * StepDenominator(unit), 1440);
}

std::int32_t StepsToTwips(std::int64_t steps, MeasureUnit unit) {
  return ClampToInt32(RoundDivide(steps * 1440, StepDenominator(unit)));
}

std::wstring FormatAdjustment(std::int32_t twips, MeasureUnit unit) {
  const std::int64_t steps = TwipsToSteps(twips, unit);
  const int decimals = unit == MeasureUnit::Millimetres ? 1 : 2;
  const std::int64_t scale = decimals == 1 ? 10 : 100;
  const std::int64_t magnitude = steps < 0 ? -steps : steps;
  std::wstring fraction = std::to_wstring(magnitude % scale);
  while (static_cast<int>(fraction.size()) < decimals) fraction.insert(0, 1, L'0');
  return (steps < 0 ? L"-" : L"") + std::to_wstring(magnitude / scale) + L"." + fraction;
}

std::optional<std::int32_t> ParseAdjustment(std::wstring_view text, MeasureUnit unit) {
  const std::wstring t = Trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == L'-' || t[i] == L'+')) negative = t[i++] == L'-';
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
  bool digits = false;
  bool point = false;
  for (; i < t.size(); ++i) {
    const wchar_t c = t[i];
    if (c == L'.' && !point) {
      point = true;
      continue;
    }
    if (c < L'0' || c > L'9') return std::nullopt;
    digits = true;
    // Digits past the sixth decimal cannot change the rounded twips of a value in range.
    if (point && denominator >= 1000000) continue;
    numerator = numerator * 10 + (c - L'0');
    if (point) denominator *= 10;
    if (numerator > 1000000000000LL) return std::nullopt;
  }
  if (!digits) return std::nullopt;
  if (negative) numerator = -numerator;
  // millimetres × 1440 ÷ 25.4, or inches × 1440
  const std::int64_t twips = unit == MeasureUnit::Millimetres
                                 ? RoundDivide(numerator * 14400, denominator * 254)
                                 : RoundDivide(numerator * 1440, denominator);
  if (!WithinLimits(ClampToInt32(twips), unit)) return std::nullopt;
  return static_cast<std::int32_t>(twips);
}

std::int64_t LimitSteps(MeasureUnit unit) { return unit == MeasureUnit::Millimetres ? 2000 : 1000; }

bool WithinLimits(std::int32_t twips, MeasureUnit unit) {
  // Judged on the value as shown, so that "200.0" is accepted whatever twips it came from.
  const std::int64_t steps = TwipsToSteps(twips, unit);
  return steps >= -LimitSteps(unit) && steps <= LimitSteps(unit);
}

std::optional<std::int32_t> SpinStep(std::int32_t twips, int direction, MeasureUnit unit) {
  const std::int64_t steps = TwipsToSteps(twips, unit) + (direction < 0 ? -1 : 1);
  if (steps < -LimitSteps(unit) || steps > LimitSteps(unit)) return std::nullopt;
  return StepsToTwips(steps, unit);
}

}  // namespace mirn
