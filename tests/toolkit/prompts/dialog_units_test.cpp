#include "toolkit/prompts/dialog_units.h"
#include "toolkit/prompts/prompt_layout.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct MulDivCase {
    const char* name;
    int number;
    int numerator;
    int denominator;
    int expected;
    /// A failing row is named, not dumped.
    friend void PrintTo(const MulDivCase& c, std::ostream* out) { *out << c.name; }
};

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsToNearestHalvesAwayFromZero)
{
    const MulDivCase& c = GetParam();
    EXPECT_EQ(toolkit::mulDiv(c.number, c.numerator, c.denominator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MulDivTest,
    ::testing::Values(
        MulDivCase{"exact", 180, 6, 4, 270}, MulDivCase{"quarterDown", 9, 1, 4, 2}, // 2.25
        MulDivCase{"threeQuartersUp", 7, 1, 4, 2},                                  // 1.75
        MulDivCase{"halfUpFromEven", 5, 1, 2, 3}, // 2.5: half-even would give 2
        MulDivCase{"halfUpFromOdd", 7, 1, 2, 4},  // 3.5
        MulDivCase{"dialogHalf", 14, 15, 8, 26},  // 26.25
        MulDivCase{"dialogHalfExact", 8, 13, 8, 13}, MulDivCase{"oddDivisorHalfway", 3, 1, 3, 1},
        MulDivCase{"negativeHalfAwayFromZero", -5, 1, 2, -3},
        MulDivCase{"negativeDivisor", 5, 1, -2, -3}, MulDivCase{"bothNegative", -5, 1, -2, 3},
        MulDivCase{"negativeBelowHalf", -9, 1, 4, -2}, MulDivCase{"zero", 0, 5, -3, 0},
        MulDivCase{"productBeyond32Bits", 65536, 65536, 65536, 65536},
        MulDivCase{"largestQuotient", 2147483647, 2, 2, 2147483647},
        MulDivCase{"quotientTooLarge", 2147483647, 2, 1, -1},
        MulDivCase{"zeroDivisor", 1, 1, 0, -1}),
    [](const ::testing::TestParamInfo<MulDivCase>& info) { return std::string(info.param.name); });

/// The average character size and the layout, measured independently of the code under test.
class PromptLayoutTest : public ::testing::Test {
protected:
    PromptLayoutTest()
    {
        x = metrics.horizontalAdvance(
                QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
            52;
        y = metrics.height();
    }

    QFont font = toolkit::promptFont();
    QFontMetrics metrics{font};
    int x = 0;
    int y = 0;
};

TEST_F(PromptLayoutTest, DialogIsMeasuredInAverageCharacters)
{
    EXPECT_EQ(font.pointSize(), 9);
    const toolkit::CharSize unit = toolkit::averageCharSize(font);
    EXPECT_EQ(unit.x, x);
    EXPECT_EQ(unit.y, y);
    ASSERT_GT(x, 0);

    const platform::PromptGeometry g = toolkit::promptGeometry(font, QStringLiteral("نام"), 21);
    const auto md = toolkit::mulDiv;
    const int line = g.prompt.height();
    EXPECT_GE(line, y);
    EXPECT_LT(line, 2 * y) << "one line";
    EXPECT_EQ(g.prompt, QRect(md(8, x, 4), md(8, y, 8), md(164, x, 4), line));
    EXPECT_EQ(g.input, QRect(md(8, x, 4), md(8, y, 8) + line + 5, md(164, x, 4), 21));
    const int buttonTop = g.input.bottom() + 1 + 15;
    EXPECT_EQ(g.ok, QRect(md(38, x, 4), buttonTop, md(50, x, 4), md(14, y, 8)));
    EXPECT_EQ(g.cancel, QRect(md(92, x, 4), buttonTop, md(50, x, 4), md(14, y, 8)));
    EXPECT_EQ(g.client, QSize(md(180, x, 4), buttonTop + md(14, y, 8) + 13));
    EXPECT_LT(g.ok.right(), g.cancel.left());
    EXPECT_LT(g.cancel.right(), g.client.width());
}

TEST_F(PromptLayoutTest, LongPromptWrapsAndPushesTheRestDown)
{
    const platform::PromptGeometry shortOne =
        toolkit::promptGeometry(font, QStringLiteral("شماره دام"), 22);
    QString longText;
    for (int i = 0; i < 12; ++i)
        longText += QStringLiteral("لطفا شماره بدن دام مورد نظر را وارد كنيد ");
    const platform::PromptGeometry longOne = toolkit::promptGeometry(font, longText, 22);

    EXPECT_GT(longOne.prompt.height(), 3 * shortOne.prompt.height()) << "wrapped on several lines";
    EXPECT_EQ(longOne.prompt.width(), shortOne.prompt.width());
    const int extra = longOne.prompt.height() - shortOne.prompt.height();
    EXPECT_EQ(longOne.input.translated(0, -extra), shortOne.input);
    EXPECT_EQ(longOne.ok.translated(0, -extra), shortOne.ok);
    EXPECT_EQ(longOne.cancel.translated(0, -extra), shortOne.cancel);
    EXPECT_EQ(longOne.client, shortOne.client + QSize(0, extra));
}

TEST_F(PromptLayoutTest, LineBreaksAndAnEmptyPrompt)
{
    const auto height = [&](const QString& prompt) {
        return toolkit::promptGeometry(font, prompt, 22).prompt.height();
    };
    const int oneLine = height(QStringLiteral("x"));
    const int threeLines = height(QStringLiteral("a\nb\nc"));
    EXPECT_GT(threeLines, 2 * oneLine);
    EXPECT_EQ(height(QStringLiteral("a\rb\r\nc")), threeLines);
    EXPECT_EQ(height(QString()), oneLine) << "an empty prompt takes a line";
    EXPECT_EQ(toolkit::promptLines(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
}

TEST_F(PromptLayoutTest, LinesAreBrokenBetweenWordsWithoutTheirEndingBlank)
{
    QString text;
    for (int i = 0; i < 8; ++i)
        text += QStringLiteral("شماره بدن دام مورد نظر را وارد كنيد ");
    text += QStringLiteral("پايان");
    const int width = toolkit::mulDiv(164, x, 4);
    const QStringList lines = toolkit::wrappedPrompt(font, text, width).split(QLatin1Char('\n'));

    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.join(QLatin1Char(' ')), text) << "broken only at single blanks";
    for (const QString& line : lines) {
        EXPECT_FALSE(line.endsWith(QLatin1Char(' '))) << line.toStdString();
        EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
    }
    EXPECT_EQ(toolkit::wrappedPrompt(font, QStringLiteral("  الف\r\n\rب"), width),
              QStringLiteral("  الف\n\nب"));
    EXPECT_EQ(toolkit::wrappedPrompt(font, QString(), width), QString());
}

} // namespace
