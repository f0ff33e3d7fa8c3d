#include "picture_fixtures.h"
#include "toolkit/images/graphic_error.h"
#include "toolkit/images/image_tools.h"
#include "toolkit/images/jpeg_codec.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using images_test::Bgr;
using images_test::bgrPicture;
using images_test::bmpFile;
using images_test::bytesAt;
using images_test::readFile;
using images_test::writeFile;
using toolkit::GraphicError;

Bgr stripes(int x, int y)
{
    return {(x * 16) % 256, (y * 16) % 256, 128};
}

/// A 16 x 16 JPEG picture at quality 90.
QByteArray sampleJpeg()
{
    return toolkit::encodeJpeg(bgrPicture(16, 16, stripes), 90);
}

/// The first luminance quantisation value of a JPEG stream: 16 at quality 50, 3 at 90.
int firstQuantisationValue(const QByteArray& jpeg)
{
    const int table = static_cast<int>(jpeg.indexOf(QByteArray("\xFF\xDB", 2)));
    return table < 0 ? -1 : static_cast<uchar>(jpeg[table + 5]);
}

/// A temporary folder, the toolkit's operations and paths inside the folder.
class Pictures : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }

    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }

    QTemporaryDir folder;
    toolkit::ImageTools tools;
};

// ---- ReduceJpgSize ----

TEST_F(Pictures, ReduceWritesTheResampledPictureAtQuality50)
{
    writeFile(path("in.jpg"), sampleJpeg());
    tools.ReduceJpgSize(path("in.jpg"), path("out.jpg"), 8, 4);
    const QByteArray written = readFile(path("out.jpg"));
    EXPECT_EQ(toolkit::decodeJpeg(written).size(), QSize(8, 4));
    EXPECT_EQ(firstQuantisationValue(written), 16);
}

TEST_F(Pictures, ReduceToTheSameSizeReencodesAtQuality50)
{
    writeFile(path("in.jpg"), sampleJpeg());
    tools.ReduceJpgSize(path("in.jpg"), path("out.jpg"), 16, 16);
    const QByteArray written = readFile(path("out.jpg"));
    EXPECT_EQ(firstQuantisationValue(sampleJpeg()), 3);
    EXPECT_EQ(firstQuantisationValue(written), 16);
    EXPECT_EQ(toolkit::decodeJpeg(written).size(), QSize(16, 16));
}

TEST_F(Pictures, ReduceReplacesALongerFileWhole)
{
    writeFile(path("in.jpg"), sampleJpeg());
    const QByteArray old(100000, 'x');
    writeFile(path("out.jpg"), old);
    tools.ReduceJpgSize(path("in.jpg"), path("out.jpg"), 4, 4);
    const QByteArray written = readFile(path("out.jpg"));
    EXPECT_LT(written.size(), 5000);
    EXPECT_TRUE(written.endsWith(QByteArray("\xFF\xD9", 2))) << "nothing of the old file after it";
    EXPECT_EQ(toolkit::decodeJpeg(written).size(), QSize(4, 4));
    EXPECT_EQ(files(), QStringList({"in.jpg", "out.jpg"})) << "no temporary file left";
}

struct SizeCase {
    const char* name;
    quint16 width;
    quint16 height;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReduceTarget : public Pictures, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(ReduceTarget, RaisesAfterAGoodDecodeOnly)
{
    const SizeCase& c = GetParam();
    writeFile(path("in.jpg"), sampleJpeg());
    writeFile(path("bad.jpg"), QByteArray("not a picture"));
    EXPECT_THROW(tools.ReduceJpgSize(path("in.jpg"), path("out.jpg"), c.width, c.height),
                 GraphicError);
    EXPECT_NO_THROW(tools.ReduceJpgSize(path("bad.jpg"), path("out.jpg"), c.width, c.height))
        << "the picture is checked first";
    EXPECT_FALSE(QFile::exists(path("out.jpg")));
}

INSTANTIATE_TEST_SUITE_P(Rows, ReduceTarget,
                         ::testing::Values(SizeCase{"ZeroWidth", 0, 8},
                                           SizeCase{"ZeroHeight", 8, 0},
                                           SizeCase{"OneRowHigh", 8, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pictures, ReduceRaisesWhenTheOutputCannotBeWritten)
{
    writeFile(path("in.jpg"), sampleJpeg());
    EXPECT_THROW(tools.ReduceJpgSize(path("in.jpg"), path("missing/out.jpg"), 8, 8), GraphicError);
}

// ---- hostile JPEG files ----

QByteArray cutShort()
{
    return sampleJpeg().left(sampleJpeg().size() / 2);
}

QByteArray garbage()
{
    QByteArray bytes;
    quint32 state = 12345;
    for (int i = 0; i < 2000; ++i) {
        state = state * 1103515245u + 12345u;
        bytes.append(static_cast<char>(state >> 24));
    }
    return bytes;
}

/// A good picture whose frame header claims 60000 x 60000 pixels.
QByteArray claimsHuge()
{
    QByteArray jpeg = sampleJpeg();
    const int frame = static_cast<int>(jpeg.indexOf(QByteArray("\xFF\xC0", 2)));
    for (int at : {frame + 5, frame + 7}) { // height, then width, big-endian
        jpeg[at] = static_cast<char>(0xEA);
        jpeg[at + 1] = static_cast<char>(0x60);
    }
    return jpeg;
}

/// The tables of a good picture, without its scan.
QByteArray tablesOnly()
{
    const QByteArray jpeg = sampleJpeg();
    return jpeg.left(jpeg.indexOf(QByteArray("\xFF\xDA", 2)));
}

struct HostileCase {
    const char* name;
    std::function<QByteArray()> bytes; // none: the file is missing
};

void PrintTo(const HostileCase& c, std::ostream* os)
{
    *os << c.name;
}

class HostileJpeg : public Pictures, public ::testing::WithParamInterface<HostileCase> {
protected:
    HostileJpeg()
    {
        if (GetParam().bytes) {
            writeFile(path("in.jpg"), GetParam().bytes());
        }
    }
};

TEST_P(HostileJpeg, ConvertingRaisesAnError)
{
    EXPECT_THROW(tools.ConvertJPG2BMP(path("in.jpg")), GraphicError);
}

TEST_P(HostileJpeg, ReducingPassesItOverInSilence)
{
    const QByteArray old("an older picture");
    writeFile(path("kept.jpg"), old);
    EXPECT_NO_THROW(tools.ReduceJpgSize(path("in.jpg"), path("out.jpg"), 8, 8));
    EXPECT_NO_THROW(tools.ReduceJpgSize(path("in.jpg"), path("kept.jpg"), 8, 8));
    EXPECT_FALSE(QFile::exists(path("out.jpg")));
    EXPECT_EQ(readFile(path("kept.jpg")), old);
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileJpeg,
                         ::testing::Values(HostileCase{"Missing", {}},
                                           HostileCase{"ZeroBytes", [] { return QByteArray(); }},
                                           HostileCase{"CutShort", cutShort},
                                           HostileCase{"Garbage", garbage},
                                           HostileCase{"Claims60000By60000", claimsHuge},
                                           HostileCase{"TablesWithoutAScan", tablesOnly},
                                           HostileCase{"ABmpNamedJpg",
                                                       [] {
                                                           return bmpFile(4, 4, 24, false,
                                                                          [](int, int) {
                                                                              return Bgr{1, 2, 3};
                                                                          });
                                                       }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pictures, HugeClaimIsRefusedBeforeAnythingIsAllocated)
{
    writeFile(path("in.jpg"), claimsHuge());
    try {
        tools.ConvertJPG2BMP(path("in.jpg"));
        FAIL() << "no error";
    } catch (const GraphicError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("60000 x 60000")))
            << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(path("in.jpg"))) << "names the file";
    }
}

// ---- ConvertJPG2BMP and ConvertBMP2JPG ----

TEST_F(Pictures, JpegFileBecomesTwentyFourBitRows)
{
    writeFile(path("in.JPEG"), sampleJpeg());
    const QImage bitmap = tools.ConvertJPG2BMP(path("in.JPEG"));
    EXPECT_EQ(bitmap.size(), QSize(16, 16));
    EXPECT_EQ(bitmap.format(), QImage::Format_BGR888);
}

TEST_F(Pictures, OtherKindsCannotBecomeABitmap)
{
    writeFile(path("in.png"), sampleJpeg());
    EXPECT_THROW(tools.ConvertJPG2BMP(path("in.png")), GraphicError);
    writeFile(path("in"), sampleJpeg());
    EXPECT_THROW(tools.ConvertJPG2BMP(path("in")), GraphicError);
}

/// Colours of the BMP tests: each pixel different, from a palette of four for 8 bits.
const std::vector<Bgr> fourColours{{0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {10, 20, 30}};

Bgr indexed(int x, int y)
{
    return {(x + 2 * y) % 4, 0, 0};
}

Bgr direct(int x, int y)
{
    return {x * 40, y * 60, 200 - x * 10};
}

struct BmpCase {
    const char* name;
    int bits;
    bool topDown;
};

void PrintTo(const BmpCase& c, std::ostream* os)
{
    *os << c.name;
}

class BmpFile : public Pictures, public ::testing::WithParamInterface<BmpCase> {
protected:
    BmpFile()
    {
        const BmpCase& c = GetParam();
        writeFile(path("in.bmp"), c.bits == 8 ? bmpFile(5, 3, 8, c.topDown, indexed, fourColours)
                                              : bmpFile(5, 3, c.bits, c.topDown, direct));
    }

    Bgr expected(int x, int y) const
    {
        return GetParam().bits == 8 ? fourColours[static_cast<std::size_t>(indexed(x, y)[0])]
                                    : direct(x, y);
    }
};

TEST_P(BmpFile, BecomesTwentyFourBitRows)
{
    const QImage bitmap = tools.ConvertJPG2BMP(path("in.bmp"));
    ASSERT_EQ(bitmap.size(), QSize(5, 3));
    ASSERT_EQ(bitmap.format(), QImage::Format_BGR888);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(bytesAt(bitmap, x, y), expected(x, y)) << x << ", " << y;
        }
    }
}

TEST_P(BmpFile, BecomesAJpegPictureAtQuality90)
{
    const std::unique_ptr<toolkit::TJPEGImage> jpeg = tools.ConvertBMP2JPG(path("in.bmp"));
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->CompressionQuality(), 90);
    EXPECT_EQ(bytesAt(jpeg->toBitmap(), 4, 2), expected(4, 2)) << "the bitmap it holds";
    jpeg->SaveToFile(path("out.jpg"));
    const QByteArray written = readFile(path("out.jpg"));
    EXPECT_EQ(firstQuantisationValue(written), 3);
    EXPECT_EQ(toolkit::decodeJpeg(written).size(), QSize(5, 3));
}

INSTANTIATE_TEST_SUITE_P(Rows, BmpFile,
                         ::testing::Values(BmpCase{"EightBitPalette", 8, false},
                                           BmpCase{"TwentyFourBits", 24, false},
                                           BmpCase{"TwentyFourBitsTopDown", 24, true},
                                           BmpCase{"ThirtyTwoBits", 32, false},
                                           BmpCase{"ThirtyTwoBitsTopDown", 32, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- hostile BMP files ----

QByteArray goodBmp()
{
    return bmpFile(5, 3, 24, false, direct);
}

QByteArray bmpWith(const std::function<void(QByteArray&)>& damage)
{
    QByteArray bmp = goodBmp();
    damage(bmp);
    return bmp;
}

void put32(QByteArray& bytes, int at, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + at);
}

class HostileBmp : public Pictures, public ::testing::WithParamInterface<HostileCase> {
protected:
    HostileBmp()
    {
        if (GetParam().bytes) {
            writeFile(path("in.bmp"), GetParam().bytes());
        }
    }
};

TEST_P(HostileBmp, RaisesAnError)
{
    EXPECT_THROW(tools.ConvertBMP2JPG(path("in.bmp")), GraphicError);
    EXPECT_THROW(tools.ConvertJPG2BMP(path("in.bmp")), GraphicError);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileBmp,
    ::testing::Values(
        HostileCase{"Missing", {}}, HostileCase{"ZeroBytes", [] { return QByteArray(); }},
        HostileCase{"Garbage", garbage}, HostileCase{"AJpegNamedBmp", sampleJpeg},
        HostileCase{"Claims60000By60000",
                    [] {
                        return bmpWith([](QByteArray& b) {
                            put32(b, 18, 60000);
                            put32(b, 22, 60000);
                        });
                    }},
        HostileCase{"ClaimsTheLargestSize",
                    [] {
                        return bmpWith([](QByteArray& b) {
                            put32(b, 18, 0x7FFFFFFF);
                            put32(b, 22, -0x7FFFFFFF);
                            b[28] = 32;
                        });
                    }},
        HostileCase{"HeaderOnly", [] { return goodBmp().left(54); }},
        HostileCase{"CutInItsPixels", [] { return goodBmp().chopped(10); }},
        HostileCase{"PixelsPastTheEnd",
                    [] { return bmpWith([](QByteArray& b) { put32(b, 10, 1 << 20); }); }},
        HostileCase{"SevenBitsAPixel", [] { return bmpWith([](QByteArray& b) { b[28] = 7; }); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
