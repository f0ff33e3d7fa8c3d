// The picker dialog itself: its face as the form gives it, and Enter and Escape from every
// control in it.
#include "controls/solar_calendar_model/calendar_day.h"
#include "picker_fixture.h"

#include <QAbstractItemView>
#include <QImage>

using namespace picker_test;
using controls::TXFGradient;

namespace {

class PickerDialog : public ::testing::Test {
protected:
    PickerDialog()
    {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    testing_support::RecordingTones tones;
    testing_support::ScriptedBoxPresenter boxes;
    TDatePickerNew dialog{fixtureToday()};
};

TEST_F(PickerDialog, ControlsStandWhereTheFormPutsThem)
{
    EXPECT_EQ(dialog.size(), QSize(322, 231));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "not resizable";
    EXPECT_EQ(dialog.Calndr->geometry(), QRect(0, 0, 322, 195));
    EXPECT_EQ(dialog.BConSet->geometry(), QRect(214, 205, 97, 26)) << "accept at the right";
    EXPECT_EQ(dialog.XFBitBtn3->geometry(), QRect(7, 205, 97, 26));
    EXPECT_EQ(dialog.BConSet->text(), QStringLiteral("قبول"));
    EXPECT_EQ(dialog.XFBitBtn3->text(), QStringLiteral("انصراف"));
    EXPECT_EQ(dialog.layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(dialog.font().families().value(0), QStringLiteral("Tahoma"));
    EXPECT_EQ(dialog.font().pointSize(), 8);
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    ASSERT_NE(dialog.focusWidget(), nullptr);
    EXPECT_EQ(dialog.focusWidget()->parentWidget(), dialog.Calndr) << "the calendar is first";
    EXPECT_EQ(dialog.BConSet->nextInFocusChain(), dialog.XFBitBtn3);
}

TEST_F(PickerDialog, CalendarIsSetAsTheFormGivesIt)
{
    const controls::TSolarMonthCalendar& c = *dialog.Calndr;
    EXPECT_EQ(c.outDate(), fixtureSolarToday);
    EXPECT_EQ(c.monthObject(), controls::moComboBox);
    EXPECT_NE(monthBox(dialog), nullptr);
    EXPECT_EQ(c.dateKind(), controls::dkSolar);
    EXPECT_EQ(c.disableCellColor(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(c.firstRowColor(), QColor(0xF9, 0xFF, 0xE1));
    EXPECT_EQ(c.secondRowColor(), QColor(0xDF, 0xEB, 0xFF));
    EXPECT_EQ(c.monthPosition(), controls::mpRightYear);
    EXPECT_EQ(c.userInterface(), controls::uiDefault);
    EXPECT_EQ(c.cellFontColor(), QColor(Qt::black));
    EXPECT_EQ(c.selectedCellFontColor(), QColor(Qt::red));
    EXPECT_EQ(c.backgroundColor(), QColor(0xF0, 0xFF, 0xE1));
    EXPECT_EQ(c.captionColor(), QColor(0xCE, 0xFF, 0xCE));
    EXPECT_TRUE(c.showToDay());
    EXPECT_FALSE(c.showCellInColor());
    EXPECT_FALSE(c.visibleLayoutSwitch());
    EXPECT_EQ(c.enabledDays(), controls::TMonthCaptionSet::all());

    // Set after the calendar kind under uiDefault, the two colours do not show: the caption
    // strip stays navy and the face grey.
    const QImage face = dialog.Calndr->grab().toImage();
    EXPECT_EQ(face.pixelColor(100, 3), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(face.pixelColor(2, 40), QColor(0xBF, 0xBF, 0xBF));
}

TEST_F(PickerDialog, ButtonsHaveTheGreenGradientTheOtherWayRoundOnCancel)
{
    for (const controls::TXFBitBtn* button : {dialog.BConSet, dialog.XFBitBtn3}) {
        EXPECT_TRUE(button->fine());
        EXPECT_TRUE(button->flatFace());
        const TXFGradient& g = button->gradient();
        EXPECT_EQ(g.direction(), TXFGradient::gdHorizontal);
        EXPECT_EQ(g.endColor(), controls::rgbColor(0xE2, 0xFF, 0xC6));
        EXPECT_EQ(g.hotColor(), controls::rgbColor(0xFF, 0xFF, 0x80));
        EXPECT_EQ(g.options(), TXFGradient::goGradient | TXFGradient::goHotColor);
    }
    EXPECT_FALSE(dialog.BConSet->gradient().swapColors());
    EXPECT_TRUE(dialog.XFBitBtn3->gradient().swapColors());

    // The face inside the one-pixel edge: the start colour at one end, #E2FFC6 shaded by -25
    // (#C8FF91) at the other.
    const QColor start = dialog.BConSet->palette().color(QPalette::Base);
    const QColor shaded(0xC8, 0xFF, 0x91);
    const QImage accept = dialog.BConSet->grab().toImage();
    const QImage cancel = dialog.XFBitBtn3->grab().toImage();
    EXPECT_EQ(accept.pixelColor(1, 2), start);
    EXPECT_EQ(cancel.pixelColor(1, 2), shaded);
    EXPECT_NE(accept.pixelColor(95, 2), start);
    EXPECT_NE(cancel.pixelColor(95, 2), shaded);
}

/// Where a key is pressed in the picker.
enum class Place { DayGrid, MonthBox, AcceptButton, CancelButton, Dialog, YearBox, LaterControl };

struct KeyCase {
    const char* name;
    Place place;
    Qt::Key key;
    int result; ///< QDialog::Accepted or Rejected
};

void PrintTo(const KeyCase& row, std::ostream* out)
{
    *out << row.name;
}

class PickerKeys : public PickerDialog, public ::testing::WithParamInterface<KeyCase> {
protected:
    QWidget* target(Place place)
    {
        switch (place) {
        case Place::DayGrid:
            return dialog.focusWidget();
        case Place::MonthBox:
            return monthBox(dialog);
        case Place::AcceptButton:
            return dialog.BConSet;
        case Place::CancelButton:
            return dialog.XFBitBtn3;
        case Place::Dialog:
            return &dialog;
        case Place::YearBox:
            return openYearBox(dialog);
        case Place::LaterControl: {
            auto* later = new QLineEdit(dialog.Calndr); // made after the dialog
            later->setGeometry(10, 30, 40, 17);
            later->show();
            return later;
        }
        }
        return nullptr;
    }
};

TEST_P(PickerKeys, CloseTheDialogFromAnywhere)
{
    const KeyCase& row = GetParam();
    QWidget* widget = target(row.place);
    ASSERT_NE(widget, nullptr);
    widget->setFocus();
    QTest::keyClick(widget, row.key);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), row.result);
    EXPECT_EQ(dialog.pickedDate(), fixtureSolarToday) << "nothing else moved";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PickerKeys,
    ::testing::Values(
        KeyCase{"ReturnInDayGrid", Place::DayGrid, Qt::Key_Return, QDialog::Accepted},
        KeyCase{"EnterInDayGrid", Place::DayGrid, Qt::Key_Enter, QDialog::Accepted},
        KeyCase{"EscapeInDayGrid", Place::DayGrid, Qt::Key_Escape, QDialog::Rejected},
        KeyCase{"ReturnInMonthBox", Place::MonthBox, Qt::Key_Return, QDialog::Accepted},
        KeyCase{"EscapeInMonthBox", Place::MonthBox, Qt::Key_Escape, QDialog::Rejected},
        KeyCase{"ReturnOnCancelButton", Place::CancelButton, Qt::Key_Return, QDialog::Accepted},
        KeyCase{"EscapeOnAcceptButton", Place::AcceptButton, Qt::Key_Escape, QDialog::Rejected},
        KeyCase{"ReturnOnDialog", Place::Dialog, Qt::Key_Return, QDialog::Accepted},
        KeyCase{"ReturnInYearBox", Place::YearBox, Qt::Key_Return, QDialog::Accepted},
        KeyCase{"EscapeInYearBox", Place::YearBox, Qt::Key_Escape, QDialog::Rejected},
        KeyCase{"ReturnInControlMadeLater", Place::LaterControl, Qt::Key_Return, QDialog::Accepted},
        KeyCase{"EscapeInControlMadeLater", Place::LaterControl, Qt::Key_Escape,
                QDialog::Rejected}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(PickerDialog, OtherKeysReachTheControls)
{
    ASSERT_NE(dialog.focusWidget(), nullptr);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Left); // the next day, on a solar grid
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.pickedDate(), QStringLiteral("1403/03/27"));
}

TEST_F(PickerDialog, EnterInTheDroppedDownMonthListTakesTheMonthThenCloses)
{
    QComboBox* months = monthBox(dialog);
    months->showPopup();
    QAbstractItemView* list = months->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(dialog.pickedDate(), fixtureSolarToday) << "only highlighted so far";
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.pickedDate(), QStringLiteral("1403/04/26"));
}

TEST_F(PickerDialog, EscapeInTheDroppedDownMonthListCancelsAndClosesIt)
{
    QComboBox* months = monthBox(dialog);
    months->showPopup();
    QAbstractItemView* list = months->view();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PickerDialog, OpensOnADateInOneStep)
{
    dialog.openOn(QStringLiteral("1389/11/04"));
    EXPECT_EQ(dialog.pickedDate(), QStringLiteral("1389/11/04"));
    dialog.openOn(QStringLiteral(" "));
    EXPECT_EQ(dialog.pickedDate(), QStringLiteral("1389/11/04")) << "blank leaves it";
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PickerDialog, EveryDayOfTheYearsAroundLeapYearsComesBackAndNoDayPastAMonthsEnd)
{
    for (const int year : {1399, 1400, 1403, 1404, 1436}) {
        for (int month = 1; month <= 12; ++month) {
            const int length = controls::monthLength(controls::dkSolar, year, month);
            for (int day = 1; day <= length; ++day) {
                const QString date = QStringLiteral("%1/%2/%3")
                                         .arg(year)
                                         .arg(month, 2, 10, QLatin1Char('0'))
                                         .arg(day, 2, 10, QLatin1Char('0'));
                dialog.openOn(date);
                ASSERT_EQ(dialog.pickedDate(), date);
            }
            // The day after the month's last: told, and the calendar stays where it was.
            const QString lastDay = dialog.pickedDate();
            dialog.openOn(QStringLiteral("%1/%2/%3").arg(year).arg(month).arg(length + 1));
            ASSERT_EQ(dialog.pickedDate(), lastDay);
        }
    }
    EXPECT_EQ(boxes.shown.size(), 5u * 12u);
}

} // namespace
