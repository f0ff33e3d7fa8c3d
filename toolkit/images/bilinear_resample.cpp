#include "toolkit/images/bilinear_resample.h"

#include "toolkit/images/graphic_error.h"

#include <algorithm>

namespace toolkit {

namespace {

constexpr qint64 one = 65536;       // 1.0 in 16.16 fixed point
constexpr qint64 fraction = 0xFFFF; // the fractional part of a 16.16 value
constexpr int fixedShift = 16;
constexpr int pixelBytes = 3; // blue, green, red

} // namespace

qint64 mulDiv(qint64 a, qint64 b, qint64 c)
{
    const qint64 product = a * b;
    const qint64 size = product < 0 ? -product : product;
    const qint64 divisor = c < 0 ? -c : c;
    const qint64 rounded = (size + divisor / 2) / divisor;
    return (product < 0) != (c < 0) ? -rounded : rounded;
}

QImage resampleBilinear(const QImage& source, quint16 width, quint16 height)
{
    if (width == 0 || height == 0) {
        throw GraphicError(
            QStringLiteral("A picture of %1 x %2 pixels cannot be made").arg(width).arg(height));
    }
    const QImage s = source.convertToFormat(QImage::Format_BGR888);
    if (s.size() == QSize(width, height)) {
        return s.copy();
    }
    if (height == 1) {
        throw GraphicError(
            QStringLiteral("A picture of another size needs at least two rows, not %1 x 1")
                .arg(width));
    }
    if (qint64{width} * height > maxPicturePixels) {
        throw GraphicError(QStringLiteral("A picture of %1 x %2 pixels is more than %3 pixels")
                               .arg(width)
                               .arg(height)
                               .arg(maxPicturePixels));
    }
    QImage target(width, height, QImage::Format_BGR888);
    if (target.isNull()) {
        throw GraphicError(
            QStringLiteral("No memory for a picture of %1 x %2 pixels").arg(width).arg(height));
    }

    const int sw = s.width();
    const int sh = s.height();
    const qint64 xs = mulDiv(sw - 1, one, width); // [0, (sw - 1) * 65536]
    const qint64 ys = mulDiv(sh - 1, one, height);
    // With at most 65535 target pixels, (n - 1) * step stays below (size - 1) * 65536 + 32768,
    // so X0 and Y0 never pass the last source pixel; only X0 + 1 can.
    qint64 y = 0;
    for (int r = 0; r < height; ++r, y += ys) {
        const int y0 = static_cast<int>(y >> fixedShift); // [0, sh - 1]
        const uchar* a = s.constScanLine(y0);
        const uchar* b = s.constScanLine(y0 < sh - 1 ? y0 + 1 : y0);
        const qint64 za = one - (y & fraction); // [1, 65536]
        const qint64 zb = (y & fraction) + 1;   // [1, 65536]; za + zb = 65537
        uchar* out = target.scanLine(r);
        qint64 x = 0;
        for (int c = 0; c < width; ++c, x += xs) {
            const int x0 = static_cast<int>(x >> fixedShift); // [0, sw - 1]
            const int x1 = std::min(x0 + 1, sw - 1);
            const qint64 f = x & fraction; // [0, 65535]
            const qint64 w2 = mulDiv(f, za, one);
            const qint64 w1 = za - w2;
            const qint64 w4 = mulDiv(f, zb, one);
            const qint64 w3 = zb - w4;
            for (int k = 0; k < pixelBytes; ++k) {
                const qint64 sum = a[pixelBytes * x0 + k] * w1 + a[pixelBytes * x1 + k] * w2 +
                                   b[pixelBytes * x0 + k] * w3 + b[pixelBytes * x1 + k] * w4;
                out[pixelBytes * c + k] = static_cast<uchar>(sum >> fixedShift); // [0, 255]
            }
        }
    }
    return target;
}

} // namespace toolkit
