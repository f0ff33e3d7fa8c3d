#include "calendar_widget_fixture.h"
#include "controls/solar_calendar/face_text.h"

#include <cstdlib>

using namespace calendar_test;
using controls::dkGregorian;
using controls::dkSolar;
using controls::TDateKind;

namespace {

const QColor evenRow(0xF9, 0xFF, 0xE1);
const QColor oddRow(0xDF, 0xEB, 0xFF);
const QColor outside(0xFF, 0xF0, 0xF0);
const QColor grey(0x80, 0x80, 0x80);
const QColor maroon(0x80, 0x00, 0x00);
const QColor red(0xFF, 0x00, 0x00);
const QColor green(0x00, 0x80, 0x00);
const QColor navy(0x00, 0x00, 0x80);
const QColor control(0xBF, 0xBF, 0xBF);

std::string hex(const QColor& colour)
{
    return colour.name().toStdString();
}

/// The cell's background, taken at its lower right where no digit reaches.
QColor backgroundOf(const QImage& image, const QRect& box)
{
    return image.pixelColor(box.right() - 2, box.bottom() - 1);
}

/// Pixels of the box drawn in `colour` over `background`: those that lie, within a small
/// distance, on the way from the background to the colour and at least half-way along it (the
/// edges of antialiased digits blend the two).
int inkOf(const QImage& image, const QRect& box, const QColor& colour, const QColor& background)
{
    const double toInk[3] = {double(colour.red() - background.red()),
                             double(colour.green() - background.green()),
                             double(colour.blue() - background.blue())};
    const double length = toInk[0] * toInk[0] + toInk[1] * toInk[1] + toInk[2] * toInk[2];
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const double offset[3] = {double(pixel.red() - background.red()),
                                      double(pixel.green() - background.green()),
                                      double(pixel.blue() - background.blue())};
            const double along =
                (offset[0] * toInk[0] + offset[1] * toInk[1] + offset[2] * toInk[2]) / length;
            double miss = 0;
            for (int i = 0; i < 3; ++i)
                miss += std::abs(offset[i] - along * toInk[i]);
            count += along >= 0.5 && miss < 40 ? 1 : 0;
        }
    }
    return count;
}

struct CellPaint {
    const char* name;
    TDateKind kind;
    const char* date;
    int row;
    int column;
    QColor background;
    QColor text;
};

void PrintTo(const CellPaint& row, std::ostream* out)
{
    *out << row.name;
}

class CalendarCellPaint : public CalendarWidget, public testing::WithParamInterface<CellPaint> {};

TEST_P(CalendarCellPaint, PaintsTheCellInItsPlaceAndColours)
{
    const CellPaint& c = GetParam();
    calendar->setDateKind(c.kind);
    calendar->setInDate(QString::fromUtf8(c.date));
    const QImage image = shot();
    const QRect box = cellBox(c.kind, c.row, c.column);
    EXPECT_EQ(hex(backgroundOf(image, box)), hex(c.background));
    EXPECT_GT(inkOf(image, box, c.text, c.background), 3)
        << "no " << hex(c.text) << " digits in the cell";
}

// Bahman 1389 begins on a Friday (the solar grid's last column, drawn at the left) and has 30
// days; January 2011 begins on a Saturday (the Gregorian grid's last column, at the right).
INSTANTIATE_TEST_SUITE_P(
    Cells, CalendarCellPaint,
    testing::Values(
        CellPaint{"SolarEvenRow", dkSolar, "1389/11/04", 2, 1, evenRow, Qt::black},
        CellPaint{"SolarOddRow", dkSolar, "1389/11/04", 1, 1, oddRow, Qt::black},
        CellPaint{"SolarSelectedDay", dkSolar, "1389/11/04", 1, 2, oddRow, red},
        CellPaint{"SolarPreviousMonth", dkSolar, "1389/11/04", 0, 0, outside, grey},
        CellPaint{"SolarNextMonth", dkSolar, "1389/11/04", 5, 1, outside, grey},
        CellPaint{"SolarFridayOnDay1", dkSolar, "1389/11/04", 0, 6, evenRow, maroon},
        CellPaint{"SolarLastFriday", dkSolar, "1389/11/04", 4, 6, evenRow, maroon},
        CellPaint{"LeapDayOfEsfand1403", dkSolar, "1403/12/01", 4, 5, evenRow, Qt::black},
        CellPaint{"AfterCommonEsfand1404", dkSolar, "1404/12/01", 5, 0, outside, grey},
        CellPaint{"GregorianSelectedDay", dkGregorian, "2011/01/24", 4, 1, evenRow, red},
        CellPaint{"GregorianSunday", dkGregorian, "2011/01/24", 1, 0, oddRow, maroon},
        CellPaint{"GregorianPreviousMonth", dkGregorian, "2011/01/24", 0, 0, outside, grey},
        CellPaint{"GregorianSaturdayDay1", dkGregorian, "2011/01/24", 0, 6, evenRow, Qt::black},
        CellPaint{"FebruaryLeapDay", dkGregorian, "2024/02/01", 4, 4, evenRow, Qt::black}),
    [](const testing::TestParamInfo<CellPaint>& info) { return std::string(info.param.name); });

TEST_F(CalendarWidget, CellColoursFollowTheSettings)
{
    const QRect even = cellBox(dkSolar, 2, 1);
    const QRect odd = cellBox(dkSolar, 1, 1);
    const QRect selected = cellBox(dkSolar, 1, 2);
    calendar->setShowCellInColor(false);
    EXPECT_EQ(hex(backgroundOf(shot(), even)), "#ffffff");
    EXPECT_EQ(hex(backgroundOf(shot(), odd)), "#ffffff");

    calendar->setUserInterface(controls::uiCustom);
    calendar->setFirstRowColor(QColor(0x10, 0x20, 0x30));
    calendar->setSecondRowColor(QColor(0x40, 0x50, 0x60));
    calendar->setCellFontColor(QColor(0xFF, 0xFF, 0x00));
    calendar->setSelectedCellFontColor(QColor(0x00, 0xFF, 0xFF));
    const QImage image = shot();
    EXPECT_EQ(hex(backgroundOf(image, even)), "#102030");
    EXPECT_EQ(hex(backgroundOf(image, odd)), "#405060");
    EXPECT_GT(inkOf(image, even, QColor(0xFF, 0xFF, 0x00), QColor(0x10, 0x20, 0x30)), 3);
    EXPECT_GT(inkOf(image, selected, QColor(0x00, 0xFF, 0xFF), QColor(0x40, 0x50, 0x60)), 3);
    EXPECT_EQ(hex(backgroundOf(image, cellBox(dkSolar, 0, 0))), hex(outside));
}

TEST_F(CalendarWidget, WithoutAMonthObjectTheNeighbourCellsAreEmpty)
{
    calendar->setMonthObject(controls::moNone);
    const QImage image = shot();
    const QRect previous = cellBox(dkSolar, 0, 0);
    EXPECT_EQ(hex(backgroundOf(image, previous)), hex(outside));
    EXPECT_EQ(inkOf(image, previous, grey, outside), 0);
    EXPECT_GT(inkOf(image, cellBox(dkSolar, 0, 6), maroon, evenRow), 3) << "day 1 is still shown";
}

TEST_F(CalendarWidget, WeekdayRowPutsTheHolidayAtTheLeftInMaroon)
{
    const QRect leftName(10, 30, 35, 16);
    const QRect rightName(285, 30, 35, 16);
    for (const TDateKind kind : {dkSolar, dkGregorian}) {
        calendar->setDateKind(kind);
        const QImage image = shot();
        EXPECT_GT(inkOf(image, leftName, maroon, control), 3) << kind;
        EXPECT_EQ(inkOf(image, leftName, green, control), 0) << kind;
        EXPECT_GT(inkOf(image, rightName, green, control), 3) << kind;
    }
    EXPECT_EQ(hex(shot().pixelColor(100, 3)), hex(navy)) << "the caption strip";
}

/// The text of the face text at a point of the control, if one is there.
QString textAt(TSolarMonthCalendar* calendar, const QPoint& point)
{
    const auto* text = qobject_cast<controls::FaceText*>(calendar->childAt(point));
    return text ? text->text() : QString();
}

TEST_F(CalendarWidget, FaceTextsStandWhereEachCalendarReadsThem)
{
    EXPECT_EQ(textAt(calendar, {152, 12}), QStringLiteral("1389 سال"));
    EXPECT_EQ(textAt(calendar, {12, 182}), QStringLiteral("1389/11/04 : امروز"));
    EXPECT_EQ(textAt(calendar, {316, 182}), QStringLiteral("بهمن ماه"));
    EXPECT_EQ(textAt(calendar, {290, 35}), QStringLiteral("شنبه"));
    EXPECT_EQ(textAt(calendar, {12, 35}), QStringLiteral("جمعه"));

    calendar->setDateKind(dkGregorian);
    EXPECT_EQ(textAt(calendar, {152, 12}), QStringLiteral("Year 2011"));
    EXPECT_EQ(textAt(calendar, {316, 182}), QStringLiteral("Today : 2011/01/24"));
    EXPECT_EQ(textAt(calendar, {6, 182}), QStringLiteral("January"));
    EXPECT_EQ(textAt(calendar, {12, 35}), QStringLiteral("Sun"));
    EXPECT_EQ(textAt(calendar, {290, 35}), QStringLiteral("Sat"));
}

TEST_F(CalendarWidget, NamesOfTheCurrentMonthAndDay)
{
    EXPECT_EQ(calendar->monthName(), QStringLiteral("بهمن ماه"));
    EXPECT_EQ(calendar->dayName(), QStringLiteral("دوشنبه"));
    calendar->setInDate(QStringLiteral("1389/11/03"));
    EXPECT_EQ(calendar->dayName(), QStringLiteral("يکشنبه"));
    calendar->setDateKind(dkGregorian);
    EXPECT_EQ(calendar->monthName(), QStringLiteral("January"));
    EXPECT_EQ(calendar->dayName(), QStringLiteral("Sun"));
}

TEST_F(CalendarWidget, KeepsItsSizeWhenResized)
{
    calendar->resize(500, 400);
    EXPECT_EQ(calendar->size(), QSize(322, 195));
}

} // namespace
