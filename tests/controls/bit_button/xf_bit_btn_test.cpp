#include "controls/bit_button/xf_bit_btn.h"
#include "test_colours.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using bit_button_test::hex;
using controls::rgbColor;
using controls::TColor;
using controls::TXFBitBtn;
using controls::TXFGradient;
using controls::TXFGradientButton;

constexpr TColor magenta = rgbColor(0xFF, 0x00, 0xFF);
constexpr TColor paleGreen = rgbColor(0xE2, 0xFF, 0xC6);
constexpr TColor yellow = rgbColor(0xFF, 0xFF, 0x80);

/// The date picker's look: Fine and Flat, left to right, pale green, yellow while hot.
void pickerLook(TXFBitBtn& button)
{
    button.setFine(true);
    button.setFlatFace(true);
    TXFGradient& g = button.gradient();
    g.setDirection(TXFGradient::gdHorizontal);
    g.setEndColor(paleGreen);
    g.setHotColor(yellow);
    g.setOptions(TXFGradient::goGradient | TXFGradient::goHotColor);
}

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

/// A 60 x 24 button without focus on a window with the pinned palette.
class Button : public ::testing::Test {
protected:
    Button()
    {
        window.setPalette(bit_button_test::pinnedPalette());
        window.setLayoutDirection(Qt::LeftToRight);
        window.resize(200, 100);
        button->setGeometry(10, 10, 60, 24);
        button->setFocusPolicy(Qt::NoFocus);
        window.show();
    }

    QImage shot() const { return button->grab().toImage(); }

    void moveMouseIn() const
    {
        QEnterEvent enter(QPointF(30, 12), QPointF(40, 22), QPointF(40, 22));
        QApplication::sendEvent(button, &enter);
    }

    /// Paint events of the button caused by `act`, after what was pending has been painted.
    int repaintsOf(const std::function<void()>& act)
    {
        QApplication::processEvents();
        PaintCounter counter;
        button->installEventFilter(&counter);
        act();
        QApplication::processEvents();
        QApplication::processEvents();
        button->removeEventFilter(&counter);
        return counter.count;
    }

    QWidget window;
    TXFBitBtn* button = new TXFBitBtn(QString(), &window);
};

// ---- the ends of the face ----

struct EndsCase {
    const char* name;
    std::function<void(TXFBitBtn&)> set;
    bool hot;
    QPoint first;
    QPoint last;
    const char* firstColour;
    const char* lastColour;
};

void PrintTo(const EndsCase& c, std::ostream* os)
{
    *os << c.name;
}

class FaceEnds : public Button, public ::testing::WithParamInterface<EndsCase> {};

TEST_P(FaceEnds, ShowTheirColours)
{
    const EndsCase& c = GetParam();
    c.set(*button);
    if (c.hot) {
        moveMouseIn();
    }
    const QImage image = shot();
    EXPECT_EQ(hex(image.pixel(c.first)), c.firstColour);
    EXPECT_EQ(hex(image.pixel(c.last)), c.lastColour);
}

// The face #F0F0F0 shaded by -25 is #E9E9E9; the window colour is white. The default look
// fills rows 1 to 21: the bottom row holds 20/21 of the way, (255 + 233 * 20) / 21 = 234. The
// picker's look fills columns 1 to 58: #E2FFC6 shaded is #C8FF91, #FFFF80 shaded #FFFF4A; the
// right column holds 57/58 of the way.
INSTANTIATE_TEST_SUITE_P(
    Rows, FaceEnds,
    ::testing::Values(
        EndsCase{"DefaultIdleTopToBottom",
                 [](TXFBitBtn&) {},
                 false,
                 {30, 1},
                 {30, 21},
                 "#ffffff",
                 "#eaeaea"},
        EndsCase{"DefaultHotExchangesTheEnds",
                 [](TXFBitBtn&) {},
                 true,
                 {30, 1},
                 {30, 21},
                 "#e9e9e9",
                 "#fdfdfd"},
        EndsCase{"PickerIdle", pickerLook, false, {1, 12}, {58, 12}, "#ffffff", "#c8ff92"},
        EndsCase{"PickerHot", pickerLook, true, {1, 12}, {58, 12}, "#ffffff", "#ffff4d"},
        EndsCase{"PickerSwapped",
                 [](TXFBitBtn& b) {
                     pickerLook(b);
                     b.gradient().setSwapColors(true);
                 },
                 false,
                 {1, 12},
                 {58, 12},
                 "#c8ff91",
                 "#fefffd"},
        EndsCase{"PickerSwappedHot",
                 [](TXFBitBtn& b) {
                     pickerLook(b);
                     b.gradient().setSwapColors(true);
                 },
                 true,
                 {1, 12},
                 {58, 12},
                 "#ffff4a",
                 "#fffffb"},
        EndsCase{"PickerRightToLeftKeepsItsEnds",
                 [](TXFBitBtn& b) {
                     pickerLook(b);
                     b.setLayoutDirection(Qt::RightToLeft);
                 },
                 false,
                 {1, 12},
                 {58, 12},
                 "#ffffff",
                 "#c8ff92"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- bevel and space of each look ----

struct LookCase {
    const char* name;
    bool fine;
    bool flat;
    bool down;
    bool isDefault;
    QRect filled;
};

void PrintTo(const LookCase& c, std::ostream* os)
{
    *os << c.name;
}

class LookArea : public Button, public ::testing::WithParamInterface<LookCase> {};

TEST_P(LookArea, FillsInsideItsBevel)
{
    const LookCase& c = GetParam();
    button->setFine(c.fine);
    button->setFlatFace(c.flat);
    button->setDown(c.down);
    button->setDefault(c.isDefault);
    // A plain fill in one colour shows the filled area.
    button->gradient().setOptions({});
    button->gradient().setEndColor(magenta);
    const QImage image = shot();
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(0xFF, 0x00, 0xFF)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_EQ(box, c.filled);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LookArea,
    ::testing::Values(
        // Bevel 2, one more pixel at the left and top of a raised button.
        LookCase{"PlainUp", false, false, false, false, QRect(1, 1, 57, 21)},
        LookCase{"PlainUpDefault", false, false, false, true, QRect(2, 2, 55, 19)},
        LookCase{"PlainDown", false, false, true, false, QRect(2, 2, 56, 20)},
        LookCase{"PlainDownDefault", false, false, true, true, QRect(2, 2, 56, 20)},
        LookCase{"FineUp", true, false, false, false, QRect(1, 1, 58, 22)},
        LookCase{"FineDefault", true, false, false, true, QRect(2, 2, 56, 20)},
        LookCase{"FlatUp", false, true, false, false, QRect(0, 0, 60, 24)},
        LookCase{"FlatDefault", false, true, false, true, QRect(1, 1, 58, 22)},
        LookCase{"FineAndFlatUp", true, true, false, false, QRect(1, 1, 58, 22)},
        LookCase{"FineAndFlatDown", true, true, true, false, QRect(1, 1, 58, 22)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Button, FineAndFlatDrawTheEdgeAndTheGradient)
{
    pickerLook(*button);
    QImage image = shot();
    EXPECT_EQ(hex(image.pixel(0, 0)), "#fefefe") << "light at the left and top";
    EXPECT_EQ(hex(image.pixel(59, 23)), "#a0a0a0") << "shadow at the right and bottom";
    EXPECT_EQ(hex(image.pixel(1, 12)), "#ffffff") << "the gradient's start";

    button->setDown(true);
    image = shot();
    EXPECT_EQ(hex(image.pixel(0, 0)), "#a0a0a0");
    EXPECT_EQ(hex(image.pixel(59, 23)), "#fefefe");
    EXPECT_EQ(hex(image.pixel(1, 12)), "#ffffff");
}

TEST_F(Button, InactiveGradientDrawsThePlainButton)
{
    button->gradient().setActive(false);
    const QImage image = shot();
    // The raised frame: outer light and dark shadow, inner 3D light and shadow.
    EXPECT_EQ(hex(image.pixel(0, 0)), "#fefefe");
    EXPECT_EQ(hex(image.pixel(59, 0)), "#404040");
    EXPECT_EQ(hex(image.pixel(59, 23)), "#404040");
    EXPECT_EQ(hex(image.pixel(1, 1)), "#e3e3e3");
    EXPECT_EQ(hex(image.pixel(58, 22)), "#a0a0a0");
    for (int y = 2; y < 22; ++y) {
        for (int x = 2; x < 58; ++x) {
            ASSERT_EQ(hex(image.pixel(x, y)), "#f0f0f0") << x << ", " << y;
        }
    }
}

// ---- repainting ----

struct RepaintCase {
    const char* name;
    std::function<void(TXFBitBtn&)> prepare;
    std::function<void(TXFBitBtn&)> act;
    bool repaints;
};

void PrintTo(const RepaintCase& c, std::ostream* os)
{
    *os << c.name;
}

class Repaint : public Button, public ::testing::WithParamInterface<RepaintCase> {};

TEST_P(Repaint, FollowsWhatChangesThePicture)
{
    GetParam().prepare(*button);
    const int paints = repaintsOf([&] {
        GetParam().act(*button);
        if (std::string(GetParam().name).starts_with("Mouse")) {
            moveMouseIn();
        }
    });
    EXPECT_EQ(paints > 0, GetParam().repaints) << paints << " paint events";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Repaint,
    ::testing::Values(
        RepaintCase{"GradientSetter", [](TXFBitBtn&) {},
                    [](TXFBitBtn& b) { b.gradient().setStartColor(magenta); }, true},
        RepaintCase{"SetGradientWithOtherSettings", [](TXFBitBtn&) {},
                    [](TXFBitBtn& b) {
                        TXFGradientButton other;
                        other.setSwapColors(true);
                        b.setGradient(other);
                    },
                    true},
        RepaintCase{"SetGradientWithEqualSettings", [](TXFBitBtn&) {},
                    [](TXFBitBtn& b) { b.setGradient(TXFGradientButton()); }, false},
        RepaintCase{"FineChanged", [](TXFBitBtn&) {}, [](TXFBitBtn& b) { b.setFine(true); }, true},
        RepaintCase{"MouseOverAHotButton", [](TXFBitBtn&) {}, [](TXFBitBtn&) {}, true},
        RepaintCase{"MouseOverAPlainGradient",
                    [](TXFBitBtn& b) { b.gradient().setOptions(TXFGradient::goGradient); },
                    [](TXFBitBtn&) {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- caption, focus and the active default ----

/// The bounding box of the caption's ink: bluish pixels.
QRect ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) - qRed(p) > 40) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST_F(Button, PressedCaptionMovesOnePixelRightAndDown)
{
    button->setText(QStringLiteral("قبول"));
    const QRect idle = ink(shot());
    ASSERT_FALSE(idle.isEmpty());

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 12));
    ASSERT_TRUE(button->isDown());
    const QRect pressed = ink(shot());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 12));

    EXPECT_EQ(pressed, idle.translated(1, 1));
}

TEST_F(Button, DisabledCaptionIsEmbossedInTheShadowColours)
{
    button->setText(QStringLiteral("قبول"));
    button->setEnabled(false);
    const QImage image = shot();
    EXPECT_TRUE(ink(image).isEmpty()) << "no caption colour";
    int shadowPixels = 0;
    for (int y = 3; y < 21; ++y) {
        for (int x = 3; x < 57; ++x) {
            shadowPixels += image.pixel(x, y) == qRgb(0xA0, 0xA0, 0xA0) ? 1 : 0;
        }
    }
    EXPECT_GT(shadowPixels, 0);
}

/// A window with an entry, another button and the button under test, activated.
class FocusWindow : public Button {
protected:
    FocusWindow()
    {
        entry->setGeometry(10, 50, 60, 24);
        other->setGeometry(100, 10, 60, 24);
        button->setFocusPolicy(Qt::StrongFocus);
        entry->show();
        other->show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QLineEdit* entry = new QLineEdit(&window);
    TXFBitBtn* other = new TXFBitBtn(QStringLiteral("انصراف"), &window);
};

struct DefaultCase {
    const char* name;
    bool isDefault;
    int focusOn; // 0 the entry, 1 the other button, 2 the button itself
    const char* corner;
};

void PrintTo(const DefaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class ActiveDefault : public FocusWindow, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(ActiveDefault, HasTheBlackFrame)
{
    const DefaultCase& c = GetParam();
    button->setDefault(c.isDefault);
    QWidget* const targets[] = {entry, other, button};
    targets[c.focusOn]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(hex(shot().pixel(0, 0)), c.corner);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ActiveDefault,
    ::testing::Values(DefaultCase{"DefaultWhileAnEntryHasTheFocus", true, 0, "#404040"},
                      DefaultCase{"DefaultYieldsToAFocusedButton", true, 1, "#fefefe"},
                      DefaultCase{"FocusedButton", false, 2, "#404040"},
                      DefaultCase{"NeitherDefaultNorFocused", false, 0, "#fefefe"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FocusWindow, FocusRectangleIsDottedFourPixelsInside)
{
    button->setDefault(true);
    entry->setFocus();
    QApplication::processEvents();
    const QImage unfocused = shot();
    button->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = shot();

    const QRect focusRect(4, 4, 52, 16);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool onOutline =
                focusRect.contains(x, y) && !focusRect.adjusted(1, 1, -1, -1).contains(x, y);
            const bool dot = onOutline && (x + y) % 2 == 0;
            const QRgb before = unfocused.pixel(x, y);
            const QRgb expected = dot ? (before ^ 0x00FFFFFFu) : before;
            ASSERT_EQ(hex(focused.pixel(x, y)), hex(expected)) << x << ", " << y;
        }
    }
}

} // namespace
