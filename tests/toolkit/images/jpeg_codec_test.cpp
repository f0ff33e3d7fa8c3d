#include "picture_fixtures.h"
#include "toolkit/images/graphic_error.h"
#include "toolkit/images/jpeg_codec.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

using images_test::Bgr;
using images_test::bgrPicture;
using images_test::bytesAt;

/// Four flat quarters: red, green, blue and white.
Bgr quarters(int x, int y)
{
    static const Bgr colours[2][2] = {{{0, 0, 255}, {0, 255, 0}}, {{255, 0, 0}, {255, 255, 255}}};
    return colours[y / 8][x / 8];
}

/// The markers of a JPEG stream up to its first scan.
std::vector<int> markers(const QByteArray& jpeg)
{
    std::vector<int> found;
    int at = 2; // past SOI
    while (at + 4 <= jpeg.size() && static_cast<uchar>(jpeg[at]) == 0xFF) {
        const int marker = static_cast<uchar>(jpeg[at + 1]);
        found.push_back(marker);
        if (marker == 0xDA) { // start of scan
            break;
        }
        at += 2 + (static_cast<uchar>(jpeg[at + 2]) << 8 | static_cast<uchar>(jpeg[at + 3]));
    }
    return found;
}

/// The header of a JPEG stream as libjpeg reads it, with its first eight quantisation values of
/// the luminance and chrominance tables (natural order).
struct ReadHeader {
    explicit ReadHeader(const QByteArray& jpeg)
    {
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                     static_cast<unsigned long>(jpeg.size()));
        jpeg_read_header(&info, TRUE);
        for (int i = 0; i < 8; ++i) {
            for (auto [table, values] : {std::pair{0, &luminance}, std::pair{1, &chrominance}}) {
                if (info.quant_tbl_ptrs[table] != nullptr) { // a picture may hold only one
                    values->push_back(info.quant_tbl_ptrs[table]->quantval[i]);
                }
            }
        }
    }
    ~ReadHeader() { jpeg_destroy_decompress(&info); }
    ReadHeader(const ReadHeader&) = delete;
    ReadHeader& operator=(const ReadHeader&) = delete;

    jpeg_error_mgr errors;
    jpeg_decompress_struct info;
    std::vector<int> luminance;
    std::vector<int> chrominance;
};

struct QualityCase {
    const char* name;
    int quality;
    std::vector<int> luminance;
    std::vector<int> chrominance;
};

void PrintTo(const QualityCase& c, std::ostream* os)
{
    *os << c.name;
}

class Written : public ::testing::TestWithParam<QualityCase> {};

TEST_P(Written, IsABaselineColourPictureAtItsQuality)
{
    const QualityCase& c = GetParam();
    const QByteArray jpeg = toolkit::encodeJpeg(bgrPicture(16, 16, quarters), c.quality);
    const std::vector<int> found = markers(jpeg);
    EXPECT_NE(std::find(found.begin(), found.end(), 0xC0), found.end()) << "baseline frame";
    for (int other : {0xC1, 0xC2, 0xC9, 0xCA}) {
        EXPECT_EQ(std::find(found.begin(), found.end(), other), found.end()) << other;
    }

    ReadHeader header(jpeg);
    EXPECT_EQ(header.info.image_width, 16u);
    EXPECT_EQ(header.info.image_height, 16u);
    EXPECT_EQ(header.info.num_components, 3);
    EXPECT_EQ(header.info.jpeg_color_space, JCS_YCbCr);
    EXPECT_FALSE(header.info.progressive_mode);
    EXPECT_EQ(header.luminance, c.luminance);
    EXPECT_EQ(header.chrominance, c.chrominance);
}

// The standard tables' first rows, scaled by 100% at quality 50 and 20% at quality 90
// ((value * 20 + 50) / 100).
INSTANTIATE_TEST_SUITE_P(
    Rows, Written,
    ::testing::Values(
        QualityCase{
            "Quality50", 50, {16, 11, 10, 16, 24, 40, 51, 61}, {17, 18, 24, 47, 99, 99, 99, 99}},
        QualityCase{"Quality90", 90, {3, 2, 2, 3, 5, 8, 10, 12}, {3, 4, 5, 9, 20, 20, 20, 20}}),
    [](const auto& info) { return std::string(info.param.name); });

void expectNear(const Bgr& seen, const Bgr& expected, int tolerance, const std::string& where)
{
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(seen[k], expected[k], tolerance) << where << " byte " << k;
    }
}

TEST(Decode, RoundTripKeepsFlatColours)
{
    const QImage decoded =
        toolkit::decodeJpeg(toolkit::encodeJpeg(bgrPicture(16, 16, quarters), 90));
    ASSERT_EQ(decoded.size(), QSize(16, 16));
    ASSERT_EQ(decoded.format(), QImage::Format_BGR888);
    // Centres of the quarters, away from the colour edges the chroma subsampling blurs.
    for (const QPoint p : {QPoint(3, 3), QPoint(12, 3), QPoint(3, 12), QPoint(12, 12)}) {
        expectNear(bytesAt(decoded, p.x(), p.y()), quarters(p.x(), p.y()), 16,
                   std::to_string(p.x()) + "," + std::to_string(p.y()));
    }
}

/// A JPEG stream of `components` components in `space`, each pixel `sample`, baseline or
/// progressive.
QByteArray foreignJpeg(int components, J_COLOR_SPACE space, const std::vector<JSAMPLE>& sample,
                       bool progressive = false)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* output = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &output, &size);
    info.image_width = 8;
    info.image_height = 8;
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, space); // CMYK with the Adobe marker
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < 8; ++x) {
        row.insert(row.end(), sample.begin(), sample.end());
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray jpeg(reinterpret_cast<const char*>(output), static_cast<qsizetype>(size));
    std::free(output);
    return jpeg;
}

TEST(Decode, GreyPictureBecomesTwentyFourBits)
{
    const QImage decoded = toolkit::decodeJpeg(foreignJpeg(1, JCS_GRAYSCALE, {90}));
    ASSERT_EQ(decoded.format(), QImage::Format_BGR888);
    expectNear(bytesAt(decoded, 4, 4), {90, 90, 90}, 2, "grey");
}

TEST(Decode, CmykPictureBecomesTwentyFourBits)
{
    // Inverted inks, as the Adobe marker says: full cyan is stored as 0, no ink as 255.
    const QImage decoded = toolkit::decodeJpeg(foreignJpeg(4, JCS_CMYK, {0, 255, 255, 255}));
    ASSERT_EQ(decoded.format(), QImage::Format_BGR888);
    expectNear(bytesAt(decoded, 4, 4), {255, 255, 0}, 3, "cyan");
}

TEST(Decode, ProgressivePictureDecodes)
{
    const QByteArray jpeg = foreignJpeg(3, JCS_RGB, {20, 120, 220}, true);
    ASSERT_TRUE(ReadHeader(jpeg).info.progressive_mode);
    const QImage decoded = toolkit::decodeJpeg(jpeg);
    expectNear(bytesAt(decoded, 4, 4), {220, 120, 20}, 3, "blue, green, red");
}

TEST(Encode, EmptyBitmapIsAnError)
{
    EXPECT_THROW(toolkit::encodeJpeg(QImage(), 90), toolkit::GraphicError);
}

} // namespace
