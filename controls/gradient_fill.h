#pragma once

#include <QColor>
#include <QRect>
#include <QRgb>
#include <vector>

class QPainter;

namespace controls {

/// One band of a gradient: the pixels [start, end) along the fill's axis, in one colour.
struct GradientBand {
    int start;
    int end;
    QRgb colour;
};

/// Bands that shade the pixels [from, to) from colour a to colour b in `steps` steps (0 counts
/// as 1). Band i has colour a + nearest(i * (b - a) / steps) per channel, so the last band stops
/// one step short of b, and starts at from + nearest(i * size), size = (to - from) / steps; it is
/// trunc(size) + 1 pixels long, cut at `to`, so neighbouring bands overlap and each later band
/// covers the earlier one. Nearest is ties to even. Nothing when to <= from.
std::vector<GradientBand> gradientBands(int from, int to, const QColor& a, const QColor& b,
                                        int steps);

/// Steps of a drawn gradient over `extent` pixels: a quarter of it, at least 32.
int gradientSteps(int extent);

/// Fills `area` with the bands of gradientBands() from a to b, left to right when `orientation`
/// is horizontal, top to bottom when vertical; each band spans the other direction whole. An
/// empty area paints nothing.
void fillGradient(QPainter& painter, const QRect& area, const QColor& a, const QColor& b, int steps,
                  Qt::Orientation orientation);

} // namespace controls
