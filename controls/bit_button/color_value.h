#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace controls {

/// A colour as the button's settings hold it: an RGB value with red in the low byte, green in
/// the next and blue in the third; a system colour (high byte 0xFF, low byte its index); or
/// clDefault. System colours become RGB only when drawn, from the widget's palette.
using TColor = std::uint32_t;

/// "Take the colour the caller supplies" (an end colour) or the default hot colour.
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clWindow = 0xFF000005;       ///< the palette's Base
inline constexpr TColor clWindowFrame = 0xFF000006;  ///< the palette's Shadow
inline constexpr TColor clBtnFace = 0xFF00000F;      ///< the palette's Button
inline constexpr TColor clBtnShadow = 0xFF000010;    ///< the palette's Dark
inline constexpr TColor clBtnHighlight = 0xFF000014; ///< the palette's Light

/// The colour value of red, green and blue, each 0-255.
constexpr TColor rgbColor(int red, int green, int blue)
{
    return static_cast<TColor>(red) | static_cast<TColor>(green) << 8 |
           static_cast<TColor>(blue) << 16;
}

/// The colour value of an RGB colour.
TColor colorValue(const QColor& colour);

/// The RGB colour `colour` stands for: a system colour taken from `palette` (one this system
/// does not keep is black), any other value read as red, green and blue bytes.
QColor colorToRgb(TColor colour, const QPalette& palette);

} // namespace controls
