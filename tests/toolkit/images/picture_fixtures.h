#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <array>
#include <functional>
#include <vector>

namespace images_test {

/// Blue, green and red bytes of a pixel.
using Bgr = std::array<int, 3>;

/// A picture of 24-bit rows whose pixel (x, y) is colour(x, y).
inline QImage bgrPicture(int width, int height, const std::function<Bgr(int, int)>& colour)
{
    QImage picture(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const Bgr c = colour(x, y);
            for (int k = 0; k < 3; ++k) {
                row[3 * x + k] = static_cast<uchar>(c[static_cast<std::size_t>(k)]);
            }
        }
    }
    return picture;
}

inline Bgr bytesAt(const QImage& picture, int x, int y)
{
    const uchar* row = picture.constScanLine(y);
    return {row[3 * x], row[3 * x + 1], row[3 * x + 2]};
}

inline void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(data);
    }
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// An uncompressed BMP file of `bits` (8, 24 or 32) per pixel, bottom-up or top-down. An 8-bit
/// picture takes its colours from `palette` by the index `colour` gives in its blue byte.
inline QByteArray bmpFile(int width, int height, int bits, bool topDown,
                          const std::function<Bgr(int, int)>& colour,
                          const std::vector<Bgr>& palette = {})
{
    const int stride = (width * bits / 8 + 3) / 4 * 4;
    const int paletteBytes = static_cast<int>(palette.size()) * 4;
    const int offset = 14 + 40 + paletteBytes;
    QByteArray file(offset + stride * height, '\0');
    auto put16 = [&](int at, int value) {
        qToLittleEndian<quint16>(static_cast<quint16>(value), file.data() + at);
    };
    auto put32 = [&](int at, qint64 value) {
        qToLittleEndian<quint32>(static_cast<quint32>(value), file.data() + at);
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, file.size());
    put32(10, offset);
    put32(14, 40);
    put32(18, width);
    put32(22, topDown ? -height : height);
    put16(26, 1);
    put16(28, bits);
    put32(30, 0); // uncompressed
    put32(34, stride * height);
    put32(46, static_cast<qint64>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        for (int k = 0; k < 3; ++k) {
            file[static_cast<int>(54 + 4 * i + k)] = static_cast<char>(palette[i][k]);
        }
    }
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        char* row = file.data() + offset + stride * stored;
        for (int x = 0; x < width; ++x) {
            const Bgr c = colour(x, y);
            if (bits == 8) {
                row[x] = static_cast<char>(c[0]);
            } else {
                for (int k = 0; k < 3; ++k) {
                    row[bits / 8 * x + k] = static_cast<char>(c[static_cast<std::size_t>(k)]);
                }
            }
        }
    }
    return file;
}

} // namespace images_test
