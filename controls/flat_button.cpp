#include "controls/flat_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace controls {

namespace {

constexpr int horizontalPadding = 8; // pixels between the caption and each side
constexpr int leastHeight = 25;      // pixels, the forms' buttons are 25 high

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FlatButton::FlatButton(const QString& caption, QWidget* parent) : QAbstractButton(parent)
{
    setText(caption);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void FlatButton::setDefault(bool value)
{
    if (m_default == value) {
        return;
    }
    m_default = value;
    watchWindow();
    update();
}

QSize FlatButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const QSize caption = metrics.size(Qt::TextShowMnemonic, text());
    return {caption.width() + 2 * horizontalPadding,
            std::max(leastHeight, caption.height() + horizontalPadding)};
}

bool FlatButton::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show) {
        watchWindow();
    }
    return QAbstractButton::event(event);
}

bool FlatButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow && m_default && isEnterKey(event) && isEnabled() &&
        isVisible()) {
        click();
        event->accept();
        return true;
    }
    return QAbstractButton::eventFilter(watched, event);
}

void FlatButton::keyPressEvent(QKeyEvent* event)
{
    if (isEnterKey(event)) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    QColor face = colours.color(QPalette::Button);
    if (isDown()) {
        face = colours.color(QPalette::Mid);
    } else if (underMouse() && isEnabled()) {
        face = colours.color(QPalette::Light);
    }
    const QRect area = rect();
    painter.fillRect(area, face);

    // A one-pixel frame, two pixels for the default button.
    const int frame = m_default ? 2 : 1;
    const QColor line = colours.color(QPalette::Dark);
    painter.fillRect(area.left(), area.top(), area.width(), frame, line);
    painter.fillRect(area.left(), area.bottom() - frame + 1, area.width(), frame, line);
    painter.fillRect(area.left(), area.top(), frame, area.height(), line);
    painter.fillRect(area.right() - frame + 1, area.top(), frame, area.height(), line);

    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.color(QPalette::Shadow), 1, Qt::DotLine));
        painter.drawRect(area.adjusted(frame + 1, frame + 1, -frame - 2, -frame - 2));
    }

    painter.setPen(
        colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QRect captionArea = isDown() ? area.translated(1, 1) : area;
    painter.drawText(captionArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void FlatButton::watchWindow()
{
    QWidget* const current = m_default ? window() : nullptr;
    if (current == m_watchedWindow) {
        return;
    }
    if (m_watchedWindow) {
        m_watchedWindow->removeEventFilter(this);
    }
    m_watchedWindow = current;
    if (current && current != this) {
        current->installEventFilter(this);
    }
}

} // namespace controls
