#pragma once
// The standard font dialog over a text format: face, size and effects are offered and taken
// back; colour and alignment stay as they were.

#include <optional>

#include "text/TextFormat.h"

class QWidget;

namespace mirn {

// Nothing when the person cancelled.
std::optional<TextFormat> ChooseFont(const TextFormat& current, QWidget* parent);

}  // namespace mirn
