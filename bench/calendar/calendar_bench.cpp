// Calls per second of the date conversions and the day count, beside plain integer day
// arithmetic of the same dates.
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/calendar/engine/calendar_engine.h"

#include <QDate>
#include <QString>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

using toolkit::CalNumber;

constexpr int dateCount = 1024;
constexpr int stepDays = 37; // spreads the dates over about a century

struct Dates {
    std::vector<QDate> gregorian;
    std::vector<QString> gregorianText; ///< DD/MM/YYYY
    std::vector<QString> solarText;     ///< YYYY/MM/DD
};

// One date every stepDays days from the given day, in both calendars.
Dates datesFrom(const QDate& first)
{
    toolkit::SolarToday today;
    toolkit::MessageBoxes boxes;
    toolkit::CalendarTools calendar(today, boxes);
    Dates dates;
    for (int i = 0; i < dateCount; ++i) {
        const QDate date = first.addDays(qint64{i} * stepDays);
        dates.gregorian.push_back(date);
        dates.gregorianText.push_back(date.toString(QStringLiteral("dd/MM/yyyy")));
        dates.solarText.push_back(calendar.ToFarsiDate(dates.gregorianText.back()));
    }
    return dates;
}

const Dates& windowDates()
{
    static const Dates dates = datesFrom(QDate(1993, 3, 21)); // the two-digit formula
    return dates;
}

const Dates& laterDates()
{
    static const Dates dates = datesFrom(QDate(2021, 3, 21)); // the engine
    return dates;
}

class CalendarBench : public benchmark::Fixture {
protected:
    toolkit::SolarToday today;
    toolkit::MessageBoxes boxes;
    toolkit::CalendarTools calendar{today, boxes};
};

BENCHMARK_F(CalendarBench, ToFarsiDateInFormulaWindow)(benchmark::State& run)
{
    const Dates& dates = windowDates();
    std::size_t i = 0;
    for (auto _ : run)
        benchmark::DoNotOptimize(calendar.ToFarsiDate(dates.gregorianText[i++ % dateCount]));
    run.SetItemsProcessed(run.iterations());
}

BENCHMARK_F(CalendarBench, ToFarsiDateThroughEngine)(benchmark::State& run)
{
    const Dates& dates = laterDates();
    std::size_t i = 0;
    for (auto _ : run)
        benchmark::DoNotOptimize(calendar.ToFarsiDate(dates.gregorianText[i++ % dateCount]));
    run.SetItemsProcessed(run.iterations());
}

BENCHMARK_F(CalendarBench, ToEnglishDate)(benchmark::State& run)
{
    const Dates& dates = laterDates();
    std::size_t i = 0;
    for (auto _ : run)
        benchmark::DoNotOptimize(calendar.ToEnglishDate(dates.solarText[i++ % dateCount]));
    run.SetItemsProcessed(run.iterations());
}

BENCHMARK_F(CalendarBench, DaySubDate)(benchmark::State& run)
{
    const Dates& dates = windowDates();
    std::size_t i = 0;
    for (auto _ : run) {
        const std::size_t k = i++;
        benchmark::DoNotOptimize(calendar.DaySubDate(
            dates.solarText[k % dateCount], dates.solarText[(k * 7 + 3) % dateCount], false));
    }
    run.SetItemsProcessed(run.iterations());
}

// The same day count on Gregorian dates held as numbers: no text, no validation.
void IntegerDayCount(benchmark::State& run)
{
    const Dates& dates = windowDates();
    std::size_t i = 0;
    for (auto _ : run) {
        const std::size_t k = i++;
        benchmark::DoNotOptimize(
            dates.gregorian[k % dateCount].daysTo(dates.gregorian[(k * 7 + 3) % dateCount]));
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(IntegerDayCount);

// The engine's conversion on numbers, without the date texts around it.
void EngineGregorianToSolar(benchmark::State& run)
{
    const Dates& dates = laterDates();
    std::size_t i = 0;
    for (auto _ : run) {
        const QDate& date = dates.gregorian[i++ % dateCount];
        auto year = static_cast<CalNumber>(date.year());
        auto month = static_cast<CalNumber>(date.month());
        auto day = static_cast<CalNumber>(date.day());
        benchmark::DoNotOptimize(toolkit::CalGregorianToSolar(year, month, day));
        benchmark::DoNotOptimize(day);
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(EngineGregorianToSolar);

} // namespace

BENCHMARK_MAIN();
