#include "controls/gradient_fill.h"
#include "controls/gradient_label.h"

#include <QFontMetrics>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

using controls::GradientLabel;
using Type = GradientLabel::TGradientType;
using Direction = GradientLabel::TGradientDirection;
using Orientation = GradientLabel::TGradientOrientation;
using VAlign = GradientLabel::TVAlignment;
using Ellips = GradientLabel::TEllipsType;

std::string hex(const QColor& colour)
{
    return colour.name().toStdString();
}

const QColor hostColour(0x12, 0x34, 0x56);
const QColor yellow(0xFF, 0xFF, 0x80);

/// A label on a host window, photographed with whatever the host paints behind it.
class LabelFixture : public ::testing::Test {
protected:
    LabelFixture()
    {
        host.setLayoutDirection(Qt::LeftToRight);
        QPalette colours = host.palette();
        colours.setColor(QPalette::Window, hostColour);
        host.setPalette(colours);
        host.setAutoFillBackground(true);
        host.resize(300, 300);
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(text);
        host.show();
    }

    QImage shot() { return host.grab(label->geometry()).toImage(); }

    /// The bounding box of every pixel that is not `background`.
    QRect ink(const QColor& background)
    {
        const QImage image = shot();
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (QColor(image.pixel(x, y)) != background) {
                    box = box.united(QRect(x, y, 1, 1));
                }
            }
        }
        return box;
    }

    /// A plain white label with a black caption.
    void plain(const QString& caption, const QSize& size)
    {
        label->setText(caption);
        label->setColor(Qt::white);
        label->setColorTo(controls::clNone);
        label->setGeometry(QRect(QPoint(10, 10), size));
    }

    QWidget host;
    GradientLabel* label = new GradientLabel(&host);
};

// ---- the area gradient on the screen ----

struct BandsCase {
    const char* name;
    Type type;
    QSize size;
};

void PrintTo(const BandsCase& c, std::ostream* os)
{
    *os << c.name;
}

class RenderedBands : public LabelFixture, public ::testing::WithParamInterface<BandsCase> {};

TEST_P(RenderedBands, EachBandShowsFromItsStartToTheNextOne)
{
    const BandsCase& c = GetParam();
    label->setGeometry(QRect(QPoint(0, 0), c.size));
    label->setColor(Qt::black);
    label->setGradientType(c.type);
    const QImage image = shot();
    const bool horizontal = c.type == Type::gtFullHorizontal;

    // The 32 bands of 100 pixels, starting at nearest(i * 3.125), each covering the last pixel
    // of the band before it.
    const std::vector<int> starts{0,  3,  6,  9,  12, 16, 19, 22, 25, 28, 31, 34, 38, 41, 44, 47,
                                  50, 53, 56, 59, 62, 66, 69, 72, 75, 78, 81, 84, 88, 91, 94, 97};
    const auto bands = controls::gradientBands(0, 100, Qt::black, Qt::white, 32);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int first = starts[i];
        const int last = i + 1 < starts.size() ? starts[i + 1] - 1 : 99;
        for (int at : {first, last}) {
            const QRgb seen = horizontal ? image.pixel(at, 13) : image.pixel(13, at);
            EXPECT_EQ(hex(seen), hex(bands[i].colour)) << "band " << i << " at " << at;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RenderedBands,
    ::testing::Values(BandsCase{"LeftToRight", Type::gtFullHorizontal, QSize(100, 26)},
                      BandsCase{"TopToBottom", Type::gtFullVertical, QSize(26, 100)}),
    [](const auto& info) { return std::string(info.param.name); });

struct AreaCase {
    const char* name;
    std::function<void(GradientLabel&)> set;
    QColor leftEdge;
    QColor rightEdge;
};

void PrintTo(const AreaCase& c, std::ostream* os)
{
    *os << c.name;
}

class AreaFill : public LabelFixture, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(AreaFill, PaintsTheEnds)
{
    label->setGeometry(0, 0, 100, 26);
    label->setColor(yellow);
    GetParam().set(*label);
    const QImage image = shot();
    EXPECT_EQ(hex(image.pixel(0, 5)), hex(GetParam().leftEdge));
    EXPECT_EQ(hex(image.pixel(99, 5)), hex(GetParam().rightEdge));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AreaFill,
    ::testing::Values(
        // Blue runs from 0x80 in 32 steps of 127 / 32: the last band is 0x80 + 123.
        AreaCase{"ColourAtTheLeftByDefault", [](GradientLabel&) {}, yellow, QColor(255, 255, 251)},
        AreaCase{"RightToLeftPutsColourAtTheRight",
                 [](GradientLabel& l) { l.setGradientDirection(Direction::gdRightToLeft); },
                 Qt::white, QColor(255, 255, 132)},
        AreaCase{"ColourToNoneIsFlat", [](GradientLabel& l) { l.setColorTo(controls::clNone); },
                 yellow, yellow},
        AreaCase{"LineTypesFillTheAreaFlat",
                 [](GradientLabel& l) { l.setGradientType(Type::gtTopLine); }, yellow, yellow},
        AreaCase{"TransparentPaintsNoBackground", [](GradientLabel& l) { l.setTransparent(true); },
                 hostColour, hostColour}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- gradient lines ----

struct LineCase {
    const char* name;
    Type type;
    Orientation orientation;
    int lineWidth;
    QRect expected;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class LineRect : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRect, SitsWhereItsTypeSays)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(GradientLabel::lineRect(QRect(0, 0, 100, 26), c.type, c.orientation, c.lineWidth),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LineRect,
    ::testing::Values(
        LineCase{"Bottom", Type::gtBottomLine, Orientation::goHorizontal, 2, {0, 24, 100, 2}},
        LineCase{"CentreOdd", Type::gtCenterLine, Orientation::goHorizontal, 3, {0, 11, 100, 3}},
        LineCase{"Top", Type::gtTopLine, Orientation::goHorizontal, 2, {0, 0, 100, 2}},
        // (26 - 30) div 2 rounds towards zero: -2.
        LineCase{"CentreWiderThanTheLabel",
                 Type::gtCenterLine,
                 Orientation::goHorizontal,
                 30,
                 {0, -2, 100, 30}},
        LineCase{"VerticalBottomIsTheRightEdge",
                 Type::gtBottomLine,
                 Orientation::goVertical,
                 2,
                 {98, 0, 2, 26}},
        LineCase{"VerticalCentre", Type::gtCenterLine, Orientation::goVertical, 3, {48, 0, 3, 26}},
        LineCase{"VerticalTopIsTheLeftEdge",
                 Type::gtTopLine,
                 Orientation::goVertical,
                 4,
                 {0, 0, 4, 26}}),
    [](const auto& info) { return std::string(info.param.name); });

struct GapCase {
    const char* name;
    Qt::Alignment alignment;
    int indent;
    int textWidth;
    QRegion kept;
};

void PrintTo(const GapCase& c, std::ostream* os)
{
    *os << c.name;
}

class TextGap : public ::testing::TestWithParam<GapCase> {};

TEST_P(TextGap, KeepsTheLineBesideTheText)
{
    const GapCase& c = GetParam();
    EXPECT_EQ(
        GradientLabel::lineAroundText(QRect(0, 24, 100, 2), c.alignment, c.indent, c.textWidth),
        c.kept);
}

QRegion pieces(std::initializer_list<std::pair<int, int>> spans)
{
    QRegion region;
    for (const auto& [from, to] : spans) {
        region = region.united(QRect(from, 24, to - from, 2));
    }
    return region;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextGap,
    ::testing::Values(GapCase{"Left", Qt::AlignLeft, 5, 30, pieces({{0, 5}, {35, 100}})},
                      GapCase{"Right", Qt::AlignRight, 5, 30, pieces({{0, 65}, {95, 100}})},
                      // (100 - 30) div 2 = 35 a side; the left piece stops 3 short.
                      GapCase{"Centre", Qt::AlignHCenter, 5, 30, pieces({{0, 32}, {65, 100}})},
                      GapCase{"TextWiderThanTheLine", Qt::AlignLeft, 0, 120, QRegion()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LabelFixture, HorizontalLineRunsFromColourToColourTo)
{
    label->setGeometry(0, 0, 100, 26);
    label->setColor(Qt::black);
    label->setGradientType(Type::gtBottomLine);
    const QImage image = shot();
    EXPECT_EQ(hex(image.pixel(99, 23)), hex(Qt::black)); // above the line
    EXPECT_EQ(hex(image.pixel(99, 24)), hex(QColor(247, 247, 247)));
    EXPECT_EQ(hex(image.pixel(99, 25)), hex(QColor(247, 247, 247)));
    EXPECT_EQ(hex(image.pixel(50, 25)), hex(QColor(128, 128, 128))); // band 16
}

TEST_F(LabelFixture, VerticalLineRunsFromColourToAtTheTopToColour)
{
    label->setGeometry(0, 0, 26, 100);
    label->setColor(Qt::black);
    label->setOrientation(Orientation::goVertical);
    label->setGradientType(Type::gtBottomLine);
    const QImage image = shot();
    EXPECT_EQ(hex(image.pixel(23, 0)), hex(Qt::black)); // left of the line
    EXPECT_EQ(hex(image.pixel(24, 0)), hex(Qt::white));
    EXPECT_EQ(hex(image.pixel(25, 99)), hex(QColor(8, 8, 8))); // one step short of black
}

TEST_F(LabelFixture, TransparentTextLeavesAGapUnderTheText)
{
    const QString caption = QStringLiteral("MMMM");
    plain(caption, QSize(200, 40));
    label->setColorTo(Qt::black);
    label->setGradientDirection(Direction::gdRightToLeft); // dark at the left, the line's start
    label->setGradientType(Type::gtBottomLine);
    label->setLineWidth(4);
    label->setIndent(20);
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance(caption);
    const int underText = 20 + textWidth / 2;
    const int afterText = 20 + textWidth + 3;

    EXPECT_NE(hex(shot().pixel(underText, 38)), hex(Qt::white));
    label->setTransparentText(true);
    const QImage image = shot();
    EXPECT_NE(hex(image.pixel(10, 38)), hex(Qt::white));
    EXPECT_EQ(hex(image.pixel(underText, 38)), hex(Qt::white));
    EXPECT_NE(hex(image.pixel(afterText, 38)), hex(Qt::white));
}

// ---- where the text stands ----

struct PlaceCase {
    const char* name;
    Qt::LayoutDirection direction;
    Qt::Alignment alignment;
    VAlign vAlignment;
    int indent;
    std::function<bool(const QRect&)> fits; // the ink of "MMMM" on a 100 x 60 label
};

void PrintTo(const PlaceCase& c, std::ostream* os)
{
    *os << c.name;
}

class TextPlace : public LabelFixture, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(TextPlace, FollowsAlignmentLayoutAndIndent)
{
    const PlaceCase& c = GetParam();
    plain(QStringLiteral("MMMM"), QSize(100, 60));
    label->setLayoutDirection(c.direction);
    label->setAlignment(c.alignment);
    label->setVAlignment(c.vAlignment);
    label->setIndent(c.indent);
    const QRect box = ink(Qt::white);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(c.fits(box)) << "ink from " << box.left() << "," << box.top() << " to "
                             << box.right() << "," << box.bottom();
}

bool near(int value, int target, int slack)
{
    return std::abs(value - target) <= slack;
}

constexpr auto ltr = Qt::LeftToRight;
constexpr auto rtl = Qt::RightToLeft;

INSTANTIATE_TEST_SUITE_P(
    Rows, TextPlace,
    ::testing::Values(
        PlaceCase{"LeftIndent", ltr, Qt::AlignLeft | Qt::AlignTop, VAlign::vaTop, 10,
                  [](const QRect& b) { return near(b.left(), 11, 2) && b.top() < 8; }},
        PlaceCase{"RightIndent", ltr, Qt::AlignRight | Qt::AlignTop, VAlign::vaTop, 10,
                  [](const QRect& b) { return near(b.right(), 88, 2); }},
        PlaceCase{"CentreIgnoresIndent", ltr, Qt::AlignHCenter | Qt::AlignTop, VAlign::vaTop, 30,
                  [](const QRect& b) { return near(b.center().x(), 50, 2); }},
        PlaceCase{"RightToLeftMirrorsLeft", rtl, Qt::AlignLeft | Qt::AlignTop, VAlign::vaTop, 10,
                  [](const QRect& b) { return near(b.right(), 88, 2); }},
        PlaceCase{"RightToLeftMirrorsRight", rtl, Qt::AlignRight | Qt::AlignTop, VAlign::vaTop, 10,
                  [](const QRect& b) { return near(b.left(), 11, 2); }},
        PlaceCase{"AbsoluteLeftStaysLeft", rtl, Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop,
                  VAlign::vaTop, 10, [](const QRect& b) { return near(b.left(), 11, 2); }},
        PlaceCase{"VAlignmentCentre", ltr, Qt::AlignLeft | Qt::AlignTop, VAlign::vaCenter, 0,
                  [](const QRect& b) { return near(b.center().y(), 30, 3); }},
        PlaceCase{"VAlignmentBottom", ltr, Qt::AlignLeft | Qt::AlignTop, VAlign::vaBottom, 0,
                  [](const QRect& b) { return b.bottom() > 50; }},
        PlaceCase{"LayoutBottom", ltr, Qt::AlignLeft | Qt::AlignBottom, VAlign::vaTop, 0,
                  [](const QRect& b) { return b.bottom() > 50; }},
        PlaceCase{"CentreWinsOverBottom", ltr, Qt::AlignLeft | Qt::AlignBottom, VAlign::vaCenter, 0,
                  [](const QRect& b) { return near(b.center().y(), 30, 3); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct TurnedCase {
    const char* name;
    Qt::Alignment alignment;
    int indent;
    std::function<bool(const QRect&)> fits; // the ink of "MMMM" on a 40 x 200 label
};

void PrintTo(const TurnedCase& c, std::ostream* os)
{
    *os << c.name;
}

class TurnedText : public LabelFixture, public ::testing::WithParamInterface<TurnedCase> {};

TEST_P(TurnedText, RunsUpwardsPlacedByAlignmentAndLayout)
{
    const TurnedCase& c = GetParam();
    plain(QStringLiteral("MMMM"), QSize(40, 200));
    label->setOrientation(Orientation::goVertical);
    label->setAlignment(c.alignment);
    label->setIndent(c.indent);
    const QRect box = ink(Qt::white);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(box.height(), box.width());
    EXPECT_TRUE(c.fits(box)) << "ink from " << box.left() << "," << box.top() << " to "
                             << box.right() << "," << box.bottom();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TurnedText,
    ::testing::Values(TurnedCase{"LeftStartsAtTheBottom", Qt::AlignLeft | Qt::AlignTop, 0,
                                 [](const QRect& b) { return b.bottom() >= 195 && b.left() < 8; }},
                      TurnedCase{"LeftIndentLiftsIt", Qt::AlignLeft | Qt::AlignTop, 20,
                                 [](const QRect& b) { return near(b.bottom(), 178, 3); }},
                      TurnedCase{"RightEndsAtTheTopBelowTheIndent", Qt::AlignRight | Qt::AlignTop,
                                 20, [](const QRect& b) { return near(b.top(), 21, 3); }},
                      TurnedCase{"Centred", Qt::AlignHCenter | Qt::AlignTop, 0,
                                 [](const QRect& b) { return near(b.center().y(), 100, 3); }},
                      TurnedCase{"LayoutBottomIsTheRightEdge", Qt::AlignLeft | Qt::AlignBottom, 0,
                                 [](const QRect& b) { return b.right() >= 33; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LabelFixture, DisabledTextIsEngravedAndHorizontal)
{
    plain(QStringLiteral("MMMM"), QSize(200, 60));
    QFont big = label->font();
    big.setPixelSize(30);
    big.setBold(true);
    label->setFont(big);
    const QColor light(0x00, 0xC0, 0x00);
    const QColor dark(0x00, 0x00, 0xC0);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Light, light);
    colours.setColor(QPalette::Dark, dark);
    colours.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(colours);
    label->setOrientation(Orientation::goVertical);
    label->setEnabled(false);

    const QImage image = shot();
    std::map<std::string, int> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++seen[hex(image.pixel(x, y))];
        }
    }
    EXPECT_GT(seen[hex(light)], 0);
    EXPECT_GT(seen[hex(dark)], 0);
    EXPECT_EQ(seen.count(hex(Qt::red)), 0u);
    const QRect box = ink(Qt::white);
    EXPECT_GT(box.width(), box.height());
}

TEST_F(LabelFixture, WordWrapBreaksTheCaptionIntoLines)
{
    plain(QStringLiteral("MM MM MM MM"), QSize(60, 120));
    const int lineHeight = QFontMetrics(label->font()).height();
    EXPECT_LT(ink(Qt::white).height(), lineHeight);
    label->setWordWrap(true);
    EXPECT_GT(ink(Qt::white).height(), lineHeight);
}

TEST_F(LabelFixture, AcceleratorCharacterTakesOneAmpersandOfTwo)
{
    plain(QStringLiteral("M&&M"), QSize(200, 30));
    const int shown = ink(Qt::white).width(); // "M&M"
    label->setShowAccelChar(false);           // "M&&M"
    EXPECT_GT(ink(Qt::white).width(), shown);
}

// ---- ellipses ----

struct ElideCase {
    const char* name;
    QString caption;
    Ellips type;
    std::function<bool(const QString&)> holds;
};

void PrintTo(const ElideCase& c, std::ostream* os)
{
    *os << c.name;
}

class Elide : public ::testing::TestWithParam<ElideCase> {};

TEST_P(Elide, CutsTheCaptionToTheWidth)
{
    const ElideCase& c = GetParam();
    const QFontMetrics metrics{QFont()};
    const int width = metrics.horizontalAdvance(c.caption) / 2;
    const QString shown =
        GradientLabel::elideCaption(c.caption, metrics, width, c.type, Qt::TextExpandTabs);
    EXPECT_TRUE(c.holds(shown)) << shown.toStdString();
    if (c.type != Ellips::etNone) {
        EXPECT_LE(metrics.horizontalAdvance(shown), width);
    }
}

const QChar ellipsis(0x2026);

INSTANTIATE_TEST_SUITE_P(
    Rows, Elide,
    ::testing::Values(
        ElideCase{"NoneKeepsTheText", QStringLiteral("a long caption for a short label"),
                  Ellips::etNone,
                  [](const QString& s) { return s == "a long caption for a short label"; }},
        ElideCase{"EndCutsTheEnd", QStringLiteral("a long caption for a short label"),
                  Ellips::etEndEllips,
                  [](const QString& s) { return s.startsWith("a long") && s.endsWith(ellipsis); }},
        ElideCase{"PathKeepsTheLastPart", QStringLiteral("C:\\Farm\\Reports\\Herd\\list.txt"),
                  Ellips::etPathEllips,
                  [](const QString& s) {
                      return s.startsWith("C:") && s.endsWith("\\list.txt") && s.contains(ellipsis);
                  }},
        ElideCase{"PathWithoutSeparatorsCutsTheMiddle",
                  QStringLiteral("abcdefghijklmnopqrstuvwxyz"), Ellips::etPathEllips,
                  [](const QString& s) {
                      return s.startsWith('a') && s.endsWith('z') && s.contains(ellipsis);
                  }},
        ElideCase{"PersianEndCut", QStringLiteral("نرم افزار كنترل تلقيح نرم افزار كنترل تلقيح"),
                  Ellips::etEndEllips,
                  [](const QString& s) {
                      return s.startsWith(QStringLiteral("نرم")) && s.endsWith(ellipsis);
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GradientLabel, FittingCaptionIsNotCut)
{
    const QFontMetrics metrics{QFont()};
    const QString caption = QStringLiteral("short");
    EXPECT_EQ(GradientLabel::elideCaption(caption, metrics, metrics.horizontalAdvance(caption),
                                          Ellips::etEndEllips, 0),
              caption);
}

TEST(GradientLabel, VersionCannotBeWritten)
{
    GradientLabel label;
    EXPECT_EQ(label.version(), "1.2.0.0");
    EXPECT_FALSE(label.setProperty("Version", QStringLiteral("9.9.9.9")));
    EXPECT_EQ(label.property("Version").toString(), "1.2.0.0");
}

} // namespace
