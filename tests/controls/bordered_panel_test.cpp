#include "controls/bordered_panel.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using controls::BorderedPanel;

const QColor background = Qt::white;
const QColor line(0x80, 0xFF, 0x00);

struct SidesCase {
    const char* name;
    Qt::Edges sides;
};

void PrintTo(const SidesCase& c, std::ostream* os)
{
    *os << c.name;
}

class PanelSides : public ::testing::TestWithParam<SidesCase> {};

TEST_P(PanelSides, FrameExactlyTheChosenSides)
{
    BorderedPanel panel;
    panel.resize(40, 30);
    panel.setColor(background);
    panel.setBorderColor(line);
    panel.setBorderSides(GetParam().sides);
    const QImage image = panel.grab().toImage();

    const auto at = [&image](int x, int y) {
        return QColor(image.pixel(x, y)).name().toStdString();
    };
    const auto expected = [](bool framed) {
        return (framed ? line : background).name().toStdString();
    };
    const Qt::Edges sides = GetParam().sides;
    EXPECT_EQ(at(0, 15), expected(sides.testFlag(Qt::LeftEdge)));
    EXPECT_EQ(at(20, 0), expected(sides.testFlag(Qt::TopEdge)));
    EXPECT_EQ(at(39, 15), expected(sides.testFlag(Qt::RightEdge)));
    EXPECT_EQ(at(20, 29), expected(sides.testFlag(Qt::BottomEdge)));
    // One pixel wide: the pixels next to each line and the inside are background.
    for (const auto& [x, y] : {std::pair{1, 15}, {20, 1}, {38, 15}, {20, 28}, {20, 15}}) {
        EXPECT_EQ(at(x, y), expected(false)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PanelSides,
                         ::testing::Values(SidesCase{"None", {}},
                                           SidesCase{"All", Qt::LeftEdge | Qt::TopEdge |
                                                                Qt::RightEdge | Qt::BottomEdge},
                                           SidesCase{"LeftAndTop", Qt::LeftEdge | Qt::TopEdge},
                                           SidesCase{"RightOnly", Qt::RightEdge},
                                           SidesCase{"BottomOnly", Qt::BottomEdge}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BorderedPanel, SidesStayPhysicalRightToLeft)
{
    BorderedPanel panel;
    panel.setLayoutDirection(Qt::RightToLeft);
    panel.resize(40, 30);
    panel.setBorderColor(line);
    panel.setBorderSides(Qt::LeftEdge);
    const QImage image = panel.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(0, 15)), line);
    EXPECT_NE(QColor(image.pixel(39, 15)), line);
}

} // namespace
