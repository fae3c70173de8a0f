#pragma once
// The 39 colours of the toolbar's colour button, in the order shown (8 per row), as
// COLORREF values (red in the low byte).

#include <array>
#include <cstdint>

namespace mirn {

struct PaletteColor {
  const wchar_t* name;
  std::uint32_t color;  // 0x00BBGGRR
};

inline constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

inline constexpr std::array<PaletteColor, 39> kToolbarPalette = {{
    {L"Black", Rgb(0, 0, 0)},           {L"Brown", Rgb(165, 42, 0)},
    {L"Dark Olive Green", Rgb(0, 64, 64)}, {L"Dark Green", Rgb(0, 85, 0)},
    {L"Dark Teal", Rgb(0, 0, 94)},      {L"Dark Blue", Rgb(0, 0, 139)},
    {L"Indigo", Rgb(75, 0, 130)},       {L"Gray-80%", Rgb(40, 40, 40)},
    {L"Dark Red", Rgb(139, 0, 0)},      {L"Orange", Rgb(255, 104, 32)},
    {L"Dark Yellow", Rgb(139, 139, 0)}, {L"Green", Rgb(0, 147, 0)},
    {L"Teal", Rgb(56, 142, 142)},       {L"Blue", Rgb(0, 0, 255)},
    {L"Blue-Gray", Rgb(123, 123, 192)}, {L"Gray-50%", Rgb(102, 102, 102)},
    {L"Red", Rgb(255, 0, 0)},           {L"Light Orange", Rgb(255, 173, 91)},
    {L"Lime", Rgb(50, 205, 50)},        {L"Sea Green", Rgb(60, 179, 113)},
    {L"Aqua", Rgb(51, 204, 204)},       {L"Light Blue", Rgb(125, 158, 192)},
    {L"Violet", Rgb(128, 0, 128)},      {L"Gray-40%", Rgb(127, 127, 127)},
    {L"Pink", Rgb(255, 192, 203)},      {L"Gold", Rgb(255, 215, 0)},
    {L"Yellow", Rgb(255, 255, 0)},      {L"Bright Green", Rgb(0, 255, 0)},
    {L"Turquoise", Rgb(0, 255, 255)},   {L"Sky Blue", Rgb(0, 204, 255)},
    {L"Plum", Rgb(234, 128, 102)},      {L"Gray-25%", Rgb(192, 192, 192)},
    {L"Rose", Rgb(255, 228, 225)},      {L"Tan", Rgb(255, 254, 153)},
    {L"Light Yellow", Rgb(255, 255, 224)}, {L"Light Green ", Rgb(204, 255, 204)},
    {L"Light Turquoise", Rgb(204, 255, 255)}, {L"Pale Blue", Rgb(153, 204, 255)},
    {L"Lavender", Rgb(204, 153, 255)},
}};

}  // namespace mirn
