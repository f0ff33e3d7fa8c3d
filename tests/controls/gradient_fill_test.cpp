#include "controls/gradient_fill.h"

#include <gtest/gtest.h>

namespace {

using controls::GradientBand;
using controls::gradientBands;

// Starts of the 32 bands of a 100-pixel label: nearest(i * 3.125), ties to even
// (12.5 -> 12, 37.5 -> 38, 62.5 -> 62, 87.5 -> 88).
const std::vector<int> hundredPixelStarts{0,  3,  6,  9,  12, 16, 19, 22, 25, 28, 31,
                                          34, 38, 41, 44, 47, 50, 53, 56, 59, 62, 66,
                                          69, 72, 75, 78, 81, 84, 88, 91, 94, 97};

TEST(GradientBands, HundredPixelsMake32OverlappingBandsOfFour)
{
    ASSERT_EQ(controls::gradientSteps(100), 32);
    const std::vector<GradientBand> bands = gradientBands(0, 100, Qt::black, Qt::white, 32);
    ASSERT_EQ(bands.size(), 32u);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].start, hundredPixelStarts[i]) << "band " << i;
        EXPECT_EQ(bands[i].end, std::min(100, hundredPixelStarts[i] + 4)) << "band " << i;
    }
    EXPECT_EQ(bands.back().end, 100);
    // 255 / 32 = 7.96875 a step: band 16 is 127.5, which goes to 128; the last band (31) is
    // 247.03, one step short of white.
    EXPECT_EQ(qRed(bands[0].colour), 0);
    EXPECT_EQ(qRed(bands[2].colour), 16);
    EXPECT_EQ(qRed(bands[16].colour), 128);
    EXPECT_EQ(qRed(bands[31].colour), 247);
}

TEST(GradientBands, FourHundredPixelsMakeAHundredBandsOfFive)
{
    ASSERT_EQ(controls::gradientSteps(400), 100);
    const std::vector<GradientBand> bands = gradientBands(10, 410, Qt::black, Qt::white, 100);
    ASSERT_EQ(bands.size(), 100u);
    for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
        EXPECT_EQ(bands[i].start, 10 + 4 * static_cast<int>(i));
        EXPECT_EQ(bands[i].end, bands[i].start + 5);
    }
    EXPECT_EQ(bands.back().start, 406);
    EXPECT_EQ(bands.back().end, 410);
}

struct ChannelCase {
    const char* name;
    QColor from;
    QColor to;
    int steps;
    std::vector<QRgb> expected;
};

void PrintTo(const ChannelCase& c, std::ostream* os)
{
    *os << c.name;
}

class BandColours : public ::testing::TestWithParam<ChannelCase> {};

TEST_P(BandColours, StepFromTheFirstColour)
{
    const ChannelCase& c = GetParam();
    const std::vector<GradientBand> bands = gradientBands(0, 64, c.from, c.to, c.steps);
    ASSERT_EQ(bands.size(), c.expected.size());
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(QColor(bands[i].colour).name().toStdString(),
                  QColor(c.expected[i]).name().toStdString())
            << "band " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BandColours,
    ::testing::Values(
        // Each channel on its own: red rises, green falls, blue stays.
        ChannelCase{"ChannelsApart",
                    QColor(0, 200, 7),
                    QColor(100, 0, 7),
                    4,
                    {qRgb(0, 200, 7), qRgb(25, 150, 7), qRgb(50, 100, 7), qRgb(75, 50, 7)}},
        // Steps of 2.5 and -2.5: 2.5 -> 2, 7.5 -> 8, -2.5 -> -2, -7.5 -> -8.
        ChannelCase{"HalvesToEven",
                    QColor(10, 20, 0),
                    QColor(20, 10, 0),
                    4,
                    {qRgb(10, 20, 0), qRgb(12, 18, 0), qRgb(15, 15, 0), qRgb(18, 12, 0)}},
        ChannelCase{"ZeroStepsIsOne", QColor(1, 2, 3), QColor(200, 200, 200), 0, {qRgb(1, 2, 3)}},
        ChannelCase{"OneColour",
                    QColor(0xFF, 0xFF, 0x80),
                    QColor(0xFF, 0xFF, 0x80),
                    2,
                    {qRgb(0xFF, 0xFF, 0x80), qRgb(0xFF, 0xFF, 0x80)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GradientBands, NarrowAndEmptyExtents)
{
    // Bands of less than a pixel are one pixel each and end at the edge.
    const std::vector<GradientBand> narrow = gradientBands(0, 20, Qt::black, Qt::white, 32);
    ASSERT_EQ(narrow.size(), 32u);
    EXPECT_EQ(narrow.back().start, 19); // nearest(31 * 0.625) = 19
    EXPECT_EQ(narrow.back().end, 20);
    EXPECT_TRUE(gradientBands(5, 5, Qt::black, Qt::white, 32).empty());
    EXPECT_TRUE(gradientBands(5, 0, Qt::black, Qt::white, 32).empty());
}

TEST(GradientBands, WideExtentsKeepTheirOffsets)
{
    // Offsets past 65535 stay offsets: the last band still ends at the far edge.
    const std::vector<GradientBand> bands =
        gradientBands(0, 80000, Qt::black, Qt::white, controls::gradientSteps(80000));
    ASSERT_EQ(bands.size(), 20000u);
    EXPECT_EQ(bands.back().start, 79996);
    EXPECT_EQ(bands.back().end, 80000);
}

} // namespace
