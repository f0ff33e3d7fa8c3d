#include "controls/bit_button/gradient_ramp.h"

namespace controls {

namespace {

int channel(int from, int to, int i, int n) // [0, 255]: both ends are bytes and 0 <= i < n
{
    return (from * (n - i) + to * i) / n;
}

} // namespace

QRgb rampColour(QRgb from, QRgb to, int i, int n)
{
    return qRgb(channel(qRed(from), qRed(to), i, n), channel(qGreen(from), qGreen(to), i, n),
                channel(qBlue(from), qBlue(to), i, n));
}

void fillRamp(QImage& image, const QRect& area, QRgb from, QRgb to, Qt::Orientation orientation,
              RampStart start)
{
    const QRect visible = area.intersected(image.rect());
    if (visible.isEmpty()) {
        return;
    }
    const bool horizontal = orientation == Qt::Horizontal;
    const int n = horizontal ? area.width() : area.height();
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = visible.left(); x <= visible.right(); ++x) {
            const int along = horizontal ? x - area.left() : y - area.top(); // [0, n)
            const int i = start == RampStart::Near ? along : n - 1 - along;
            row[x] = rampColour(from, to, i, n);
        }
    }
}

} // namespace controls
