#pragma once

#include "toolkit/prompts/prompt_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

namespace prompts_testing {

/// What the user does in one showing of a prompt dialog.
using Act = std::function<void(toolkit::PromptDialog&)>;

/// Acts on each prompt dialog as soon as it is on screen, one act a showing, in order. A
/// showing beyond the acts is counted and cancelled, so a test never hangs on a prompt.
class PromptDriver {
public:
    explicit PromptDriver(std::vector<Act> acts) : m_acts(std::move(acts))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    int acted = 0; ///< showings acted on
    int extra = 0; ///< showings beyond the acts

private:
    void poll()
    {
        auto* dialog = qobject_cast<toolkit::PromptDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("driven").toBool())
            return;
        dialog->setProperty("driven", true);
        if (acted < static_cast<int>(m_acts.size())) {
            m_acts[acted++](*dialog);
        } else {
            ++extra;
            dialog->reject();
        }
    }

    std::vector<Act> m_acts;
    QTimer m_timer;
};

/// The control that has the focus in dialog, or the dialog.
inline QWidget* focused(toolkit::PromptDialog& dialog)
{
    return dialog.focusWidget() ? dialog.focusWidget() : &dialog;
}

/// Types text into the focused control, one key a character (Persian letters included).
inline void type(toolkit::PromptDialog& dialog, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, focused(dialog), Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
}

inline void press(toolkit::PromptDialog& dialog, Qt::Key key)
{
    QTest::keyClick(focused(dialog), key);
}

} // namespace prompts_testing
