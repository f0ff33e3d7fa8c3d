#include "picture_fixtures.h"
#include "toolkit/images/bilinear_resample.h"
#include "toolkit/images/graphic_error.h"

#include <gtest/gtest.h>

namespace {

using images_test::Bgr;
using images_test::bgrPicture;
using images_test::bytesAt;
using toolkit::resampleBilinear;

struct MulDivCase {
    const char* name;
    qint64 a;
    qint64 b;
    qint64 c;
    qint64 expected;
};

void PrintTo(const MulDivCase& c, std::ostream* os)
{
    *os << c.name;
}

class MulDiv : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDiv, RoundsHalvesAwayFromZero)
{
    const MulDivCase& c = GetParam();
    EXPECT_EQ(toolkit::mulDiv(c.a, c.b, c.c), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MulDiv,
    ::testing::Values(MulDivCase{"HalvingStep", 3, 65536, 2, 98304},
                      MulDivCase{"EnlargingStep", 1, 65536, 4, 16384},
                      MulDivCase{"StepRoundedUp", 1, 65536, 416, 158}, // 157.54
                      MulDivCase{"HalfUp", 32768, 1, 65536, 1},
                      MulDivCase{"HalfOfAnOddProduct", 32768, 16385, 65536, 8193},
                      MulDivCase{"BelowHalfDown", 16384, 1, 65536, 0},
                      MulDivCase{"NegativeHalfAwayFromZero", -3, 1, 2, -2},
                      MulDivCase{"NegativeDivisor", 5, 1, -2, -3},
                      MulDivCase{"BothNegative", -5, 1, -2, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the resampler's own cases ----

/// Source pixels (blue, green, red) of a 2 x 2 picture.
Bgr twoByTwo(int x, int y)
{
    static const Bgr pixels[2][2] = {{{0, 10, 255}, {200, 20, 0}}, {{100, 30, 128}, {40, 40, 64}}};
    return pixels[y][x];
}

/// A 4 x 4 picture whose bytes tell where they are.
Bgr fourByFour(int x, int y)
{
    return {10 * x + 40 * y, 255 - 10 * x - 40 * y, 15 * x * y};
}

struct SampleCase {
    const char* name;
    std::function<Bgr(int, int)> source;
    QSize from;
    QSize to;
    QPoint at;
    Bgr expected;
};

void PrintTo(const SampleCase& c, std::ostream* os)
{
    *os << c.name;
}

class Sample : public ::testing::TestWithParam<SampleCase> {};

TEST_P(Sample, WeighsItsFourSourcePixels)
{
    const SampleCase& c = GetParam();
    const QImage target =
        resampleBilinear(bgrPicture(c.from.width(), c.from.height(), c.source),
                         static_cast<quint16>(c.to.width()), static_cast<quint16>(c.to.height()));
    ASSERT_EQ(target.size(), c.to);
    EXPECT_EQ(bytesAt(target, c.at.x(), c.at.y()), c.expected);
}

// Enlarging 2 x 2 to 4 x 4: steps of 16384, so target pixels 0 to 3 of a row blend source pixels
// 0 and 1 with F = 0, 16384, 32768 and 49152. Row 0 weighs source row 0 by 65536 and row 1 by 1;
// row 1 by 49152 and 16385. For blue, row 0 pixel 1: (200 * 16384 + 100 * 1) >> 16 = 50; row 1
// pixel 1: (200 * 12288 + 100 * 12289 + 40 * 4096) >> 16 = 58.
// Halving 4 x 4 to 2 x 2: steps of 98304, so target pixel 1 blends source pixels 1 and 2 with
// F = 32768; target row 1 blends source rows 1 and 2, each weighing half.
INSTANTIATE_TEST_SUITE_P(
    Rows, Sample,
    ::testing::Values(
        SampleCase{"EnlargeRow0F0", twoByTwo, {2, 2}, {4, 4}, {0, 0}, {0, 10, 255}},
        SampleCase{"EnlargeRow0F16384", twoByTwo, {2, 2}, {4, 4}, {1, 0}, {50, 12, 191}},
        SampleCase{"EnlargeRow0F32768", twoByTwo, {2, 2}, {4, 4}, {2, 0}, {100, 15, 127}},
        SampleCase{"EnlargeRow0F49152", twoByTwo, {2, 2}, {4, 4}, {3, 0}, {150, 17, 63}},
        SampleCase{"EnlargeRow1F0", twoByTwo, {2, 2}, {4, 4}, {0, 1}, {25, 15, 223}},
        SampleCase{"EnlargeRow1F16384", twoByTwo, {2, 2}, {4, 4}, {1, 1}, {58, 17, 171}},
        SampleCase{"EnlargeRow1F32768", twoByTwo, {2, 2}, {4, 4}, {2, 1}, {92, 20, 119}},
        SampleCase{"EnlargeRow3F49152", twoByTwo, {2, 2}, {4, 4}, {3, 3}, {78, 32, 75}},
        SampleCase{"HalveFirstPixel", fourByFour, {4, 4}, {2, 2}, {0, 0}, {0, 255, 0}},
        SampleCase{"HalveSecondPixelF32768", fourByFour, {4, 4}, {2, 2}, {1, 0}, {15, 240, 0}},
        SampleCase{"HalveSecondRow", fourByFour, {4, 4}, {2, 2}, {0, 1}, {60, 195, 0}},
        SampleCase{"HalveLastPixel", fourByFour, {4, 4}, {2, 2}, {1, 1}, {75, 180, 33}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Resample, OnePixelWideSourceReadsOnlyItsColumn)
{
    const QImage column = bgrPicture(1, 3, [](int, int y) {
        static const Bgr pixels[] = {{0, 0, 0}, {100, 50, 25}, {250, 200, 150}};
        return pixels[y];
    });
    const QImage target = resampleBilinear(column, 4, 5);
    // Row steps of 26214: rows blend source rows 0/1 by 1, 26215, 52429 and rows 1/2 by 13107,
    // 39321 of 65537.
    const Bgr expected[] = {{0, 0, 0}, {40, 20, 10}, {80, 40, 20}, {130, 80, 50}, {190, 139, 99}};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(bytesAt(target, x, y), expected[y]) << x << ", " << y;
        }
    }
}

TEST(Resample, EnlargingReadsNothingPastTheRow)
{
    // 2 -> 416 wide: the step 65536 / 415 rounds up to 158, so the last pixel lands on X0 = 1,
    // the source's last, with F = 34. It takes that pixel whole; the rows before it keep the
    // rule's exact bytes.
    const QImage source = bgrPicture(2, 2, [](int x, int) {
        return x == 0 ? Bgr{10, 20, 30} : Bgr{250, 240, 230};
    });
    const QImage target = resampleBilinear(source, 416, 2);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(bytesAt(target, 415, y), (Bgr{250, 240, 230})) << "row " << y;
        EXPECT_EQ(bytesAt(target, 414, y), (Bgr{249, 239, 229})) << "row " << y;
        EXPECT_EQ(bytesAt(target, 207, y), (Bgr{129, 129, 129})) << "row " << y;
        EXPECT_EQ(bytesAt(target, 1, y), (Bgr{10, 20, 30})) << "row " << y;
    }
}

struct UniformCase {
    const char* name;
    QSize from;
    QSize to;
};

void PrintTo(const UniformCase& c, std::ostream* os)
{
    *os << c.name;
}

class Uniform : public ::testing::TestWithParam<UniformCase> {};

TEST_P(Uniform, ColourStaysExact)
{
    const UniformCase& c = GetParam();
    const Bgr colour{10, 200, 77};
    const QImage target = resampleBilinear(
        bgrPicture(c.from.width(), c.from.height(), [&](int, int) { return colour; }),
        static_cast<quint16>(c.to.width()), static_cast<quint16>(c.to.height()));
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            ASSERT_EQ(bytesAt(target, x, y), colour) << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Uniform,
                         ::testing::Values(UniformCase{"Enlarge", {7, 5}, {13, 11}},
                                           UniformCase{"Shrink", {3, 9}, {2, 2}},
                                           UniformCase{"OnePixelSource", {1, 1}, {5, 3}},
                                           UniformCase{"OneColumnTarget", {6, 6}, {1, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Resample, SameSizeIsAnExactCopy)
{
    const QImage source = bgrPicture(5, 3, [](int x, int y) {
        return Bgr{x * 50, y * 100, (x * 37 + y * 91) % 256};
    });
    const QImage target = resampleBilinear(source, 5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(bytesAt(target, x, y), bytesAt(source, x, y));
        }
    }
    EXPECT_EQ(resampleBilinear(bgrPicture(4, 1,
                                          [](int, int) {
                                              return Bgr{1, 2, 3};
                                          }),
                               4, 1)
                  .size(),
              QSize(4, 1))
        << "one row high is fine at the same size";
}

struct RefusedCase {
    const char* name;
    QSize to;
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, RaisesAGraphicError)
{
    const QImage source = bgrPicture(3, 3, [](int, int) { return Bgr{1, 2, 3}; });
    EXPECT_THROW(resampleBilinear(source, static_cast<quint16>(GetParam().to.width()),
                                  static_cast<quint16>(GetParam().to.height())),
                 toolkit::GraphicError);
}

INSTANTIATE_TEST_SUITE_P(Rows, Refused,
                         ::testing::Values(RefusedCase{"ZeroWidth", {0, 5}},
                                           RefusedCase{"ZeroHeight", {5, 0}},
                                           RefusedCase{"OneRowOfAnotherSize", {5, 1}},
                                           RefusedCase{"MoreThanTheCap", {65535, 65535}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
