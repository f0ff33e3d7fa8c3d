#include "toolkit/images/picture_files.h"

#include "toolkit/images/graphic_error.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>
#include <cstdlib>

namespace toolkit {

namespace {

[[noreturn]] void cannotRead(const QString& fileName, const QString& why)
{
    throw GraphicError(QStringLiteral("The picture \"%1\" cannot be read: %2").arg(fileName, why));
}

// Offsets in a BMP file: the file header, then the picture header.
constexpr int bmpDataOffsetAt = 10;
constexpr int bmpHeaderSizeAt = 14;
constexpr int bmpWidthAt = 18;
constexpr int coreHeaderSize = 12; // the oldest header: 16-bit width and height
constexpr int infoHeaderSize = 40;
constexpr quint32 uncompressed = 0;
constexpr quint32 bitFields = 3;
constexpr int maxBitsPerPixel = 32;

/// Why the pixels of an uncompressed BMP picture do not fit in `data`, or nothing when they do
/// (or the header is for Qt's reader to judge). Qt's reader fills what the file lacks without a
/// word, so a picture cut short would come back partly made up.
QString bmpDataCutShort(const QByteArray& data)
{
    if (data.size() < bmpHeaderSizeAt + 4 + coreHeaderSize) {
        return {};
    }
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qint64 offset = qFromLittleEndian<quint32>(bytes + bmpDataOffsetAt);
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes + bmpHeaderSizeAt);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = uncompressed;
    if (headerSize == coreHeaderSize) {
        width = qFromLittleEndian<quint16>(bytes + bmpWidthAt);
        height = qFromLittleEndian<quint16>(bytes + bmpWidthAt + 2);
        bits = qFromLittleEndian<quint16>(bytes + bmpWidthAt + 6);
    } else if (headerSize >= infoHeaderSize && data.size() >= bmpHeaderSizeAt + infoHeaderSize) {
        width = qFromLittleEndian<qint32>(bytes + bmpWidthAt);
        height = std::abs(qint64{qFromLittleEndian<qint32>(bytes + bmpWidthAt + 4)});
        bits = qFromLittleEndian<quint16>(bytes + bmpWidthAt + 10);
        compression = qFromLittleEndian<quint32>(bytes + bmpWidthAt + 12);
    } else {
        return {};
    }
    if (offset >= data.size()) {
        return QStringLiteral("its pixels would start past its end");
    }
    // Compressed pixels, and sizes the size check refuses, are left to the reader.
    if ((compression != uncompressed && compression != bitFields) || width <= 0 || bits <= 0 ||
        bits > maxBitsPerPixel || width * height > maxPicturePixels) {
        return {};
    }
    const qint64 stride = (width * bits + 31) / 32 * 4; // rows are padded to 4 bytes
    if (offset + stride * height > data.size()) {
        return QStringLiteral("it holds fewer pixels than it claims");
    }
    return {};
}

} // namespace

QByteArray readPictureFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        cannotRead(fileName, file.errorString());
    }
    if (file.size() > maxPictureFileBytes) {
        cannotRead(fileName, QStringLiteral("it is larger than %1 bytes").arg(maxPictureFileBytes));
    }
    const QByteArray data = file.read(maxPictureFileBytes);
    if (file.error() != QFileDevice::NoError) {
        cannotRead(fileName, file.errorString());
    }
    return data;
}

void writePictureFile(const QString& fileName, const QByteArray& data)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        throw GraphicError(QStringLiteral("The file \"%1\" cannot be written: %2")
                               .arg(fileName, file.errorString()));
    }
}

QImage readBmpFile(const QString& fileName)
{
    QByteArray data = readPictureFile(fileName);
    const QString cutShort = bmpDataCutShort(data);
    if (!cutShort.isEmpty()) {
        cannotRead(fileName, cutShort);
    }
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "bmp");
    QSize claimed = reader.size();                 // from the header alone
    claimed.setHeight(std::abs(claimed.height())); // negative for a top-down picture
    if (claimed.isEmpty()) {
        cannotRead(fileName, QStringLiteral("it is not a BMP picture"));
    }
    if (qint64{claimed.width()} * claimed.height() > maxPicturePixels) {
        cannotRead(fileName, QStringLiteral("it claims %1 x %2 pixels, more than %3")
                                 .arg(claimed.width())
                                 .arg(claimed.height())
                                 .arg(maxPicturePixels));
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        cannotRead(fileName, reader.errorString());
    }
    return picture.convertToFormat(QImage::Format_BGR888);
}

} // namespace toolkit
