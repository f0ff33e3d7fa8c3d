#include "toolkit/images/jpeg_image.h"

#include "toolkit/images/jpeg_codec.h"
#include "toolkit/images/picture_files.h"

#include <algorithm>

namespace toolkit {

namespace {

constexpr int lowestQuality = 1;
constexpr int highestQuality = 100;

} // namespace

void TJPEGImage::setCompressionQuality(int value)
{
    const int quality = std::clamp(value, lowestQuality, highestQuality);
    if (quality == m_quality) {
        return;
    }
    m_quality = quality;
    if (!m_bitmap.isNull()) {
        m_data.clear();
    }
}

void TJPEGImage::Assign(const QImage& bitmap)
{
    m_bitmap = bitmap.convertToFormat(QImage::Format_BGR888);
    m_data.clear();
}

void TJPEGImage::LoadFromFile(const QString& fileName)
{
    m_data = readPictureFile(fileName);
    m_bitmap = QImage();
}

QByteArray TJPEGImage::jpegData() const
{
    if (m_data.isEmpty() && !m_bitmap.isNull()) {
        m_data = encodeJpeg(m_bitmap, m_quality);
    }
    return m_data;
}

QImage TJPEGImage::toBitmap() const
{
    return m_bitmap.isNull() ? decodeJpeg(m_data) : m_bitmap;
}

void TJPEGImage::SaveToFile(const QString& fileName) const
{
    writePictureFile(fileName, jpegData());
}

} // namespace toolkit
