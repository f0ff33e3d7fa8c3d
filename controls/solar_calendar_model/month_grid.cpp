#include "controls/solar_calendar_model/month_grid.h"

namespace controls {

MonthGrid::MonthGrid(TDateKind kind, int year, int month, bool showNeighbours)
{
    const std::optional<DayNumber> first = dayNumberOf(kind, {year, month, 1});
    if (!first)
        return;
    m_monthDays = monthLength(kind, year, month);
    m_firstColumn = gridColumnOf(kind, *first);
    const int previousYear = month == 1 ? year - 1 : year;
    const int previousMonth = month == 1 ? 12 : month - 1;
    const int previousDays = monthLength(kind, previousYear, previousMonth);
    const int lastIndex = m_firstColumn + m_monthDays - 1; // [27, 36]
    for (int index = 0; index < rows * columns; ++index) {
        GridCell& cell = m_cells[index];
        if (index < m_firstColumn) {
            cell.place = CellPlace::Before;
            cell.day = showNeighbours ? previousDays - (m_firstColumn - 1 - index) : 0;
        } else if (index <= lastIndex) {
            cell.place = CellPlace::Inside;
            cell.day = index - m_firstColumn + 1;
            cell.holiday = index % columns == holidayColumn(kind);
        } else {
            cell.place = CellPlace::After;
            cell.day = showNeighbours ? index - lastIndex : 0;
        }
    }
}

int MonthGrid::cellIndexOfDay(int day) const
{
    if (day < 1 || day > m_monthDays)
        return -1;
    return m_firstColumn + day - 1;
}

TMonthCaption MonthGrid::weekdayOfColumn(TDateKind kind, int column)
{
    // The solar grid starts on Saturday, the Gregorian one on Sunday.
    return static_cast<TMonthCaption>(kind == dkSolar ? column : (column + 1) % columns);
}

int MonthGrid::holidayColumn(TDateKind kind)
{
    return kind == dkSolar ? columns - 1 : 0;
}

} // namespace controls
