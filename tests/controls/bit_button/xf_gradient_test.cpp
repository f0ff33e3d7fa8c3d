#include "controls/bit_button/xf_gradient.h"
#include "test_colours.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

using bit_button_test::hex;
using controls::clBtnFace;
using controls::clDefault;
using controls::clWindow;
using controls::rgbColor;
using controls::TColor;
using controls::TXFGradient;
using controls::TXFGradientButton;
using controls::XFCanvas;

constexpr TColor magenta = rgbColor(0xFF, 0x00, 0xFF);
constexpr TColor paleGreen = rgbColor(0xE2, 0xFF, 0xC6); // the picker's end colour
constexpr TColor yellow = rgbColor(0xFF, 0xFF, 0x80);    // the picker's hot colour

// ---- the settings ----

TEST(GradientSettings, StartAsTheControlsExpectThem)
{
    TXFGradient plain;
    TXFGradientButton button;
    for (const TXFGradient* settings :
         {static_cast<const TXFGradient*>(&plain), static_cast<const TXFGradient*>(&button)}) {
        EXPECT_TRUE(settings->active());
        EXPECT_EQ(settings->direction(), TXFGradient::gdVertical);
        EXPECT_FALSE(settings->swapColors());
        EXPECT_EQ(settings->startColor(), clWindow);
        EXPECT_EQ(settings->endColor(), clDefault);
        EXPECT_EQ(settings->hotColor(), clDefault);
        EXPECT_EQ(settings->stepColor(), clDefault);
    }
    EXPECT_EQ(plain.options(), TXFGradient::goGradient);
    EXPECT_EQ(button.options(), TXFGradient::goGradient | TXFGradient::goHotButton);
    EXPECT_EQ(plain.DefaultHotColor(), 15717318u);
    EXPECT_EQ(bit_button_test::colourHex(plain.DefaultHotColor()), "#c6d3ef");
}

/// One setting: how to give it a value other than its default, and its default again.
struct SettingCase {
    const char* name;
    std::function<void(TXFGradient&)> change;
    std::function<void(TXFGradient&)> keep;
};

void PrintTo(const SettingCase& c, std::ostream* os)
{
    *os << c.name;
}

const auto settingRows = ::testing::Values(
    SettingCase{"Active", [](TXFGradient& g) { g.setActive(false); },
                [](TXFGradient& g) { g.setActive(true); }},
    SettingCase{"Direction", [](TXFGradient& g) { g.setDirection(TXFGradient::gdHorizontal); },
                [](TXFGradient& g) { g.setDirection(TXFGradient::gdVertical); }},
    SettingCase{"Options", [](TXFGradient& g) { g.setOptions(TXFGradient::goHotColor); },
                [](TXFGradient& g) { g.setOptions(TXFGradient::goGradient); }},
    SettingCase{"SwapColors", [](TXFGradient& g) { g.setSwapColors(true); },
                [](TXFGradient& g) { g.setSwapColors(false); }},
    SettingCase{"StartColor", [](TXFGradient& g) { g.setStartColor(magenta); },
                [](TXFGradient& g) { g.setStartColor(clWindow); }},
    SettingCase{"EndColor", [](TXFGradient& g) { g.setEndColor(paleGreen); },
                [](TXFGradient& g) { g.setEndColor(clDefault); }},
    SettingCase{"HotColor", [](TXFGradient& g) { g.setHotColor(yellow); },
                [](TXFGradient& g) { g.setHotColor(clDefault); }},
    SettingCase{"StepColor", [](TXFGradient& g) { g.setStepColor(magenta); },
                [](TXFGradient& g) { g.setStepColor(clDefault); }});

class EachSetting : public ::testing::TestWithParam<SettingCase> {};

TEST_P(EachSetting, AnnouncesOnlyARealChange)
{
    TXFGradient settings;
    QSignalSpy changes(&settings, &TXFGradient::changed);
    GetParam().keep(settings);
    EXPECT_EQ(changes.count(), 0) << "the value it already had";
    GetParam().change(settings);
    EXPECT_EQ(changes.count(), 1);
    GetParam().change(settings);
    EXPECT_EQ(changes.count(), 1) << "the same value again";
}

TEST_P(EachSetting, ChangeTakesItAndAnnouncesIt)
{
    TXFGradient settings;
    TXFGradient source;
    GetParam().change(source);
    QSignalSpy changes(&settings, &TXFGradient::changed);

    EXPECT_TRUE(settings.Change(&source));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(settings.Change(&source)) << "the settings are equal now";
    EXPECT_EQ(changes.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, EachSetting, settingRows,
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GradientSettings, AssignCopiesAllEightSilently)
{
    TXFGradient source;
    source.setActive(false);
    source.setDirection(TXFGradient::gdHorizontal);
    source.setOptions(TXFGradient::goHotColor | TXFGradient::goHotTrack);
    source.setSwapColors(true);
    source.setStartColor(magenta);
    source.setEndColor(paleGreen);
    source.setHotColor(yellow);
    source.setStepColor(rgbColor(1, 2, 3));
    TXFGradientButton target;
    QSignalSpy changes(&target, &TXFGradient::changed);

    target.Assign(source);

    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(target.active());
    EXPECT_EQ(target.direction(), TXFGradient::gdHorizontal);
    EXPECT_EQ(target.options(), TXFGradient::goHotColor | TXFGradient::goHotTrack);
    EXPECT_TRUE(target.swapColors());
    EXPECT_EQ(target.startColor(), magenta);
    EXPECT_EQ(target.endColor(), paleGreen);
    EXPECT_EQ(target.hotColor(), yellow);
    EXPECT_EQ(target.stepColor(), rgbColor(1, 2, 3));
    EXPECT_FALSE(target.Change(&source));
    EXPECT_FALSE(target.Change(nullptr));
    EXPECT_EQ(changes.count(), 0);
}

TEST(GradientSettings, HotOnlyWithAHotOptionWhileActive)
{
    TXFGradient settings;
    EXPECT_FALSE(settings.IsHotActive()) << "goGradient alone";
    for (const auto option :
         {TXFGradient::goHotButton, TXFGradient::goHotTrack, TXFGradient::goHotColor}) {
        settings.setOptions(option);
        EXPECT_TRUE(settings.IsHotActive()) << option;
    }
    settings.setActive(false);
    EXPECT_FALSE(settings.IsHotActive());
}

// ---- FillRect ----

/// A 10 x 4 picture on the pinned palette and the settings that fill it.
class Fill : public ::testing::Test {
protected:
    Fill() { image.fill(Qt::black); }

    void fill(bool hot, bool down = false, bool rightToLeft = false)
    {
        XFCanvas canvas{image, colours, rightToLeft};
        settings.FillRect(canvas, image.rect(), clBtnFace, hot, down);
    }

    std::string at(int x, int y) const { return hex(image.pixel(x, y)); }

    QImage image{10, 4, QImage::Format_RGB32};
    QPalette colours = bit_button_test::pinnedPalette();
    TXFGradient settings;
};

struct FillCase {
    const char* name;
    std::function<void(TXFGradient&)> set;
    bool hot;
    bool rightToLeft;
    const char* first; // left, or top for a vertical gradient
    const char* last;  // right, or bottom
};

void PrintTo(const FillCase& c, std::ostream* os)
{
    *os << c.name;
}

class FillEnds : public Fill, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FillEnds, PaintTheirColours)
{
    const FillCase& c = GetParam();
    settings.setDirection(TXFGradient::gdHorizontal);
    c.set(settings);
    fill(c.hot, false, c.rightToLeft);
    if (settings.direction() == TXFGradient::gdHorizontal) {
        EXPECT_EQ(at(0, 1), c.first);
        EXPECT_EQ(at(9, 1), c.last);
        EXPECT_EQ(at(0, 0), at(0, 3)) << "one colour down each column";
    } else {
        EXPECT_EQ(at(4, 0), c.first);
        EXPECT_EQ(at(4, 3), c.last);
        EXPECT_EQ(at(0, 2), at(9, 2)) << "one colour along each row";
    }
}

// The face is #F0F0F0 and the start colour the window's white; the face shaded by -25 is
// #E9E9E9. Over ten pixels the last one holds 9/10 of the way: (255 + 233 * 9) / 10 = 235.
INSTANTIATE_TEST_SUITE_P(
    Rows, FillEnds,
    ::testing::Values(
        FillCase{"StartToShadedFace", [](TXFGradient&) {}, false, false, "#ffffff", "#ebebeb"},
        // #C8FF91: red (255 + 200 * 9) / 10 = 205, blue (255 + 145 * 9) / 10 = 156.
        FillCase{"EndColourInPlaceOfTheFace", [](TXFGradient& g) { g.setEndColor(paleGreen); },
                 false, false, "#ffffff", "#cdff9c"},
        // #FFFF4A: blue (255 + 74 * 9) / 10 = 92.
        FillCase{"HotColourWhileHot",
                 [](TXFGradient& g) {
                     g.setOptions(TXFGradient::goGradient | TXFGradient::goHotColor);
                     g.setEndColor(paleGreen);
                     g.setHotColor(yellow);
                 },
                 true, false, "#ffffff", "#ffff5c"},
        FillCase{"HotColourOnlyWhileHot",
                 [](TXFGradient& g) {
                     g.setOptions(TXFGradient::goGradient | TXFGradient::goHotColor);
                     g.setEndColor(paleGreen);
                     g.setHotColor(yellow);
                 },
                 false, false, "#ffffff", "#cdff9c"},
        // #C6D3EF shaded is #BDCCEC.
        FillCase{
            "DefaultHotColour",
            [](TXFGradient& g) { g.setOptions(TXFGradient::goGradient | TXFGradient::goHotColor); },
            true, false, "#ffffff", "#c3d1ed"},
        // (233 + 255 * 9) / 10 = 252.
        FillCase{"HotButtonExchangesTheEnds",
                 [](TXFGradient& g) {
                     g.setOptions(TXFGradient::goGradient | TXFGradient::goHotButton);
                 },
                 true, false, "#e9e9e9", "#fcfcfc"},
        FillCase{"HotButtonOnlyWhileHot",
                 [](TXFGradient& g) {
                     g.setOptions(TXFGradient::goGradient | TXFGradient::goHotButton);
                 },
                 false, false, "#ffffff", "#ebebeb"},
        FillCase{"SwapColors", [](TXFGradient& g) { g.setSwapColors(true); }, false, false,
                 "#e9e9e9", "#fcfcfc"},
        FillCase{"SwapAndHotButtonCancelOut",
                 [](TXFGradient& g) {
                     g.setOptions(TXFGradient::goGradient | TXFGradient::goHotButton);
                     g.setSwapColors(true);
                 },
                 true, false, "#ffffff", "#ebebeb"},
        // Without goGradient the hot button's gradient is exchanged once more.
        FillCase{"HotButtonWithoutGradient",
                 [](TXFGradient& g) { g.setOptions(TXFGradient::goHotButton); }, true, false,
                 "#ffffff", "#ebebeb"},
        FillCase{"NoGradientIsTheFace", [](TXFGradient& g) { g.setOptions({}); }, false, false,
                 "#f0f0f0", "#f0f0f0"},
        FillCase{"NoGradientIsTheEndColour",
                 [](TXFGradient& g) {
                     g.setOptions({});
                     g.setEndColor(magenta);
                 },
                 false, false, "#ff00ff", "#ff00ff"},
        // Mirrored, the ramp starts at the right with the exchanged colours: the shaded end
        // stays at the right.
        FillCase{"MirroredKeepsTheEndsInPlace", [](TXFGradient&) {}, false, true, "#fcfcfc",
                 "#e9e9e9"},
        FillCase{"MirroredSwapKeepsTheEndsInPlace", [](TXFGradient& g) { g.setSwapColors(true); },
                 false, true, "#ebebeb", "#ffffff"},
        // (255 + 233 * 3) / 4 = 238.
        FillCase{"VerticalTopToBottom",
                 [](TXFGradient& g) { g.setDirection(TXFGradient::gdVertical); }, false, false,
                 "#ffffff", "#eeeeee"},
        FillCase{"VerticalIsNotMirrored",
                 [](TXFGradient& g) { g.setDirection(TXFGradient::gdVertical); }, false, true,
                 "#ffffff", "#eeeeee"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fill, HotTrackFramesTheFaceInItsShadow)
{
    settings.setDirection(TXFGradient::gdHorizontal);
    settings.setOptions(TXFGradient::goGradient | TXFGradient::goHotTrack);
    fill(true);
    // The face by -50 is the button shadow; inside, without goHotButton, the face alone.
    EXPECT_EQ(at(0, 0), "#a0a0a0");
    EXPECT_EQ(at(9, 3), "#a0a0a0");
    EXPECT_EQ(at(1, 1), "#f0f0f0");
    EXPECT_EQ(at(8, 2), "#f0f0f0");

    fill(true, true);
    EXPECT_EQ(at(1, 1), "#e9e9e9") << "pressed, the face shaded by -25";

    settings.setOptions(TXFGradient::goGradient | TXFGradient::goHotTrack |
                        TXFGradient::goHotButton);
    fill(true);
    EXPECT_EQ(at(0, 0), "#a0a0a0");
    // Inside, eight pixels of gradient: (255 + 233 * 7) / 8 = 235.
    EXPECT_EQ(at(1, 1), "#ffffff");
    EXPECT_EQ(at(8, 1), "#ebebeb");

    fill(false);
    EXPECT_EQ(at(0, 0), "#ffffff") << "no frame when not hot";
}

// ---- FillBack and FillStep ----

/// The bounding box of the pixels that are not the face.
QRect painted(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0xF0, 0xF0, 0xF0)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

struct BackCase {
    const char* name;
    TXFGradient::TXFGradientOptions options;
    int bevel;
    int space;
    bool hot;
    bool down;
    bool soft;
    QRect filled;
};

void PrintTo(const BackCase& c, std::ostream* os)
{
    *os << c.name;
}

class BackArea : public ::testing::TestWithParam<BackCase> {};

TEST_P(BackArea, LiesInsideTheBevel)
{
    const BackCase& c = GetParam();
    const QPalette colours = bit_button_test::pinnedPalette();
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF0, 0xF0));
    TXFGradient settings;
    settings.setOptions(c.options);
    settings.setEndColor(magenta);
    XFCanvas canvas{image, colours};
    settings.FillBack(canvas, image.rect(), clBtnFace, c.bevel, c.space, c.hot, c.down, c.soft);
    EXPECT_EQ(painted(image), c.filled);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BackArea,
    ::testing::Values(
        BackCase{"Hard", {}, 2, 0, false, false, false, QRect(2, 2, 8, 4)},
        BackCase{"SoftUpGrowsLeftAndTop", {}, 2, 0, false, false, true, QRect(1, 1, 9, 5)},
        BackCase{"SoftDownGrowsRightAndBottom", {}, 2, 0, false, true, true, QRect(2, 2, 9, 5)},
        BackCase{"SoftHotTrackedGrowsEverySide", TXFGradient::goHotTrack, 2, 0, true, false, true,
                 QRect(1, 1, 10, 6)},
        BackCase{"NoBevel", {}, 0, 2, false, false, false, QRect(0, 0, 12, 8)},
        // Bevel 2 and space 2 leave nothing to keep in an 8-pixel height: nothing is drawn.
        BackCase{"NothingWhenTheKeptAreaIsEmpty", {}, 2, 2, false, false, false, QRect()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FillBack, PutsBackWhatIsNotTheBaseColour)
{
    const QPalette colours = bit_button_test::pinnedPalette();
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF0, 0xF0));
    const QRgb ink = qRgb(0, 0, 0xC0);
    image.setPixel(6, 4, ink); // inside the kept area
    image.setPixel(1, 4, ink); // in the bevel's reach, outside the kept area
    image.setPixel(0, 4, ink); // outside the bevel
    TXFGradient settings;
    settings.setOptions({});
    settings.setEndColor(magenta);
    XFCanvas canvas{image, colours};

    settings.FillBack(canvas, image.rect(), clBtnFace, 1, 1, false, false, false);

    EXPECT_EQ(hex(image.pixel(6, 4)), "#0000c0");
    EXPECT_EQ(hex(image.pixel(5, 4)), "#ff00ff") << "the face vanishes into the fill";
    EXPECT_EQ(hex(image.pixel(1, 4)), "#ff00ff");
    EXPECT_EQ(hex(image.pixel(0, 4)), "#0000c0");
}

TEST(FillStep, DrawsWithTheStepColourAndLeavesTheSettingsAsTheyWere)
{
    const QPalette colours = bit_button_test::pinnedPalette();
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF0, 0xF0));
    TXFGradient settings;
    settings.setOptions({});
    settings.setEndColor(paleGreen);
    settings.setStepColor(magenta);
    QSignalSpy changes(&settings, &TXFGradient::changed);
    XFCanvas canvas{image, colours};

    settings.FillStep(canvas, image.rect(), clBtnFace, 1, 1, false, false, false);

    EXPECT_EQ(hex(image.pixel(5, 4)), "#ff00ff");
    EXPECT_EQ(settings.endColor(), paleGreen);
    EXPECT_EQ(changes.count(), 0);
}

} // namespace
