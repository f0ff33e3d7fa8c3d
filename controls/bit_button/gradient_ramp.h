#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

namespace controls {

/// Where a ramp starts within its area.
enum class RampStart { Near, Far };

/// Fills `area` of `image` (a 32-bit RGB picture) with a two-colour ramp, one colour a pixel
/// line: pixel i of the n lines across the area takes each channel as
///   (from * (n - i) + to * i) div n,
/// so the first line is `from` exactly and the ramp would reach `to` one line past the area,
/// the rule of the platform's two-vertex rectangle fill. Lines run left to right (horizontal) or
/// top to bottom (vertical), or from the right or bottom edge when `start` is Far. Pixels outside
/// the image are left out; the ramp keeps its place as if they were drawn.
void fillRamp(QImage& image, const QRect& area, QRgb from, QRgb to, Qt::Orientation orientation,
              RampStart start = RampStart::Near);

/// The colour of line `i` of a ramp `n` lines long, as fillRamp() draws it.
QRgb rampColour(QRgb from, QRgb to, int i, int n);

} // namespace controls
