#pragma once

#include "support/recording_tones.h"
#include "support/scripted_box_presenter.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/calendar/calendar_tools.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace calendar_test {

/// The calendar concern on its own state, with every message box recorded and answered.
class CalendarFixture {
protected:
    /// The texts of the boxes shown so far, in order.
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const platform::BoxRequest& box : boxes.shown)
            texts << box.text;
        return texts;
    }

    testing_support::RecordingTones tones; ///< every box's beep passes at once
    testing_support::ScriptedBoxPresenter boxes;
    toolkit::ToolsState state;
    toolkit::MessageBoxes messageBoxes;
    toolkit::CalendarTools calendar{state, messageBoxes};
};

/// The message prefixes of a rejected date and time, as the user reads them.
inline QString datePrefix(const QString& text)
{
    return QStringLiteral(" تاريخ  ") + text + QStringLiteral("  صحيح نمي باشد") + QChar(13);
}

inline QString timePrefix(const QString& text)
{
    return QStringLiteral(" ساعت  ") + text + QStringLiteral("  صحيح نمي باشد") + QChar(13);
}

} // namespace calendar_test
