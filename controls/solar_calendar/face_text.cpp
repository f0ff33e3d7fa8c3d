#include "controls/solar_calendar/face_text.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace controls {

FaceText::FaceText(QWidget* parent) : QWidget(parent)
{
    fitToText();
}

void FaceText::setText(const QString& text)
{
    m_text = text;
    fitToText();
    update();
}

void FaceText::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void FaceText::setHoverColour(const QColor& colour)
{
    m_hoverColour = colour;
    update();
}

void FaceText::setUnderline(bool underline)
{
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
}

void FaceText::fitToText()
{
    const QFontMetrics metrics(font());
    resize(std::max(1, metrics.horizontalAdvance(m_text)), metrics.height());
}

void FaceText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setFont(font());
    painter.setPen(m_hovered && m_hoverColour.isValid() ? m_hoverColour : m_colour);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, m_text);
}

void FaceText::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void FaceText::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
}

void FaceText::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void FaceText::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitToText();
    QWidget::changeEvent(event);
}

} // namespace controls
