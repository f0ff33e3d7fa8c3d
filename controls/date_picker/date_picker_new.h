#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

namespace controls {

class TSolarMonthCalendar;
class TXFBitBtn;

/// The date picker: a solar month calendar with an accept and a cancel button, in a fixed
/// 322 x 231 right-to-left dialog. Enter anywhere in it closes it with OK and Escape with
/// Cancel; the dialog sees those keys before its controls do. Enter in the year box or in the
/// dropped-down month list first lets the box take what was typed or highlighted, as its own
/// Enter would, so that the year or month is not lost.
///
/// The controls stand at fixed pixel positions, accept at the right and cancel at the left;
/// Qt mirrors layouts but not fixed geometry, so these are the positions on screen.
class TDatePickerNew : public QDialog {
    Q_OBJECT

public:
    /// today is the day the calendar starts on and its today link shows.
    explicit TDatePickerNew(const QDate& today = QDate::currentDate(), QWidget* parent = nullptr);

    /// Moves the calendar to a solar date text in one step. A blank text leaves it where it is; a
    /// date the calendar does not have, or whose fields cannot be read, shows the calendar's
    /// invalid-date message and leaves it on today.
    void openOn(const QString& date);
    /// The calendar's current date as a solar date text (year, two-digit month and day).
    QString pickedDate() const;

    TSolarMonthCalendar* Calndr = nullptr;
    TXFBitBtn* BConSet = nullptr;   ///< accept: "قبول"
    TXFBitBtn* XFBitBtn3 = nullptr; ///< cancel: "انصراف"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Makes this dialog see the key presses of `widget` and of everything it will hold.
    void watch(QObject* object);
    /// Enter gives OK, Escape Cancel; false for other keys.
    bool FormKeyPress(QObject* watched, QKeyEvent* event);

    bool m_forwarding = false; ///< a key this dialog passes on to the control it was meant for
};

} // namespace controls
