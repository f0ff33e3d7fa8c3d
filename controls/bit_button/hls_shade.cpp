#include "controls/bit_button/hls_shade.h"

#include <algorithm>
#include <cstdlib>

namespace controls {

namespace {

constexpr int hlsMax = 240;                   // top of the hue, lightness and saturation scale
constexpr int rgbMax = 255;                   // top of a colour byte
constexpr int greyHue = 160;                  // the hue a grey is given: two thirds of the scale
constexpr int sixth = hlsMax / 6;             // 40, one sector of the hue circle
constexpr int lumaUnits = 1000;               // adjustLuma() counts tenths of a percent
constexpr int lightnessShadeSaturation = 160; // from here on shadeColor() moves L directly
constexpr int buttonShadowShade = -50;

/// One colour byte on the 0-240 scale from the two lightness bounds m1 <= m2 and a hue that
/// may lie one scale below or above [0, 240].
int hueToValue(int m1, int m2, int hue)
{
    if (hue < 0) {
        hue += hlsMax;
    } else if (hue > hlsMax) {
        hue -= hlsMax;
    }
    if (hue < sixth) {
        return m1 + ((m2 - m1) * hue + sixth / 2) / sixth; // rising edge
    }
    if (hue < hlsMax / 2) {
        return m2;
    }
    if (hue < hlsMax * 2 / 3) {
        return m1 + ((m2 - m1) * (hlsMax * 2 / 3 - hue) + sixth / 2) / sixth; // falling edge
    }
    return m1;
}

int toByte(int value) // [0, 240] -> [0, 255], nearest
{
    return (value * rgbMax + hlsMax / 2) / hlsMax;
}

/// a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long rounded = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -rounded : rounded);
}

} // namespace

Hls rgbToHls(QRgb rgb)
{
    const int r = qRed(rgb);
    const int g = qGreen(rgb);
    const int b = qBlue(rgb);
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    const int sum = high + low;                                   // [0, 510]
    const int lightness = (sum * hlsMax + rgbMax) / (2 * rgbMax); // [0, 240]
    if (high == low) {
        return {greyHue, lightness, 0};
    }
    const int delta = high - low; // [1, 255]
    const int saturation = lightness <= hlsMax / 2
                               ? (delta * hlsMax + sum / 2) / sum
                               : (delta * hlsMax + (2 * rgbMax - sum) / 2) / (2 * rgbMax - sum);
    // Each channel's distance from the highest, in sixths of the hue circle: [0, 40].
    const int rDelta = ((high - r) * sixth + delta / 2) / delta;
    const int gDelta = ((high - g) * sixth + delta / 2) / delta;
    const int bDelta = ((high - b) * sixth + delta / 2) / delta;
    int hue = 0;
    if (r == high) {
        hue = bDelta - gDelta;
    } else if (g == high) {
        hue = hlsMax / 3 + rDelta - bDelta;
    } else {
        hue = hlsMax * 2 / 3 + gDelta - rDelta;
    }
    if (hue < 0) {
        hue += hlsMax;
    } else if (hue > hlsMax) {
        hue -= hlsMax;
    }
    return {hue, lightness, saturation};
}

QRgb hlsToRgb(const Hls& hls)
{
    const int l = hls.lightness;
    const int s = hls.saturation;
    if (s == 0) {
        const int grey = l * rgbMax / hlsMax;
        return qRgb(grey, grey, grey);
    }
    // The lightness bounds of the colour: m2 the highest channel, m1 the lowest, 0-240.
    const int m2 = l <= hlsMax / 2 ? (l * (hlsMax + s) + hlsMax / 2) / hlsMax
                                   : l + s - (l * s + hlsMax / 2) / hlsMax;
    const int m1 = 2 * l - m2;
    return qRgb(toByte(hueToValue(m1, m2, hls.hue + hlsMax / 3)),
                toByte(hueToValue(m1, m2, hls.hue)),
                toByte(hueToValue(m1, m2, hls.hue - hlsMax / 3)));
}

QRgb adjustLuma(QRgb rgb, int n)
{
    Hls hls = rgbToHls(rgb);
    hls.lightness = std::clamp(hls.lightness + mulDiv(n, hlsMax, lumaUnits), 0, hlsMax);
    return hlsToRgb(hls);
}

TColor shadeColor(TColor colour, int n, const QPalette& palette)
{
    if (colour == clBtnFace && n == buttonShadowShade) {
        return clBtnShadow;
    }
    const QRgb rgb = colorToRgb(colour, palette).rgb();
    Hls hls = rgbToHls(rgb);
    if (hls.saturation < lightnessShadeSaturation) {
        return colorValue(QColor(adjustLuma(rgb, n)));
    }
    hls.lightness = std::clamp(hls.lightness + n, 0, hlsMax);
    return colorValue(QColor(hlsToRgb(hls)));
}

} // namespace controls
