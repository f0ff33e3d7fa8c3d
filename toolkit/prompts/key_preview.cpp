#include "toolkit/prompts/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace toolkit {

std::optional<quint16> virtualKeyOf(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<quint16>(qtKey); // the same codes: '0'..'9', 'A'..'Z'
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<quint16>(0x70 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0x09;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Escape:
        return 0x1B;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_PageUp:
        return 0x21;
    case Qt::Key_PageDown:
        return 0x22;
    case Qt::Key_End:
        return 0x23;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Insert:
        return 0x2D;
    case Qt::Key_Delete:
        return 0x2E;
    default:
        return std::nullopt;
    }
}

KeyPreview::KeyPreview(QWidget& form, KeyDownHandler handler)
    : QObject(&form), m_form(form), m_handler(std::move(handler))
{
    // Keys go to the focused control first; only the application sees them before it does.
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    // A key the focused control passes on reaches its parents too; the form sees it once, on
    // its way to the control that has the focus.
    QWidget* first = m_form.focusWidget() ? m_form.focusWidget() : &m_form;
    if (watched != first)
        return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    const std::optional<quint16> code = virtualKeyOf(press->key());
    if (!code)
        return false;
    quint16 key = *code;
    m_handler(&m_form, key, press->modifiers());
    return key == 0 || !m_form.isVisible();
}

} // namespace toolkit
