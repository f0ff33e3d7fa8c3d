#include "platform/process_formats.h"

#include <gtest/gtest.h>

namespace {

using platform::processFormats;

/// Keeps the process formats of the run and puts them back after each case.
class ProcessFormatsTest : public ::testing::Test {
protected:
    void SetUp() override { m_saved = processFormats(); }
    void TearDown() override { processFormats() = m_saved; }

    static void actAsSystem(QChar dateSeparator, QChar timeSeparator)
    {
        processFormats().dateSeparator = dateSeparator;
        processFormats().timeSeparator = timeSeparator;
    }

private:
    platform::ProcessFormats m_saved;
};

TEST_F(ProcessFormatsTest, ProgramFormatsAreFixedWhateverTheLocale)
{
    const platform::ProcessFormats& formats = processFormats();
    EXPECT_EQ(formats.shortDateFormat, "dd/mm/yyyy");
    EXPECT_EQ(formats.longDateFormat, "dd/mm/yyyy");
    EXPECT_EQ(formats.shortTimeFormat, "HH:mm:ss");
    EXPECT_EQ(formats.longTimeFormat, "HH:mm:ss");
}

TEST_F(ProcessFormatsTest, ShortDateCarriesTheSystemSeparator)
{
    const QDate date(2026, 12, 10);
    actAsSystem(QLatin1Char('-'), QLatin1Char(':'));
    EXPECT_EQ(platform::formatShortDate(date), "10-12-2026");
    actAsSystem(QLatin1Char('.'), QLatin1Char(':'));
    EXPECT_EQ(platform::formatShortDate(date), "10.12.2026");
    actAsSystem(QLatin1Char('/'), QLatin1Char(':'));
    EXPECT_EQ(platform::formatShortDate(date), "10/12/2026");
}

TEST_F(ProcessFormatsTest, TimeCarriesTheSystemSeparator)
{
    const QTime time(9, 5, 3);
    actAsSystem(QLatin1Char('/'), QLatin1Char('.'));
    EXPECT_EQ(platform::formatTime(time, processFormats().longTimeFormat), "09.05.03");
    actAsSystem(QLatin1Char('/'), QLatin1Char(':'));
    EXPECT_EQ(platform::formatTime(time, processFormats().longTimeFormat), "09:05:03");
    EXPECT_EQ(platform::formatTime(time, QStringLiteral("H:m")), "9:5");
    EXPECT_EQ(platform::formatTime(QTime(), QStringLiteral("HH:mm")), "");
}

struct DateFormatCase {
    const char* name;
    QDate date;
    const char* format;
    const char* expected;
};

class FormatDateTest : public ProcessFormatsTest,
                       public ::testing::WithParamInterface<DateFormatCase> {};

TEST_P(FormatDateTest, WritesTheFieldsTheFormatNames)
{
    actAsSystem(QLatin1Char('/'), QLatin1Char(':'));
    const DateFormatCase& c = GetParam();
    EXPECT_EQ(platform::formatDate(c.date, QString::fromUtf8(c.format)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatDateTest,
    ::testing::Values(DateFormatCase{"padded", QDate(2026, 3, 5), "dd/mm/yyyy", "05/03/2026"},
                      DateFormatCase{"unpadded", QDate(2026, 3, 5), "d/m/yy", "5/3/26"},
                      DateFormatCase{"yearFirst", QDate(2026, 3, 5), "yyyy/mm/dd", "2026/03/05"},
                      DateFormatCase{"upperCase", QDate(2026, 3, 5), "DD/MM/YYYY", "05/03/2026"},
                      DateFormatCase{"literalDot", QDate(2026, 3, 5), "dd.mm.yyyy", "05.03.2026"},
                      DateFormatCase{"centuryYear", QDate(2000, 1, 9), "dd/mm/yy", "09/01/00"},
                      DateFormatCase{"shortYear", QDate(987, 11, 30), "dd/mm/yyyy", "30/11/0987"},
                      DateFormatCase{"invalidDate", QDate(), "dd/mm/yyyy", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ParseCase {
    const char* name;
    const char* text;
    QDate expected; // invalid when the text is no date
};

class ParseShortDateTest : public ProcessFormatsTest,
                           public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParseShortDateTest, ReadsOnlyWhatTheFormatWrites)
{
    actAsSystem(QLatin1Char('/'), QLatin1Char(':'));
    const ParseCase& c = GetParam();
    EXPECT_EQ(platform::parseShortDate(QString::fromUtf8(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseShortDateTest,
    ::testing::Values(
        ParseCase{"padded", "10/12/2026", QDate(2026, 12, 10)},
        ParseCase{"unpadded", "1/2/2026", QDate(2026, 2, 1)},
        ParseCase{"blanksAroundFields", " 1/ 2 /2026 ", QDate(2026, 2, 1)},
        ParseCase{"leapDay", "29/02/2024", QDate(2024, 2, 29)},
        ParseCase{"noLeapDay", "29/02/2025", QDate()},
        ParseCase{"monthThirteen", "01/13/2026", QDate()},
        ParseCase{"dayZero", "00/12/2026", QDate()},
        ParseCase{"otherSeparator", "10-12-2026", QDate()},
        ParseCase{"twoFields", "10/12", QDate()}, ParseCase{"fourFields", "10/12/2026/1", QDate()},
        ParseCase{"emptyField", "10//2026", QDate()}, ParseCase{"letters", "x/12/2026", QDate()},
        ParseCase{"sign", "+1/12/2026", QDate()}, ParseCase{"persianDigits", "۱۰/12/2026", QDate()},
        ParseCase{"hugeField", "10/12/99999999999", QDate()}, ParseCase{"empty", "", QDate()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProcessFormatsTest, EveryDayReadsBackWithAHyphenSeparator)
{
    actAsSystem(QLatin1Char('-'), QLatin1Char(':'));
    for (QDate day(1900, 1, 1); day <= QDate(2100, 12, 31); day = day.addDays(1)) {
        const QString text = platform::formatShortDate(day);
        ASSERT_EQ(text.size(), 10) << text.toStdString();
        ASSERT_EQ(platform::parseShortDate(text), day) << text.toStdString();
    }
}

TEST_F(ProcessFormatsTest, ParsingFollowsTheFormatsFieldOrder)
{
    processFormats().shortDateFormat = QStringLiteral("yyyy/mm/dd");
    EXPECT_EQ(platform::parseShortDate(QStringLiteral("2026/12/10")), QDate(2026, 12, 10));
    EXPECT_EQ(platform::parseShortDate(QStringLiteral("10/12/2026")), QDate());
}

struct LocaleCase {
    const char* locale;
    char dateSeparator;
    char timeSeparator;
};

class LocaleSeparatorTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleSeparatorTest, TakesTheLocalesOwnSeparators)
{
    const QLocale locale(QString::fromLatin1(GetParam().locale));
    EXPECT_EQ(platform::localeDateSeparator(locale), QLatin1Char(GetParam().dateSeparator));
    EXPECT_EQ(platform::localeTimeSeparator(locale), QLatin1Char(GetParam().timeSeparator));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleSeparatorTest,
    ::testing::Values(LocaleCase{"en_US", '/', ':'}, LocaleCase{"de_DE", '.', ':'},
                      LocaleCase{"nl_NL", '-', ':'}, LocaleCase{"fi_FI", '.', '.'},
                      LocaleCase{"fa_IR", '/', ':'}, LocaleCase{"ko_KR", '.', ':'},
                      // "d MMM yyyy" and "HH 'h' mm" hold no separator
                      LocaleCase{"C", '/', ':'}, LocaleCase{"fr_CA", '-', ':'}),
    [](const auto& info) { return std::string(info.param.locale); });

} // namespace
