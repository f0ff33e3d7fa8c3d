#pragma once

#include "controls/bit_button/color_value.h"

#include <QPalette>
#include <QRgb>

namespace controls {

/// Hue, lightness and saturation on the 0-240 scale of the classic colour dialog (hue 160 and
/// saturation 0 for a grey). Integer arithmetic with its own rounding; Qt's HSL, on another scale
/// and rounding, does not give the same shades.
struct Hls {
    int hue;        // [0, 240]
    int lightness;  // [0, 240]
    int saturation; // [0, 240]
    bool operator==(const Hls&) const = default;
};

/// The hue, lightness and saturation of an RGB colour (alpha ignored).
Hls rgbToHls(QRgb rgb);
/// The opaque RGB colour of a hue, lightness and saturation, each 0-240.
QRgb hlsToRgb(const Hls& hls);

/// `rgb` with its lightness moved by `n` tenths of a percent of the 0-240 scale (n = -25 moves
/// it by -6), rounded half away from zero and kept within the scale; hue and saturation stay.
QRgb adjustLuma(QRgb rgb, int n);

/// The shade of `colour` by `n` (the buttons use -50 and -25): the button face by -50 is the
/// button shadow colour; any other colour, taken to RGB through `palette`, keeps hue and
/// saturation, its lightness moved by adjustLuma() when the saturation is below 160 and by `n`
/// points of the 0-240 scale (kept within it) otherwise.
TColor shadeColor(TColor colour, int n, const QPalette& palette);

} // namespace controls
