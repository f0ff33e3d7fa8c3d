#include "calendar_fixture.h"
#include "case_names.h"
#include "toolkit/calendar/engine/conversion_error.h"

#include <limits>

using calendar_test::CalendarFixture;

namespace {

using calendar_test::caseName;

struct Truncation {
    double number;
    int whole;
};

class CalendarToInt : public CalendarFixture, public testing::TestWithParam<Truncation> {};

TEST_P(CalendarToInt, TruncatesTowardZero)
{
    EXPECT_EQ(calendar.ToInt(GetParam().number), GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, CalendarToInt,
    testing::Values(Truncation{7, 7}, Truncation{12.7, 12}, Truncation{-3.9, -3},
                    Truncation{0.5, 0}, Truncation{-0.5, 0}, Truncation{0, 0},
                    Truncation{0.00001, 0}, Truncation{99999999.99, 99999999},
                    Truncation{2147483647.9, 2147483647},
                    Truncation{-2147483648.5, std::numeric_limits<int>::min()},
                    // Read back from its 15 significant digits, this number is 3.
                    Truncation{2.9999999999999996, 3}),
    [](const testing::TestParamInfo<Truncation>& info) {
        const auto& p = info.param;
        return caseName(p.number);
    });

class CalendarToIntFailure : public CalendarFixture, public testing::TestWithParam<double> {};

TEST_P(CalendarToIntFailure, NumberWithoutAPlainIntegerTextRaises)
{
    EXPECT_THROW(calendar.ToInt(GetParam()), toolkit::ConversionError);
}

INSTANTIATE_TEST_SUITE_P(Numbers, CalendarToIntFailure,
                         testing::Values(0.000001, -0.000009, 1e15, 123456789012345.0, 2147483648.0,
                                         -2147483649.0, std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN()),
                         [](const testing::TestParamInfo<double>& info) {
                             const auto& p = info.param;
                             return caseName(p);
                         });

struct Rounding {
    double number;
    double rounded;
};

class CalendarTo2DigitFloat : public CalendarFixture, public testing::TestWithParam<Rounding> {};

TEST_P(CalendarTo2DigitFloat, RoundsTiesToEven)
{
    EXPECT_DOUBLE_EQ(calendar.To2DigitFloat(GetParam().number), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Numbers, CalendarTo2DigitFloat,
                         testing::Values(Rounding{1.005, 1}, Rounding{2.675, 2.67},
                                         Rounding{0.125, 0.12}, Rounding{0.375, 0.38},
                                         Rounding{-0.125, -0.12}, Rounding{3.14159, 3.14},
                                         Rounding{7, 7}),
                         [](const testing::TestParamInfo<Rounding>& info) {
                             const auto& p = info.param;
                             return caseName(p.number);
                         });

struct NumberText {
    const char* text;
    bool valid;
};

class CalendarIsValidNum : public CalendarFixture, public testing::TestWithParam<NumberText> {};

TEST_P(CalendarIsValidNum, AcceptsDigitsStopsAndHyphensOnly)
{
    EXPECT_EQ(calendar.IsValidNum(QString::fromUtf8(GetParam().text)), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Texts, CalendarIsValidNum,
                         testing::Values(NumberText{"12.5", true}, NumberText{"-3", true},
                                         NumberText{"1.2.3", true}, NumberText{"--", true},
                                         NumberText{"", true}, NumberText{"1,5", false},
                                         NumberText{"1e5", false}, NumberText{" ", false},
                                         NumberText{"12 ", false}, NumberText{"۱۲", false}),
                         [](const testing::TestParamInfo<NumberText>& info) {
                             const auto& p = info.param;
                             return caseName({p.text});
                         });

class CalendarIif : public CalendarFixture, public testing::Test {};

TEST_F(CalendarIif, ChoosesByTheTest)
{
    EXPECT_EQ(calendar.iif(true, 1, QStringLiteral("no")), QVariant(1));
    EXPECT_EQ(calendar.iif(false, 1, QStringLiteral("no")), QVariant(QStringLiteral("no")));
}

} // namespace
