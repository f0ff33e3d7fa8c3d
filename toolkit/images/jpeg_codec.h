#pragma once

#include <QByteArray>
#include <QImage>

namespace toolkit {

/// The JPEG picture in `data` decoded at full size into 24-bit blue-green-red rows
/// (QImage::Format_BGR888), with the accurate integer transform and smooth upsampling. Colour,
/// greyscale and CMYK pictures all decode to 24 bits. Raises GraphicError with the library's
/// message when the data is not a JPEG picture, is damaged or cut short, or claims more than
/// maxPicturePixels.
QImage decodeJpeg(const QByteArray& data);

/// `bitmap` encoded as a baseline colour JPEG picture (three components, 4:2:0) at `quality`
/// (1-100, libjpeg's scale) with the accurate integer transform. Raises GraphicError when it
/// cannot be encoded (an empty bitmap).
QByteArray encodeJpeg(const QImage& bitmap, int quality);

} // namespace toolkit
