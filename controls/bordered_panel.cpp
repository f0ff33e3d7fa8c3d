#include "controls/bordered_panel.h"

#include <QPainter>

namespace controls {

BorderedPanel::BorderedPanel(QWidget* parent)
    : QWidget(parent), m_color(palette().color(QPalette::Window))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BorderedPanel::setColor(const QColor& value)
{
    m_color = value;
    update();
}

void BorderedPanel::setBorderColor(const QColor& value)
{
    m_borderColor = value;
    update();
}

void BorderedPanel::setBorderSides(Qt::Edges value)
{
    m_borderSides = value;
    update();
}

void BorderedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, m_color);
    if (m_borderSides.testFlag(Qt::LeftEdge)) {
        painter.fillRect(area.left(), area.top(), 1, area.height(), m_borderColor);
    }
    if (m_borderSides.testFlag(Qt::TopEdge)) {
        painter.fillRect(area.left(), area.top(), area.width(), 1, m_borderColor);
    }
    if (m_borderSides.testFlag(Qt::RightEdge)) {
        painter.fillRect(area.right(), area.top(), 1, area.height(), m_borderColor);
    }
    if (m_borderSides.testFlag(Qt::BottomEdge)) {
        painter.fillRect(area.left(), area.bottom(), area.width(), 1, m_borderColor);
    }
}

} // namespace controls
