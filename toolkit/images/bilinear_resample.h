#pragma once

#include <QImage>
#include <QtGlobal>

namespace toolkit {

/// a * b / c to the nearest integer, halves rounded away from zero; c must not be 0.
qint64 mulDiv(qint64 a, qint64 b, qint64 c);

/// `source` (24-bit rows, QImage::Format_BGR888) resampled to `width` x `height` with the
/// toolkit's bilinear rule, in 16.16 fixed point. A target of the source's size is an exact copy.
/// Otherwise the steps are XS = mulDiv(SW - 1, 65536, width) and YS = mulDiv(SH - 1, 65536,
/// height); target row r reads source rows Y0 = (r * YS) div 65536 and the next one (Y0 again on
/// the last row) with weights 65536 - frac and frac + 1 (they add up to 65537, so a uniform colour
/// stays exact), and target pixel c blends source pixels X0 = (c * XS) div 65536 and X0 + 1 (X0
/// again past the row's end, which the rounded step reaches when enlarging) by frac(c * XS).
/// Each byte is the sum of the four products shifted right by 16 bits.
/// Raises GraphicError for a width or height of 0, for a height of 1 when the size differs from
/// the source's (the rule needs two target rows), and for more than maxPicturePixels.
QImage resampleBilinear(const QImage& source, quint16 width, quint16 height);

} // namespace toolkit
