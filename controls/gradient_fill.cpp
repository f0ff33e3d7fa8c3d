#include "controls/gradient_fill.h"

#include "controls/rounding.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace controls {

namespace {

constexpr int leastGradientSteps = 32;

} // namespace

std::vector<GradientBand> gradientBands(int from, int to, const QColor& a, const QColor& b,
                                        int steps)
{
    std::vector<GradientBand> bands;
    if (to <= from) {
        return bands;
    }
    const int n = steps <= 0 ? 1 : steps;
    // Change of each channel from one band to the next, in [-255, 255].
    const double dr = (b.red() - a.red()) / static_cast<double>(n);
    const double dg = (b.green() - a.green()) / static_cast<double>(n);
    const double db = (b.blue() - a.blue()) / static_cast<double>(n);
    const double size = (to - from) / static_cast<double>(n); // pixels a band, > 0
    const int length = static_cast<int>(size) + 1;
    bands.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int start = from + roundHalfEven(i * size);
        bands.push_back({start, std::min(to, start + length),
                         qRgb(a.red() + roundHalfEven(i * dr), a.green() + roundHalfEven(i * dg),
                              a.blue() + roundHalfEven(i * db))});
    }
    return bands;
}

int gradientSteps(int extent)
{
    return std::max(leastGradientSteps, extent / 4);
}

void fillGradient(QPainter& painter, const QRect& area, const QColor& a, const QColor& b, int steps,
                  Qt::Orientation orientation)
{
    if (area.isEmpty()) {
        return;
    }
    if (orientation == Qt::Horizontal) {
        for (const GradientBand& band :
             gradientBands(area.left(), area.left() + area.width(), a, b, steps)) {
            painter.fillRect(band.start, area.top(), band.end - band.start, area.height(),
                             QColor(band.colour));
        }
    } else {
        for (const GradientBand& band :
             gradientBands(area.top(), area.top() + area.height(), a, b, steps)) {
            painter.fillRect(area.left(), band.start, area.width(), band.end - band.start,
                             QColor(band.colour));
        }
    }
}

} // namespace controls
