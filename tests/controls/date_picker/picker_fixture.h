#pragma once

#include "controls/bit_button/xf_bit_btn.h"
#include "controls/date_picker/date_picker_new.h"
#include "controls/date_picker/qt_date_picker_presenter.h"
#include "controls/solar_calendar/solar_month_calendar.h"
#include "platform/date_pick_box.h"
#include "platform/end_request.h"
#include "support/modal_driver.h"
#include "support/qstring_printer.h"
#include "support/recording_tones.h"
#include "support/scripted_box_presenter.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/date_picking/date_picking.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace picker_test {

using controls::TDatePickerNew;

/// Today in the fixture: Saturday 15 June 2024, 1403/03/26.
inline QDate fixtureToday()
{
    return {2024, 6, 15};
}
inline const QString fixtureSolarToday = QStringLiteral("1403/03/26");

/// Acts on each picker as soon as it is the active modal window (see ModalDriver).
using PickerDriver = testing_support::ModalDriver<TDatePickerNew>;
using Act = PickerDriver::Act;

/// The control that has the focus in the picker, or the picker.
inline QWidget* focused(TDatePickerNew& dialog)
{
    return dialog.focusWidget() ? dialog.focusWidget() : &dialog;
}

/// The calendar's month box.
inline QComboBox* monthBox(TDatePickerNew& dialog)
{
    return dialog.Calndr->findChild<QComboBox*>();
}

/// Opens the calendar's year box by a click on the year in the caption strip, as a user does.
inline QLineEdit* openYearBox(TDatePickerNew& dialog)
{
    const QPoint year(155, 12); // on the year's text in the caption strip
    QWidget* caption = dialog.Calndr->childAt(year);
    if (!caption)
        return nullptr;
    QTest::mouseClick(caption, Qt::LeftButton, {}, caption->mapFrom(dialog.Calndr, year));
    return dialog.Calndr->findChild<QLineEdit*>();
}

/// The date picking concern on its own state with the real picker dialog, today fixed, every
/// message box recorded and answered, no tones, and the end request cleared before and after.
class PickerTest : public ::testing::Test {
protected:
    PickerTest()
    {
        platform::resetEndRequest();
        platform::setDatePickerPresenter(&presenter);
        QApplication::setLayoutDirection(Qt::RightToLeft);
    }
    ~PickerTest() override
    {
        QCoreApplication::processEvents(); // takes a posted quit while no loop runs
        platform::resetEndRequest();
        platform::setDatePickerPresenter(nullptr);
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    /// Picks for `edit` holding `text`, the user doing `act` in the picker; the edit's text after.
    QString pick(const QString& text, const Act& act)
    {
        edit.setText(text);
        PickerDriver driver({act});
        picking.PickDateFromDate(&edit);
        EXPECT_EQ(driver.acted, 1) << "the picker showed";
        EXPECT_EQ(driver.extra, 0);
        return edit.text();
    }

    /// The texts of the boxes shown so far.
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const platform::BoxRequest& box : boxes.shown)
            texts << box.text;
        return texts;
    }

    testing_support::RecordingTones tones;
    testing_support::ScriptedBoxPresenter boxes;
    controls::QtDatePickerPresenter presenter;
    toolkit::SolarToday solarToday;
    toolkit::MessageBoxes messageBoxes;
    toolkit::CalendarTools calendar{solarToday, messageBoxes};
    toolkit::DatePicking picking{calendar, [] { return fixtureToday(); }};
    QLineEdit edit;
};

} // namespace picker_test
