#include "toolkit/images/image_tools.h"

#include "toolkit/images/bilinear_resample.h"
#include "toolkit/images/graphic_error.h"
#include "toolkit/images/jpeg_codec.h"
#include "toolkit/images/picture_files.h"

#include <QFileInfo>
#include <QStringList>

namespace toolkit {

namespace {

constexpr int reducedQuality = 50;

bool isJpegName(const QString& fileName)
{
    static const QStringList jpegSuffixes{QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                          QStringLiteral("jpe"), QStringLiteral("jfif")};
    return jpegSuffixes.contains(QFileInfo(fileName).suffix(), Qt::CaseInsensitive);
}

} // namespace

void ImageTools::ReduceJpgSize(const QString& InFileName, const QString& OutFileName, quint16 ToW,
                               quint16 ToH)
{
    QImage source;
    try {
        source = decodeJpeg(readPictureFile(InFileName));
    } catch (const GraphicError&) {
        return; // a picture that does not decode is passed over in silence
    }
    TJPEGImage reduced;
    reduced.setCompressionQuality(reducedQuality);
    reduced.Assign(resampleBilinear(source, ToW, ToH));
    reduced.SaveToFile(OutFileName);
}

std::unique_ptr<TJPEGImage> ImageTools::ConvertBMP2JPG(const QString& FileName)
{
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->Assign(readBmpFile(FileName));
    return jpeg;
}

QImage ImageTools::ConvertJPG2BMP(const QString& FileName)
{
    if (isJpegName(FileName)) {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(FileName);
        try {
            return jpeg.toBitmap();
        } catch (const GraphicError& error) {
            throw GraphicError(QStringLiteral("The picture \"%1\" cannot be read: %2")
                                   .arg(FileName, error.message()));
        }
    }
    if (QFileInfo(FileName).suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0) {
        return readBmpFile(FileName);
    }
    throw GraphicError(QStringLiteral("The picture \"%1\" is of a kind that cannot become a bitmap")
                           .arg(FileName));
}

} // namespace toolkit
