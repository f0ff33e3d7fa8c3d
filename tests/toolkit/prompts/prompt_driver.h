#pragma once

#include "support/modal_driver.h"
#include "toolkit/prompts/prompt_dialog.h"

#include <QKeyEvent>
#include <QTest>

namespace prompts_testing {

/// Acts on each prompt dialog as soon as it is on screen (see ModalDriver).
using PromptDriver = testing_support::ModalDriver<toolkit::PromptDialog>;
using Act = PromptDriver::Act;

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
