#include "controls/bouncing_bar.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

using controls::BouncingBar;
using Style = BouncingBar::TtprProgressStyle;

const QColor defaultColor(0x8C, 0xC6, 0xC6);
const QColor defaultTickColor(0x40, 0x80, 0x80);

std::string hex(const QColor& colour)
{
    return colour.name().toStdString();
}

// ---- the tick image's columns ----

struct ColumnCase {
    const char* name;
    QColor base;
    QColor tick;
    int width;
    std::vector<std::pair<int, QRgb>> expected; // column, colour
};

void PrintTo(const ColumnCase& c, std::ostream* os)
{
    *os << c.name;
}

class TickColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(TickColumns, FadeFromTheEdgesToTheCentre)
{
    const ColumnCase& c = GetParam();
    const std::vector<QRgb> columns = controls::tickColumnColours(c.base, c.tick, c.width);
    ASSERT_EQ(columns.size(), static_cast<std::size_t>(c.width));
    for (const auto& [x, colour] : c.expected) {
        EXPECT_EQ(hex(columns[x]), hex(colour)) << "column " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TickColumns,
    ::testing::Values(
        // s = (-7.6, -7, -7); column 19 is the right half's ninth column: tick - 9 s.
        ColumnCase{"DefaultColours",
                   defaultColor,
                   defaultTickColor,
                   20,
                   {{0, qRgb(140, 198, 198)},
                    {5, qRgb(102, 163, 163)},
                    {9, qRgb(72, 135, 135)},
                    {10, qRgb(64, 128, 128)},
                    {11, qRgb(72, 135, 135)},
                    {19, qRgb(132, 191, 191)}}},
        // s = 2.5 and 3.5: 2.5 rounds down to 2, 3.5 up to 4.
        ColumnCase{
            "HalvesGoToTheEvenNeighbour",
            QColor(0, 0, 0),
            QColor(5, 7, 0),
            4,
            {{0, qRgb(0, 0, 0)}, {1, qRgb(2, 4, 0)}, {2, qRgb(5, 7, 0)}, {3, qRgb(2, 4, 0)}}},
        // An odd width: half = 2, the right half ends on the last column.
        ColumnCase{"OddWidth",
                   QColor(0, 200, 10),
                   QColor(100, 0, 10),
                   5,
                   {{0, qRgb(0, 200, 10)},
                    {1, qRgb(40, 120, 10)},
                    {2, qRgb(100, 0, 10)},
                    {3, qRgb(60, 80, 10)},
                    {4, qRgb(20, 160, 10)}}},
        ColumnCase{"NoWidthNoColumns", defaultColor, defaultTickColor, 0, {}},
        ColumnCase{"OneColumnIsTheTickColour",
                   defaultColor,
                   defaultTickColor,
                   1,
                   {{0, qRgb(64, 128, 128)}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- a bar on a shown window ----

class BarFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setLayoutDirection(Qt::LeftToRight);
        window.resize(600, 40);
        window.show();
        bar.setGeometry(0, 0, 100, 13);
    }

    std::string pixel(int x) { return hex(bar.grab().toImage().pixel(x, 6)); }

    /// Left edges after each of `steps` single steps.
    std::vector<int> walk(int steps)
    {
        std::vector<int> edges;
        for (int i = 0; i < steps; ++i) {
            bar.Tick();
            edges.push_back(bar.edgePos());
        }
        return edges;
    }

    QWidget window;
    BouncingBar bar{&window};
};

TEST_F(BarFixture, BoardBarBouncesBetweenZeroAndWidthLessTick)
{
    bar.setGeometry(0, 0, 547, 13);
    bar.setTickColor(QColor(0xFF, 0x79, 0x79));
    bar.setColor(QColor(0xFF, 0xFF, 0xE6));
    bar.setTickJump(1);
    bar.setTickWidth(200);
    bar.setProgressStyle(Style::tprBouncer);
    ASSERT_EQ(bar.edgePos(), 1);

    std::vector<int> path{1};
    const std::vector<int> edges = walk(3 * 347 + 10);
    path.insert(path.end(), edges.begin(), edges.end());
    std::vector<int> turns;
    for (std::size_t i = 1; i < path.size(); ++i) {
        ASSERT_EQ(std::abs(path[i] - path[i - 1]), 1) << "step " << i;
        ASSERT_GE(path[i], 0) << "step " << i;
        ASSERT_LE(path[i], 347) << "step " << i;
        if (i >= 2 && path[i] - path[i - 1] != path[i - 1] - path[i - 2]) {
            turns.push_back(path[i - 1]);
        }
    }
    EXPECT_EQ((std::vector<int>{347, 0, 347}), turns);
}

TEST_F(BarFixture, DefaultStyleReentersFromTheLeft)
{
    // A resize rebuilds the tick and puts it just outside the left edge.
    ASSERT_EQ(bar.edgePos(), -20);
    const std::vector<int> edges = walk(45);
    const auto wrap =
        std::adjacent_find(edges.begin(), edges.end(), [](int a, int b) { return b < a; });
    ASSERT_NE(wrap, edges.end());
    EXPECT_EQ(*wrap, 97);
    EXPECT_EQ(*(wrap + 1), -17);
}

TEST_F(BarFixture, OneTickMakesTickCountSteps)
{
    bar.setTickCount(5);
    bar.setTickCount(0);
    bar.Tick();
    EXPECT_EQ(bar.tickCount(), 5);
    EXPECT_EQ(bar.edgePos(), -20 + 5 * 3);
}

TEST_F(BarFixture, TickDrawsTheImageAndWipesTheStripBehindIt)
{
    bar.setProgressStyle(Style::tprBouncer); // edge 1, moving right
    bar.Tick();                              // edge 4
    ASSERT_EQ(bar.edgePos(), 4);
    for (int x : {0, 3, 24, 99}) {
        EXPECT_EQ(pixel(x), hex(defaultColor)) << "x " << x;
    }
    EXPECT_EQ(pixel(4), hex(defaultColor)); // the tick's own edge column
    EXPECT_EQ(pixel(13), hex(QColor(72, 135, 135)));
    EXPECT_EQ(pixel(14), hex(defaultTickColor));

    // Moving left, the strip at the tick's old right edge is wiped.
    while (bar.internTickJump() > 0) {
        bar.Tick();
    }
    const int edge = bar.edgePos();
    bar.Tick();
    EXPECT_EQ(bar.edgePos(), edge - 3);
    for (int x = edge + 17; x < std::min(edge + 20, 100); ++x) {
        EXPECT_EQ(pixel(x), hex(defaultColor)) << "x " << x;
    }
    EXPECT_EQ(pixel(edge - 3 + 10), hex(defaultTickColor));
}

TEST_F(BarFixture, HidingAndShowingClearsTheTickButKeepsItsPlace)
{
    bar.Tick();
    bar.Tick();
    const int edge = bar.edgePos();
    bar.hide();
    bar.show();
    EXPECT_EQ(bar.edgePos(), edge);
    for (int x = 0; x < 100; x += 7) {
        ASSERT_EQ(pixel(x), hex(defaultColor)) << "x " << x;
    }
    bar.Tick();
    EXPECT_EQ(bar.edgePos(), edge + 3);
}

// ---- setters ----

struct State {
    int tickWidth;
    int tickJump;
    int tickCount;
    int edgePos;
    int step;
};

struct SetterCase {
    const char* name;
    std::function<void(BouncingBar&)> act;
    State expected;
};

void PrintTo(const SetterCase& c, std::ostream* os)
{
    *os << c.name;
}

class BarSetters : public BarFixture, public ::testing::WithParamInterface<SetterCase> {};

TEST_P(BarSetters, FollowTheirRules)
{
    GetParam().act(bar);
    const State& e = GetParam().expected;
    EXPECT_EQ(bar.tickWidth(), e.tickWidth);
    EXPECT_EQ(bar.tickJump(), e.tickJump);
    EXPECT_EQ(bar.tickCount(), e.tickCount);
    EXPECT_EQ(bar.edgePos(), e.edgePos);
    EXPECT_EQ(bar.internTickJump(), e.step);
}

void moveLeft(BouncingBar& bar)
{
    bar.setProgressStyle(Style::tprBouncer);
    while (bar.internTickJump() > 0) {
        bar.Tick();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BarSetters,
    ::testing::Values(
        SetterCase{"Defaults", [](BouncingBar&) {}, {20, 3, 1, -20, 3}},
        SetterCase{"TickWidthOfTheBarsWidth",
                   [](BouncingBar& b) { b.setTickWidth(100); },
                   {100, 3, 1, -100, 3}},
        SetterCase{"TickWidthWiderThanTheBarIgnored",
                   [](BouncingBar& b) { b.setTickWidth(101); },
                   {20, 3, 1, -20, 3}},
        SetterCase{
            "TickWidthZeroIgnored", [](BouncingBar& b) { b.setTickWidth(0); }, {20, 3, 1, -20, 3}},
        SetterCase{
            "TickJumpZeroIgnored", [](BouncingBar& b) { b.setTickJump(0); }, {20, 3, 1, -20, 3}},
        SetterCase{"TickJumpNegativeIgnored",
                   [](BouncingBar& b) { b.setTickJump(-4); },
                   {20, 3, 1, -20, 3}},
        SetterCase{"TickJumpWiderThanTheBarIgnored",
                   [](BouncingBar& b) { b.setTickJump(101); },
                   {20, 3, 1, -20, 3}},
        SetterCase{"TickJumpMovingRight",
                   [](BouncingBar& b) { b.setTickJump(100); },
                   {20, 100, 1, -20, 100}},
        SetterCase{"TickJumpMovingLeftKeepsMovingLeft",
                   [](BouncingBar& b) {
                       moveLeft(b); // turns at 82 (>= 100 - 20) after 27 steps of 3 from 1
                       b.setTickJump(5);
                   },
                   {20, 5, 1, 82, -5}},
        SetterCase{"TickCountZeroKeepsThePrevious",
                   [](BouncingBar& b) {
                       b.setTickCount(4);
                       b.setTickCount(0);
                   },
                   {20, 3, 4, -20, 3}},
        SetterCase{"BouncerStartsAtOneMovingRight",
                   [](BouncingBar& b) {
                       moveLeft(b);
                       b.setProgressStyle(Style::tprBouncer);
                   },
                   {20, 3, 1, 1, 3}},
        SetterCase{"DefaultStartsOutsideTheLeftEdge",
                   [](BouncingBar& b) {
                       moveLeft(b);
                       b.setTickWidth(30);
                       b.setProgressStyle(Style::tprDefault);
                   },
                   {30, 3, 1, -30, 3}},
        SetterCase{"ColourRestartsTheTick",
                   [](BouncingBar& b) {
                       b.Tick();
                       b.setColor(Qt::white);
                   },
                   {20, 3, 1, -20, 3}},
        SetterCase{"ResizeRestartsTheTick",
                   [](BouncingBar& b) {
                       b.setProgressStyle(Style::tprBouncer);
                       b.resize(200, 13);
                   },
                   {20, 3, 1, -20, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
