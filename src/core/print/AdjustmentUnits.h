#pragma once
// Printer adjustments are kept in twips; people read and enter them in millimetres or
// inches. These are the conversions both ways, the text forms, the spin steps and the
// limits of the adjustment pages. All rounding is half away from zero and exact (integer
// arithmetic), so a value shown and entered again gives the same twips.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirn {

// n ÷ d rounded half away from zero; d must be positive.
std::int64_t RoundDivide(std::int64_t n, std::int64_t d);

// The units of the old profile entries: tenths of a millimetre ("METRIC"), twips ("TWIPS"),
// or hundredths of an inch (any other word).
enum class LegacyScale { TenthsOfMillimetre, Twips, HundredthsOfInch };
LegacyScale LegacyScaleFromWord(std::wstring_view word);
std::int32_t LegacyToTwips(std::int64_t value, LegacyScale scale);

enum class MeasureUnit { Millimetres, Inches };

// "millimeters" or "inches", as the pages label their numbers.
std::wstring UnitName(MeasureUnit unit);

// A value on the pages is a whole number of steps: tenths of a millimetre or hundredths of
// an inch.
std::int64_t TwipsToSteps(std::int64_t twips, MeasureUnit unit);
std::int32_t StepsToTwips(std::int64_t steps, MeasureUnit unit);

// "1.5", "-0.3", "0.0" (millimetres, one decimal); "0.25", "0.00" (inches, two decimals).
std::wstring FormatAdjustment(std::int32_t twips, MeasureUnit unit);
// A decimal number in the unit ("1.25", "-3", " 0.5 ") converted to twips with rounding
// half away from zero; empty when the text is not a number or is beyond the limits.
std::optional<std::int32_t> ParseAdjustment(std::wstring_view text, MeasureUnit unit);

// The limit of a value on the pages, in steps: 200 mm or 10 inches either way. The spin
// control stops at the same limit that OK checks, so it never offers a value OK refuses.
std::int64_t LimitSteps(MeasureUnit unit);
bool WithinLimits(std::int32_t twips, MeasureUnit unit);
// One spin step up (+1) or down (-1) from the value shown; empty when the step would leave
// the limits.
std::optional<std::int32_t> SpinStep(std::int32_t twips, int direction, MeasureUnit unit);

}  // namespace mirn
