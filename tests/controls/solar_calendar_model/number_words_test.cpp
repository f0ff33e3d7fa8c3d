#include "controls/solar_calendar_model/number_words.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// The words written one after another, as a reader lists them.
QString pieces(const QStringList& words)
{
    return words.join(QString());
}

const QString andWord = QStringLiteral(" و ");

struct WordsCase {
    const char* name;
    int number;
    QStringList words;
};

void PrintTo(const WordsCase& row, std::ostream* out)
{
    *out << row.name;
}

class NumberWords : public testing::TestWithParam<WordsCase> {};

TEST_P(NumberWords, WritesTheNumber)
{
    EXPECT_EQ(numberWords(GetParam().number), pieces(GetParam().words));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberWords,
    testing::Values(
        WordsCase{"Zero", 0, {"صفر"}}, WordsCase{"Four", 4, {"چهار "}},
        WordsCase{"Fifteen", 15, {"پانزده "}},
        WordsCase{"TwentyOne", 21, {"بيست ", andWord, "يك "}}, WordsCase{"Hundred", 100, {"صد "}},
        WordsCase{"HundredTen", 110, {"صد ", andWord, "ده "}},
        WordsCase{"NineHundredNinetyNine", 999, {"نهصد ", andWord, "نود ", andWord, "نه "}},
        WordsCase{"Thousand", 1000, {"يك ", "هزار "}},
        WordsCase{"ThousandTen", 1010, {"يك ", "هزار ", andWord, "ده "}},
        WordsCase{"Year1389",
                  1389,
                  {"يك ", "هزار ", andWord, "سيصد ", andWord, "هشتاد ", andWord, "نه "}},
        WordsCase{"MillionAndOne", 1000001, {"يك ", "ميليون ", andWord, "يك "}},
        WordsCase{"LargestInt",
                  2147483647,
                  {"دو ",     "ميليارد ", andWord,   "صد ",   andWord,  "چهل ",  andWord, "هفت ",
                   "ميليون ", andWord,    "چهارصد ", andWord, "هشتاد ", andWord, "سه ",   "هزار ",
                   andWord,   "ششصد ",    andWord,   "چهل ",  andWord,  "هفت "}}),
    [](const testing::TestParamInfo<WordsCase>& info) { return std::string(info.param.name); });

TEST(NumberWords, ANegativeNumberHasNoWords)
{
    EXPECT_EQ(numberWords(-5), QString());
    EXPECT_EQ(ordinalWords(-5), QString());
}

// The ordinals a date is written with: the days 1 to 31, which hold the months 1 to 12.
TEST(OrdinalWords, DaysOfTheMonth)
{
    const QStringList expected{"يكم ",          "دوم ",         "سوم ",          "چهارم ",
                               "پنجم ",         "ششم ",         "هفتم ",         "هشتم ",
                               "نهم ",          "دهم ",         "يازدهم ",       "دوازدهم ",
                               "سيزدهم ",       "چهاردهم ",     "پانزدهم ",      "شانزدهم ",
                               "هفدهم ",        "هجدهم ",       "نوزدهم ",       "بيستم ",
                               "بيست  و يكم ",  "بيست  و دوم ", "بيست  و سوم ",  "بيست  و چهارم ",
                               "بيست  و پنجم ", "بيست  و ششم ", "بيست  و هفتم ", "بيست  و هشتم ",
                               "بيست  و نهم ",  "سي ام ",       "سي  و يكم "};
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(ordinalWords(day), expected.at(day - 1)) << day;
}

TEST(OrdinalWords, LargerNumbersEndingInThreeOrThirty)
{
    EXPECT_EQ(ordinalWords(103), QStringLiteral("صد  و سوم "));
    EXPECT_EQ(ordinalWords(1330), QStringLiteral("يك هزار  و سيصد  و سي ام "));
    EXPECT_EQ(ordinalWords(300), QStringLiteral("سيصدم "));
    EXPECT_EQ(ordinalWords(0), QStringLiteral("صفرم "));
}

TEST(YearWords, ShortTakesTheLastTwoDigitsOfAFourDigitYear)
{
    EXPECT_EQ(yearWords(1389, fShort), pieces({"هشتاد ", andWord, "نه "}));
    EXPECT_EQ(yearWords(1389, fLong), numberWords(1389));
    EXPECT_EQ(yearWords(1403, fShort), QStringLiteral("سه "));
    EXPECT_EQ(yearWords(89, fShort), numberWords(89));
    EXPECT_EQ(yearWords(12345, fShort), numberWords(12345));
}

} // namespace
