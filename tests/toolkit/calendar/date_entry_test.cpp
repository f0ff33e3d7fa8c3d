#include "calendar_fixture.h"
#include "case_names.h"
#include "platform/process_formats.h"
#include "toolkit/calendar/engine/conversion_error.h"

using calendar_test::CalendarFixture;
using calendar_test::datePrefix;
using calendar_test::timePrefix;

namespace {

using calendar_test::caseName;

// Date messages after the prefix; the empty-field message stands alone.
const QString slashCount = QStringLiteral("تعداد / صحيح نيست");
const QString dateDigits = QStringLiteral("جهت تاريخ از اعداد 0 تا 9 استفاده كنيد");
const QString dateEntry = QStringLiteral("اشكال در ورود تاريخ");
const QString badMonth = QStringLiteral("ماه صحيح نيست");
const QString badDay = QStringLiteral("روز صحيح نيست");

// Time messages after the prefix.
const QString colonCount = QStringLiteral("تعداد \":\" درست نيست");
const QString timeSigns = QStringLiteral("علامتهاي مجاز اعداد 1 تا 9 و علامت \":\" مي باشد");
const QString timeEntry = QStringLiteral("اشكال در ورود ساعت");
const QString badHour = QStringLiteral("ساعت صحيح نيست");
const QString badMinute = QStringLiteral("دقيقه صحيح نيست");

enum class Prefix { Date, Time, None };

struct Entry {
    const char* name;
    const char* typed;
    const char* completed;  ///< the completed text, or the text given back when rejected
    const QString* message; ///< nullptr when accepted
    Prefix prefix;
    const char* shownText; ///< the text the prefix names
};

QString expectedMessage(const Entry& e)
{
    const QString shown = QString::fromUtf8(e.shownText);
    switch (e.prefix) {
    case Prefix::Date:
        return datePrefix(shown) + *e.message;
    case Prefix::Time:
        return timePrefix(shown) + *e.message;
    case Prefix::None:
        break;
    }
    return *e.message;
}

QStringList expectedMessages(const Entry& e)
{
    return e.message ? QStringList{expectedMessage(e)} : QStringList{};
}

class CalendarDateEntry : public CalendarFixture, public testing::TestWithParam<Entry> {};

TEST_P(CalendarDateEntry, ValidatesAndCompletes)
{
    const Entry& e = GetParam();
    const QString typed = QString::fromUtf8(e.typed);
    EXPECT_EQ(calendar.IsValidDate(typed), e.message == nullptr);
    EXPECT_EQ(shownTexts(), expectedMessages(e));
    boxes.shown.clear();
    EXPECT_EQ(calendar.CompleateDate(typed), QString::fromUtf8(e.completed));
    EXPECT_EQ(shownTexts(), expectedMessages(e));
}

INSTANTIATE_TEST_SUITE_P(
    Typed, CalendarDateEntry,
    testing::Values(
        Entry{"TwoDigitYear", "89/1/4", "1389/01/04", nullptr, Prefix::None, ""},
        Entry{"OneDigitYear", "5/11/3", "1305/11/03", nullptr, Prefix::None, ""},
        Entry{"ThreeDigitYear", "389/1/1", "1389/01/01", nullptr, Prefix::None, ""},
        Entry{"Blanks", "  89/1/4  ", "1389/01/04", nullptr, Prefix::None, ""},
        Entry{"FullYear", "1389/1/4", "1389/01/04", nullptr, Prefix::None, ""},
        Entry{"Complete", "1389/11/04", "1389/11/04", nullptr, Prefix::None, ""},
        Entry{"LongFieldsKept", "01389/011/004", "01389/011/004", nullptr, Prefix::None, ""},
        Entry{"Esfand31", "1389/12/31", "1389/12/31", nullptr, Prefix::None, ""},
        Entry{"Mehr31", "1389/07/31", "1389/07/31", nullptr, Prefix::None, ""},
        Entry{"Empty", "", "", &slashCount, Prefix::Date, ""},
        Entry{"Blank", "   ", "   ", &slashCount, Prefix::Date, ""},
        Entry{"Hyphens", "1389-12-01", "1389-12-01", &slashCount, Prefix::Date, "1389-12-01"},
        Entry{"ThreeSlashes", "1389/1/1/1", "1389/1/1/1", &slashCount, Prefix::Date, "1389/1/1/1"},
        Entry{"Letter", " 1389/1a/01", " 1389/1a/01", &dateDigits, Prefix::Date, "1389/1a/01"},
        Entry{"PersianDigits", "۱۳۸۹/۱/۱", "۱۳۸۹/۱/۱", &dateDigits, Prefix::Date, "۱۳۸۹/۱/۱"},
        Entry{"InnerBlank", "1389/ 1/01", "1389/ 1/01", &dateDigits, Prefix::Date, "1389/ 1/01"},
        Entry{"EmptyMonth", "1389//5", "1389//5", &dateEntry, Prefix::None, ""},
        Entry{"EmptyYear", "/1/5", "/1/5", &dateEntry, Prefix::None, ""},
        Entry{"Month13", "1389/13/01", "1389/13/01", &badMonth, Prefix::Date, "1389/13/01"},
        Entry{"Month0", "1389/00/01", "1389/00/01", &badMonth, Prefix::Date, "1389/00/01"},
        Entry{"Day32", "1389/12/32", "1389/12/32", &badDay, Prefix::Date, "1389/12/32"},
        Entry{"Day0", "1389/12/0", "1389/12/0", &badDay, Prefix::Date, "1389/12/0"}),
    [](const testing::TestParamInfo<Entry>& info) { return std::string(info.param.name); });

class CalendarTimeEntry : public CalendarFixture, public testing::TestWithParam<Entry> {};

TEST_P(CalendarTimeEntry, ValidatesAndCompletes)
{
    const Entry& e = GetParam();
    const QString typed = QString::fromUtf8(e.typed);
    EXPECT_EQ(calendar.IsValidTime(typed), e.message == nullptr);
    EXPECT_EQ(shownTexts(), expectedMessages(e));
    boxes.shown.clear();
    EXPECT_EQ(calendar.CompleateTime(typed), QString::fromUtf8(e.completed));
    EXPECT_EQ(shownTexts(), expectedMessages(e));
}

INSTANTIATE_TEST_SUITE_P(
    Typed, CalendarTimeEntry,
    testing::Values(Entry{"WholeHour", "8", "08:00", nullptr, Prefix::None, ""},
                    Entry{"ShortFields", "8:5", "08:05", nullptr, Prefix::None, ""},
                    Entry{"OneDigitMinute", "9:7", "09:07", nullptr, Prefix::None, ""},
                    Entry{"Blanks", "  14:30 ", "14:30", nullptr, Prefix::None, ""},
                    Entry{"Midnight", "0:0", "00:00", nullptr, Prefix::None, ""},
                    Entry{"LastMinute", "23:59", "23:59", nullptr, Prefix::None, ""},
                    Entry{"Empty", "", "", &timeEntry, Prefix::Time, ":00"},
                    Entry{"NoHour", ":30", "", &timeEntry, Prefix::Time, ":30"},
                    Entry{"NoMinute", "7:", "", &timeEntry, Prefix::Time, "7:"},
                    Entry{"Hour24", "24", "", &badHour, Prefix::Time, "24:00"},
                    Entry{"Hour25", "25:00", "", &badHour, Prefix::Time, "25:00"},
                    Entry{"Minute60", "7:60", "", &badMinute, Prefix::Time, "7:60"},
                    Entry{"TwoColons", "7:5:3", "", &colonCount, Prefix::Time, "7:5:3"},
                    Entry{"Dot", "7.30", "", &timeSigns, Prefix::Time, "7.30:00"},
                    Entry{"Sign", "-7:30", "", &timeSigns, Prefix::Time, "-7:30"}),
    [](const testing::TestParamInfo<Entry>& info) { return std::string(info.param.name); });

class CalendarEntryLimits : public CalendarFixture, public testing::Test {};

// A field too long for a 32-bit integer is no message for the user: the conversion fails.
TEST_F(CalendarEntryLimits, FieldBeyond32BitsRaises)
{
    EXPECT_THROW(calendar.IsValidDate(QStringLiteral("1389/00000000099999999999/1")),
                 toolkit::ConversionError);
    EXPECT_THROW(calendar.IsValidTime(QStringLiteral("99999999999:00")), toolkit::ConversionError);
    EXPECT_TRUE(boxes.shown.empty());
}

class CalendarNowTime : public CalendarFixture, public testing::Test {
protected:
    ~CalendarNowTime() override { platform::processFormats() = saved; }
    const platform::ProcessFormats saved = platform::processFormats();
};

TEST_F(CalendarNowTime, GivesHoursAndMinutesAndRestoresTheFormats)
{
    platform::processFormats().timeSeparator = QLatin1Char(':');
    platform::processFormats().shortDateFormat = QStringLiteral("yyyy-mm-dd");
    platform::processFormats().longTimeFormat = QStringLiteral("h.mm");
    EXPECT_EQ(calendar.NowTime(QTime(9, 7, 3)), QStringLiteral("09:07"));
    EXPECT_EQ(calendar.NowTime(QTime(23, 59, 59)), QStringLiteral("23:59"));
    EXPECT_EQ(platform::processFormats().shortDateFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(platform::processFormats().longDateFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(platform::processFormats().shortTimeFormat, QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(platform::processFormats().longTimeFormat, QStringLiteral("HH:mm:ss"));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(calendar.NowTime().size(), 5);
}

TEST_F(CalendarNowTime, OtherTimeSeparatorGivesMidnightAfterAMessage)
{
    platform::processFormats().timeSeparator = QLatin1Char('.');
    EXPECT_EQ(calendar.NowTime(QTime(9, 7, 3)), QStringLiteral("00:00"));
    EXPECT_EQ(shownTexts(),
              QStringList{QStringLiteral("ساعت ") + QStringLiteral("09") +
                          QStringLiteral("    صحيح نمي باشد . ساعت به 00:00  تغيير يافت")});
}

struct Compare {
    const char* typed;
    const char* comparable;
};

class CalendarConvetToDateCompare : public CalendarFixture,
                                    public testing::TestWithParam<Compare> {};

TEST_P(CalendarConvetToDateCompare, PadsAndCarriesDaysAbove30)
{
    EXPECT_EQ(calendar.ConvetToDateCompare(QString::fromUtf8(GetParam().typed)),
              QString::fromUtf8(GetParam().comparable));
}

INSTANTIATE_TEST_SUITE_P(Texts, CalendarConvetToDateCompare,
                         testing::Values(Compare{"3/5", "03/05"}, Compare{"12/31", "13/01"},
                                         Compare{"1/31", "02/01"}, Compare{"7", "00/07"},
                                         Compare{"45", "15/15"}, Compare{"2/30", "02/30"},
                                         Compare{"11/12", "11/12"}),
                         [](const testing::TestParamInfo<Compare>& info) {
                             const auto& p = info.param;
                             return caseName({p.typed});
                         });

TEST_F(CalendarEntryLimits, DateCompareOfANonNumberRaises)
{
    EXPECT_THROW(calendar.ConvetToDateCompare(QStringLiteral("x/5")), toolkit::ConversionError);
    EXPECT_THROW(calendar.ConvetToDateCompare(QStringLiteral("3/")), toolkit::ConversionError);
    EXPECT_THROW(calendar.ConvetToDateCompare(QString()), toolkit::ConversionError);
}

} // namespace
