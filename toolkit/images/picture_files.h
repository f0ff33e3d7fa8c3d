#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace toolkit {

/// The bytes of a picture file; raises GraphicError, naming the file, when it cannot be read or
/// is larger than maxPictureFileBytes.
QByteArray readPictureFile(const QString& fileName);

/// Writes `data` to `fileName` whole: into a temporary file beside it, then renamed over it, so a
/// failure leaves any old file as it was. Raises GraphicError, naming the file, on failure.
void writePictureFile(const QString& fileName, const QByteArray& data);

/// The BMP picture in `fileName` as 24-bit blue-green-red rows (QImage::Format_BGR888), read by
/// Qt's BMP reader (1, 4, 8, 16, 24 and 32 bits, bottom-up or top-down). Raises GraphicError,
/// naming the file, when it is missing, not a BMP picture, damaged, or claims more than
/// maxPicturePixels.
QImage readBmpFile(const QString& fileName);

} // namespace toolkit
