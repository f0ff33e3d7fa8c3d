#include "toolkit/dialogs/board_rows.h"

#include <gtest/gtest.h>

namespace {

using toolkit::BoardRow;
using toolkit::continuationTitle;

QString letters(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QLatin1Char(static_cast<char>('a' + i % 26));
    return text;
}

/// count characters, with a blank at each of the given positions (counted from 1).
QString lettersWithBlanks(int count, std::initializer_list<int> blankPositions)
{
    QString text = letters(count);
    for (int position : blankPositions)
        text[position - 1] = QLatin1Char(' ');
    return text;
}

struct SplitCase {
    const char* name;
    QString value;
    std::vector<int> pieceLengths; ///< the first row's text, then each continuation row's
};

class BoardSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(BoardSplit, CutsLongTextsIntoContinuationRows)
{
    const SplitCase& c = GetParam();
    const std::vector<BoardRow> rows = toolkit::splitBoardText(QStringLiteral("T"), c.value);

    std::vector<int> lengths;
    QString joined;
    for (const BoardRow& row : rows) {
        lengths.push_back(static_cast<int>(row.text.size()));
        joined += row.text;
    }
    EXPECT_EQ(lengths, c.pieceLengths);
    EXPECT_EQ(joined, c.value);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().title, QStringLiteral("T"));
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].title, continuationTitle) << "row " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BoardSplit,
    ::testing::Values(
        SplitCase{"Empty", QString(), {0}}, SplitCase{"Exactly70", letters(70), {70}},
        SplitCase{"Of71", letters(71), {70, 1}},
        SplitCase{"FirstCutInsideAWord", lettersWithBlanks(75, {10, 71}), {70, 5}},
        SplitCase{"Of200WithoutBlanks", letters(200), {70, 130}},
        // The rest (90 characters) has its first blank at its position 80.
        SplitCase{"Of160BlankAt80OfTheRest", lettersWithBlanks(160, {70 + 80}), {70, 80, 10}},
        // Blanks of the rest before its position 70 do not end a piece.
        SplitCase{"BlanksBefore70OfTheRestIgnored",
                  lettersWithBlanks(160, {70 + 50, 70 + 85}),
                  {70, 85, 5}},
        SplitCase{"BlankExactlyAt70OfTheRest", lettersWithBlanks(160, {70 + 70}), {70, 70, 20}},
        SplitCase{"RestOfExactly70KeptWhole", lettersWithBlanks(140, {70 + 10}), {70, 70}},
        SplitCase{"SeveralContinuations",
                  lettersWithBlanks(300, {70 + 75, 70 + 75 + 72}),
                  {70, 75, 72, 83}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(BoardSplit, EqualsSignStaysInTheText)
{
    const std::vector<BoardRow> rows =
        toolkit::splitBoardText(QStringLiteral("a=b"), QStringLiteral("x = 1; y=2"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(toolkit::boardLine(rows.front()), QStringLiteral("a=b=x = 1; y=2"));
}

struct NameCase {
    const char* name;
    QString caption;
    BoardRow first;
    QString expected;
};

class SuggestedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SuggestedName, JoinsCaptionAndFirstRow)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(toolkit::suggestedReportName(c.caption, c.first), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, SuggestedName,
    ::testing::Values(NameCase{"TitleAndTextJoined",
                               QStringLiteral("ساخت جداول"),
                               {QStringLiteral("موفقيت در"), QStringLiteral("1")},
                               QStringLiteral("ساخت جداول موفقيت در1")},
                      NameCase{"OnlyFirstEqualsRemoved",
                               QStringLiteral("R"),
                               {QStringLiteral("a"), QStringLiteral("b=c")},
                               QStringLiteral("R ab=c")},
                      NameCase{"SlashesRemoved",
                               QStringLiteral("1404/01/02"),
                               {QStringLiteral("x/y"), QStringLiteral("/z")},
                               QStringLiteral("14040102 xyz")},
                      NameCase{"TrimmedOfBlanks",
                               QStringLiteral("  R"),
                               {continuationTitle, QStringLiteral("t  ")},
                               QStringLiteral("R  .. t")},
                      NameCase{"EmptyCaption",
                               QString(),
                               {QStringLiteral("a"), QStringLiteral("b")},
                               QStringLiteral("ab")}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

} // namespace
