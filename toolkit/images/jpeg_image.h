#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace toolkit {

/// A JPEG picture: either compressed JPEG data, or a bitmap that is compressed, at
/// CompressionQuality, only when its JPEG data is needed.
class TJPEGImage {
public:
    /// The quality a picture is compressed at unless set otherwise, on libjpeg's 1-100 scale.
    static constexpr int defaultQuality = 90;

    int CompressionQuality() const { return m_quality; }
    /// Kept within 1-100; a held bitmap is compressed again at the new quality.
    void setCompressionQuality(int value);

    /// Holds `bitmap` (any format; 24-bit rows are kept) to be compressed when needed.
    void Assign(const QImage& bitmap);
    /// Holds the JPEG data of the file, as it is; raises GraphicError when it cannot be read.
    void LoadFromFile(const QString& fileName);

    /// The JPEG data: what was loaded, or the held bitmap compressed. Raises GraphicError when a
    /// bitmap cannot be compressed.
    QByteArray jpegData() const;
    /// The picture as 24-bit blue-green-red rows: the held bitmap, or the data decoded. Raises
    /// GraphicError when the data does not decode.
    QImage toBitmap() const;
    /// Writes the JPEG data to `fileName`, replacing the file whole; raises GraphicError.
    void SaveToFile(const QString& fileName) const;

private:
    QImage m_bitmap;
    mutable QByteArray m_data; // the bitmap's compressed form once made
    int m_quality = defaultQuality;
};

} // namespace toolkit
