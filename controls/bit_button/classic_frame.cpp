#include "controls/bit_button/classic_frame.h"

#include <algorithm>
#include <functional>

namespace controls {

namespace {

void fillArea(QImage& image, const QRect& rect, QRgb colour)
{
    const QRect visible = rect.intersected(image.rect());
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + visible.left(), row + visible.right() + 1, colour);
    }
}

/// Light and dark sides of a one-pixel ring: the dark one is drawn last and takes the corners
/// the two share.
void drawRing(QImage& image, const QRect& rect, const QColor& leftTop, const QColor& rightBottom)
{
    if (rect.isEmpty()) {
        return;
    }
    fillArea(image, QRect(rect.left(), rect.top(), rect.width(), 1), leftTop.rgb());
    fillArea(image, QRect(rect.left(), rect.top(), 1, rect.height()), leftTop.rgb());
    fillArea(image, QRect(rect.left(), rect.bottom(), rect.width(), 1), rightBottom.rgb());
    fillArea(image, QRect(rect.right(), rect.top(), 1, rect.height()), rightBottom.rgb());
}

/// Calls `visit` for each pixel of the one-pixel outline of `rect`, once.
void forEachOutlinePixel(const QRect& rect, const std::function<void(int, int)>& visit)
{
    if (rect.isEmpty()) {
        return;
    }
    for (int x = rect.left(); x <= rect.right(); ++x) {
        visit(x, rect.top());
        if (rect.bottom() != rect.top()) {
            visit(x, rect.bottom());
        }
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        visit(rect.left(), y);
        if (rect.right() != rect.left()) {
            visit(rect.right(), y);
        }
    }
}

} // namespace

void drawOutline(QImage& image, const QRect& rect, const QColor& line)
{
    drawRing(image, rect, line, line);
}

void drawFilledOutline(QImage& image, const QRect& rect, const QColor& line, const QColor& face)
{
    fillArea(image, rect, face.rgb());
    drawOutline(image, rect, line);
}

void drawPushFrame(QImage& image, const QRect& rect, const QPalette& palette)
{
    fillArea(image, rect, palette.color(QPalette::Button).rgb());
    drawRing(image, rect, palette.color(QPalette::Light), palette.color(QPalette::Shadow));
    drawRing(image, rect.adjusted(1, 1, -1, -1), palette.color(QPalette::Midlight),
             palette.color(QPalette::Dark));
}

void drawEdge(QImage& image, const QRect& rect, EdgeStyle style, const QPalette& palette)
{
    const QColor light = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Dark);
    if (style == EdgeStyle::RaisedInner) {
        drawRing(image, rect, light, shadow);
    } else {
        drawRing(image, rect, shadow, light);
    }
}

void drawFocusRect(QImage& image, const QRect& rect)
{
    const QRect picture = image.rect();
    forEachOutlinePixel(rect, [&](int x, int y) {
        if ((x + y) % 2 == 0 && picture.contains(x, y)) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            row[x] = (row[x] ^ 0x00FFFFFF) | 0xFF000000; // invert, keep it opaque
        }
    });
}

} // namespace controls
