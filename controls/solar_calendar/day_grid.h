#pragma once

#include "controls/solar_calendar_model/month_grid.h"

#include <QColor>
#include <QWidget>
#include <optional>

namespace controls {

/// The colours of the day cells that the calendar's settings choose.
struct CellColours {
    QColor evenRow;      ///< background of rows 0, 2, 4
    QColor oddRow;       ///< background of rows 1, 3, 5
    QColor text;         ///< day numbers of the month
    QColor selectedText; ///< the current day, drawn bold
};

/// The calendar's day grid: 7 columns of 45 pixels and 6 rows of 19 with grid lines of 1 pixel.
/// Cells are placed by their pixel positions: the solar grid runs right to left (Saturday at the
/// right), the Gregorian grid left to right; Qt's right-to-left mirroring is not involved.
class DayGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int cellWidth = 45;
    static constexpr int cellHeight = 19;
    static constexpr int lineWidth = 1;

    explicit DayGrid(QWidget* parent = nullptr);

    /// Shows a month; selectedDay is the current day (its cell is drawn bold in selectedText).
    void showMonth(const MonthGrid& grid, TDateKind kind, int selectedDay,
                   const CellColours& colours);
    /// The hint shown while the mouse is over the current day's cell.
    void setDayHint(const QString& hint);

    /// The cell's rectangle in the grid; column counts in reading order.
    static QRect cellRect(TDateKind kind, int row, int column);
    /// Row * 7 + column of the cell at a point of the grid, if the point is in a cell.
    std::optional<int> cellAt(const QPoint& point) const;

signals:
    /// A cell was clicked, or reached from the current day's cell with an arrow key (in the
    /// arrow's direction on screen); column counts in reading order.
    void cellPicked(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    MonthGrid m_grid{dkSolar, 0, 0, false};
    TDateKind m_kind = dkSolar;
    int m_selectedDay = 0;
    CellColours m_colours;
    QString m_dayHint;
};

} // namespace controls
