#include "controls/solar_calendar/caption_button.h"

#include <QPainter>
#include <QPolygon>

namespace controls {

namespace {

const QColor faceColour(0xD4, 0xD0, 0xC8);
const QColor lightEdge(Qt::white);
const QColor darkEdge(0x80, 0x80, 0x80);
const QColor disabledInk(0x80, 0x80, 0x80);

constexpr int glyphHeight = 7; // rows of the triangle

} // namespace

CaptionButton::CaptionButton(Glyph glyph, QWidget* parent) : QAbstractButton(parent), m_glyph(glyph)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, faceColour);
    // A raised edge, sunken while pressed.
    const bool down = isDown();
    painter.setPen(down ? darkEdge : lightEdge);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(down ? lightEdge : darkEdge);
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());

    const QColor ink = isEnabled() ? QColor(Qt::black) : disabledInk;
    if (m_glyph == Glyph::None) {
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(ink);
        painter.drawText(face, Qt::AlignCenter | Qt::TextForceLeftToRight, text());
        return;
    }
    // The triangle's point and its upright side, centred a little above the middle.
    const int top = (height() - glyphHeight) / 2 - 1;
    const int middle = top + glyphHeight / 2;
    const int width = glyphHeight / 2 + 1;
    const int left = (this->width() - width) / 2;
    QPolygon triangle;
    if (m_glyph == Glyph::Left)
        triangle << QPoint(left, middle) << QPoint(left + width - 1, top)
                 << QPoint(left + width - 1, top + glyphHeight - 1);
    else
        triangle << QPoint(left + width - 1, middle) << QPoint(left, top)
                 << QPoint(left, top + glyphHeight - 1);
    painter.setPen(ink);
    painter.setBrush(ink);
    painter.drawPolygon(triangle);
}

} // namespace controls
