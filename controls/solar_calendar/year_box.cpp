#include "controls/solar_calendar/year_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QRegularExpressionValidator>

namespace controls {

namespace {

constexpr int yearDigits = 4;
const QColor faceColour(0xD4, 0xD0, 0xC8);

} // namespace

YearBox::YearBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(yearDigits);
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Pasted and typed text alike: anything but digits is refused by the validator, silently.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), this));
}

void YearBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit entered();
        return;
    case Qt::Key_Escape:
        emit escaped();
        return;
    case Qt::Key_Up:
        emit stepped(1);
        return;
    case Qt::Key_Down:
        emit stepped(-1);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

YearSpinner::YearSpinner(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::ArrowCursor);
}

void YearSpinner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), faceColour);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    const int middle = width() / 2;
    const int half = height() / 2;
    // A small triangle in each half: up in the upper one, down in the lower one.
    painter.drawPolygon(QPolygon({QPoint(middle, half / 2 - 1), QPoint(middle - 3, half / 2 + 2),
                                  QPoint(middle + 3, half / 2 + 2)}));
    painter.drawPolygon(
        QPolygon({QPoint(middle, half + half / 2 + 2), QPoint(middle - 3, half + half / 2 - 1),
                  QPoint(middle + 3, half + half / 2 - 1)}));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(0, half, width(), half);
}

void YearSpinner::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit stepped(event->position().y() < height() / 2.0 ? 1 : -1);
}

} // namespace controls
