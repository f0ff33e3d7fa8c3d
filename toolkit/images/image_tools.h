#pragma once

#include "toolkit/images/jpeg_image.h"

#include <QImage>
#include <QString>
#include <memory>

namespace toolkit {

/// The toolkit's picture conversions between BMP and JPEG files, and the JPEG resizer. Every path
/// is the caller's; nothing is derived.
class ImageTools {
public:
    /// Decodes the JPEG file InFileName, resamples it to ToW x ToH with the bilinear rule and
    /// writes it to OutFileName as JPEG at quality 50, replacing the file whole. An input that
    /// cannot be read or decoded is ignored: nothing is written and nothing raised. A size of 0,
    /// or a height of 1 other than the picture's own, raises GraphicError after the input has
    /// decoded, as does a failure to write.
    void ReduceJpgSize(const QString& InFileName, const QString& OutFileName, quint16 ToW,
                       quint16 ToH);
    /// A JPEG picture holding the BMP file's picture, compressed at quality 90 when its data is
    /// needed. Raises GraphicError when the file cannot be read as a BMP picture.
    std::unique_ptr<TJPEGImage> ConvertBMP2JPG(const QString& FileName);
    /// The picture in the file as 24-bit blue-green-red rows, read by its extension: ".jpg",
    /// ".jpeg", ".jpe" or ".jfif" as JPEG, ".bmp" as BMP. Raises GraphicError for any other
    /// extension and for a file that cannot be read or decoded.
    QImage ConvertJPG2BMP(const QString& FileName);
};

} // namespace toolkit
