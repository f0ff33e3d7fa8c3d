#include "controls/solar_calendar/day_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

namespace {

const QColor lineColour(0xC0, 0xC0, 0xC0);
const QColor outsideBackground(0xFF, 0xF0, 0xF0); // cells of the neighbouring months
const QColor outsideText(0x80, 0x80, 0x80);
const QColor holidayText(0x80, 0x00, 0x00);
constexpr int textInset = 2; // the day number stands this far right of and below the corner

constexpr int pitchX = DayGrid::cellWidth + DayGrid::lineWidth;
constexpr int pitchY = DayGrid::cellHeight + DayGrid::lineWidth;

} // namespace

DayGrid::DayGrid(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(MonthGrid::columns * pitchX, MonthGrid::rows * pitchY);
}

void DayGrid::showMonth(const MonthGrid& grid, TDateKind kind, int selectedDay,
                        const CellColours& colours)
{
    m_grid = grid;
    m_kind = kind;
    m_selectedDay = selectedDay;
    m_colours = colours;
    update();
}

void DayGrid::setDayHint(const QString& hint)
{
    m_dayHint = hint;
    setToolTip(hint);
}

QRect DayGrid::cellRect(TDateKind kind, int row, int column)
{
    const int drawnColumn = kind == dkSolar ? MonthGrid::columns - 1 - column : column;
    return {drawnColumn * pitchX, row * pitchY, cellWidth, cellHeight};
}

std::optional<int> DayGrid::cellAt(const QPoint& point) const
{
    if (point.x() < 0 || point.y() < 0)
        return std::nullopt;
    const int drawnColumn = point.x() / pitchX;
    const int row = point.y() / pitchY;
    if (drawnColumn >= MonthGrid::columns || row >= MonthGrid::rows)
        return std::nullopt;
    const int column = m_kind == dkSolar ? MonthGrid::columns - 1 - drawnColumn : drawnColumn;
    return row * MonthGrid::columns + column;
}

void DayGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), lineColour);
    QFont bold = font();
    bold.setBold(true);
    for (int row = 0; row < MonthGrid::rows; ++row) {
        for (int column = 0; column < MonthGrid::columns; ++column) {
            const GridCell& cell = m_grid.cell(row, column);
            const QRect box = cellRect(m_kind, row, column);
            const bool inside = cell.place == CellPlace::Inside;
            const bool selected = inside && cell.day == m_selectedDay;
            painter.fillRect(box, !inside        ? outsideBackground
                                  : row % 2 == 1 ? m_colours.oddRow
                                                 : m_colours.evenRow);
            if (cell.day == 0)
                continue;
            painter.setFont(selected ? bold : font());
            painter.setPen(!inside        ? outsideText
                           : selected     ? m_colours.selectedText
                           : cell.holiday ? holidayText
                                          : m_colours.text);
            painter.drawText(box.adjusted(textInset, textInset, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                             QString::number(cell.day));
        }
    }
}

void DayGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<int> index = cellAt(event->position().toPoint()))
        emit cellPicked(*index / MonthGrid::columns, *index % MonthGrid::columns);
}

void DayGrid::keyPressEvent(QKeyEvent* event)
{
    QPoint step; // in drawn columns and rows
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int index = m_grid.cellIndexOfDay(m_selectedDay);
    if (index < 0)
        return;
    const QRect from = cellRect(m_kind, index / MonthGrid::columns, index % MonthGrid::columns);
    const QPoint to = from.center() + QPoint(step.x() * pitchX, step.y() * pitchY);
    if (const std::optional<int> target = cellAt(to))
        emit cellPicked(*target / MonthGrid::columns, *target % MonthGrid::columns);
}

void DayGrid::mouseMoveEvent(QMouseEvent* event)
{
    // The hint belongs to the current day's cell alone.
    const std::optional<int> index = cellAt(event->position().toPoint());
    const bool overDay = index && m_grid.cellIndexOfDay(m_selectedDay) == *index;
    setToolTip(overDay ? m_dayHint : QString());
}

} // namespace controls
