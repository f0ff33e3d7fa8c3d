#pragma once

#include "controls/solar_calendar_model/calendar_day.h"
#include "controls/solar_calendar_model/calendar_kinds.h"

#include <array>

namespace controls {

/// Where a grid cell stands against the month shown.
enum class CellPlace {
    Before, ///< row 0 before day 1: a pick moves to the previous month
    Inside, ///< a day of the month
    After   ///< after the month's last day: a pick moves to the next month
};

struct GridCell {
    CellPlace place = CellPlace::After;
    int day = 0;          ///< the day number shown; 0 for an empty cell
    bool holiday = false; ///< a day of the month on the weekly holiday
};

/// One month as the calendar control lays it out: 6 rows of 7 columns in reading order (solar:
/// Saturday to Friday, the holiday Friday in column 6; Gregorian: Sunday to Saturday, the
/// holiday Sunday in column 0). Day 1 stands in row 0 at its weekday's column and the days
/// follow row by row. With neighbours shown, the cells before day 1 hold the previous month's
/// last days and those after the last day hold 1, 2, 3 ... of the next month; otherwise they are
/// empty.
class MonthGrid {
public:
    static constexpr int rows = 6;
    static constexpr int columns = 7;

    /// The grid of a month of the calendar; a month it does not have gives empty After cells.
    MonthGrid(TDateKind kind, int year, int month, bool showNeighbours);

    const GridCell& cell(int row, int column) const { return m_cells[row * columns + column]; }
    /// The column of day 1 in row 0.
    int firstColumn() const { return m_firstColumn; }
    /// Days in the month (0 for a month the grid cannot show).
    int monthDays() const { return m_monthDays; }
    /// Row and column of a day of the month, as row * 7 + column; -1 for a day it does not have.
    int cellIndexOfDay(int day) const;

    /// The weekday of a column in the calendar's reading order.
    static TMonthCaption weekdayOfColumn(TDateKind kind, int column);
    /// The column of the weekly holiday: Friday in the solar grid, Sunday in the Gregorian one.
    static int holidayColumn(TDateKind kind);

private:
    std::array<GridCell, rows * columns> m_cells{};
    int m_firstColumn = 0;
    int m_monthDays = 0;
};

} // namespace controls
