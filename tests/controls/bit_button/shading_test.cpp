#include "controls/bit_button/gradient_ramp.h"
#include "controls/bit_button/hls_shade.h"
#include "test_colours.h"

#include <gtest/gtest.h>

namespace {

using bit_button_test::hex;
using controls::clBtnFace;
using controls::clBtnShadow;
using controls::TColor;

// ---- hue, lightness and saturation on the 0-240 scale ----

struct HlsCase {
    const char* name;
    QRgb rgb;
    controls::Hls hls;
};

void PrintTo(const HlsCase& c, std::ostream* os)
{
    *os << c.name;
}

class HlsScale : public ::testing::TestWithParam<HlsCase> {};

TEST_P(HlsScale, ReadsTheColour)
{
    const controls::Hls hls = controls::rgbToHls(GetParam().rgb);
    EXPECT_EQ(hls.hue, GetParam().hls.hue);
    EXPECT_EQ(hls.lightness, GetParam().hls.lightness);
    EXPECT_EQ(hls.saturation, GetParam().hls.saturation);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HlsScale,
    ::testing::Values(
        // A grey has hue 160; lightness rounds (2 * 128 * 240 + 255) / 510 = 120.9 down.
        HlsCase{"GreyHasHue160", qRgb(0x80, 0x80, 0x80), {160, 120, 0}},
        HlsCase{"White", qRgb(0xFF, 0xFF, 0xFF), {160, 240, 0}},
        HlsCase{"Red", qRgb(0xFF, 0x00, 0x00), {0, 120, 240}},
        // G highest: 80 + 20 - 40; saturation (57 * 240 + 28) / 57 = 240.5, rounded down.
        HlsCase{"PaleGreen", qRgb(0xE2, 0xFF, 0xC6), {60, 213, 240}},
        // B highest: 160 + 27 - 40.
        HlsCase{"DefaultHotColour", qRgb(0xC6, 0xD3, 0xEF), {147, 206, 135}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the shade of a colour ----

struct ShadeCase {
    const char* name;
    TColor colour;
    int n;
    TColor expected;
};

void PrintTo(const ShadeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Shade : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(Shade, FollowsTheRuleOfItsSaturation)
{
    const ShadeCase& c = GetParam();
    QPalette colours;
    colours.setColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(controls::shadeColor(c.colour, c.n, colours), c.expected);
}

constexpr TColor rgb(int r, int g, int b)
{
    return controls::rgbColor(r, g, b);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Shade,
    ::testing::Values(
        // Saturation 240: the lightness moves by n points, 213 -> 188, 180 -> 155.
        ShadeCase{"PickerEndColour", rgb(0xE2, 0xFF, 0xC6), -25, rgb(0xC8, 0xFF, 0x91)},
        ShadeCase{"PickerHotColour", rgb(0xFF, 0xFF, 0x80), -25, rgb(0xFF, 0xFF, 0x4A)},
        // 120 -> 95: the highest channel 190 of 240 is 202.
        ShadeCase{"Red", rgb(0xFF, 0x00, 0x00), -25, rgb(0xCA, 0x00, 0x00)},
        // Lightness 15 - 25 stops at 0.
        ShadeCase{"DarkRedStopsAtBlack", rgb(0x20, 0x00, 0x00), -25, rgb(0, 0, 0)},
        // Saturation below 160: the lightness moves by n tenths of a percent of 240, 226 -> 220
        // (233.75, rounded down) and 226 -> 214 (227.4).
        ShadeCase{"GreyByTheLumaRule", rgb(0xF0, 0xF0, 0xF0), -25, rgb(0xE9, 0xE9, 0xE9)},
        ShadeCase{"GreyByFiftyIsNotTheShadow", rgb(0xF0, 0xF0, 0xF0), -50, rgb(0xE3, 0xE3, 0xE3)},
        // Saturation 135: lightness 206 -> 200 at hue 147 and saturation 135.
        ShadeCase{"DefaultHotColourByTheLumaRule", rgb(0xC6, 0xD3, 0xEF), -25,
                  rgb(0xBD, 0xCC, 0xEC)},
        // The button face by -50 is the shadow colour itself; by -25 it is its palette colour
        // shaded.
        ShadeCase{"ButtonFaceByFiftyIsTheShadow", clBtnFace, -50, clBtnShadow},
        ShadeCase{"ButtonFaceByTwentyFive", clBtnFace, -25, rgb(0xE9, 0xE9, 0xE9)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AdjustLuma, StaysOnTheScale)
{
    EXPECT_EQ(hex(controls::adjustLuma(qRgb(0x08, 0x08, 0x08), -1000)), "#000000");
    EXPECT_EQ(hex(controls::adjustLuma(qRgb(0xF8, 0xF8, 0xF8), 1000)), "#ffffff");
    // 5 tenths of a percent of 240 is 1.2, one point: 120 -> 121 is 128.56, 128.
    EXPECT_EQ(hex(controls::adjustLuma(qRgb(0x80, 0x80, 0x80), 5)), "#808080");
    // 7 is 1.68, two points: 122, 129.6.
    EXPECT_EQ(hex(controls::adjustLuma(qRgb(0x80, 0x80, 0x80), 7)), "#818181");
}

// ---- the two-colour ramp ----

struct RampCase {
    const char* name;
    QRgb from;
    QRgb to;
    int i;
    int n;
    QRgb expected;
};

void PrintTo(const RampCase& c, std::ostream* os)
{
    *os << c.name;
}

class Ramp : public ::testing::TestWithParam<RampCase> {};

TEST_P(Ramp, GivesEachLineItsShare)
{
    const RampCase& c = GetParam();
    EXPECT_EQ(hex(controls::rampColour(c.from, c.to, c.i, c.n)), hex(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Ramp,
    ::testing::Values(
        RampCase{"FirstLineIsTheStart", qRgb(0, 0, 0), qRgb(255, 255, 255), 0, 4, qRgb(0, 0, 0)},
        // 255 / 4 = 63.75 and 3 * 255 / 4 = 191.25, rounded down.
        RampCase{"SecondOfFour", qRgb(0, 0, 0), qRgb(255, 255, 255), 1, 4, qRgb(63, 63, 63)},
        RampCase{"LastLineStopsShortOfTheEnd", qRgb(0, 0, 0), qRgb(255, 255, 255), 3, 4,
                 qRgb(191, 191, 191)},
        // Falling channels round down too: (255 + 233 * 20) / 21 = 234.05.
        RampCase{"FallingChannel", qRgb(255, 255, 255), qRgb(233, 233, 233), 20, 21,
                 qRgb(234, 234, 234)},
        RampCase{"ChannelsApart", qRgb(255, 0, 100), qRgb(0, 255, 100), 1, 2, qRgb(127, 127, 100)},
        RampCase{"OneLineIsTheStart", qRgb(10, 20, 30), qRgb(200, 200, 200), 0, 1,
                 qRgb(10, 20, 30)}),
    [](const auto& info) { return std::string(info.param.name); });

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

TEST(FillRamp, RunsAlongItsDirectionFromEitherEnd)
{
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    QImage across = blank(6, 3);
    controls::fillRamp(across, QRect(1, 1, 4, 1), black, white, Qt::Horizontal);
    EXPECT_EQ(hex(across.pixel(1, 1)), "#000000");
    EXPECT_EQ(hex(across.pixel(2, 1)), "#3f3f3f");
    EXPECT_EQ(hex(across.pixel(4, 1)), "#bfbfbf");
    EXPECT_EQ(hex(across.pixel(0, 1)), "#ff00ff") << "left of the area";
    EXPECT_EQ(hex(across.pixel(5, 1)), "#ff00ff") << "right of the area";
    EXPECT_EQ(hex(across.pixel(2, 0)), "#ff00ff") << "above the area";

    QImage fromFar = blank(6, 3);
    controls::fillRamp(fromFar, QRect(1, 1, 4, 1), black, white, Qt::Horizontal,
                       controls::RampStart::Far);
    EXPECT_EQ(hex(fromFar.pixel(4, 1)), "#000000");
    EXPECT_EQ(hex(fromFar.pixel(1, 1)), "#bfbfbf");

    QImage down = blank(3, 6);
    controls::fillRamp(down, QRect(0, 1, 3, 4), black, white, Qt::Vertical);
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(hex(down.pixel(x, 1)), "#000000");
        EXPECT_EQ(hex(down.pixel(x, 4)), "#bfbfbf");
    }
}

TEST(FillRamp, AnAreaCutByThePictureKeepsItsRamp)
{
    QImage image = blank(4, 1);
    // Lines 2 to 5 of a ramp of 8 starting two pixels left of the picture.
    controls::fillRamp(image, QRect(-2, 0, 8, 1), qRgb(0, 0, 0), qRgb(80, 80, 80), Qt::Horizontal);
    EXPECT_EQ(hex(image.pixel(0, 0)), "#141414");
    EXPECT_EQ(hex(image.pixel(3, 0)), "#323232");
}

} // namespace
