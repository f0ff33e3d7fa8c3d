#pragma once

#include "controls/solar_calendar_model/calendar_day.h"
#include "controls/solar_calendar_model/calendar_kinds.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QWidget>
#include <array>

class QActionGroup;
class QComboBox;
class QMenu;

namespace controls {

class CaptionButton;
class DayGrid;
class FaceText;
class YearBox;
class YearSpinner;

/// How the month is chosen: a menu on the grid, a drop-down box under it, or not at all.
enum TMonthObject { moPopupMenu, moComboBox, moNone };
/// Kept for forms that set it; the control does not use it.
enum TMonthPosition { mpBottomRight, mpBottomCenter, mpRightYear, mpLeftYear };
/// Which colours paint the day cells: the control's own or the custom ones.
enum TUserInterface { uiDefault, uiCustom };

/// A month calendar of the solar or the Gregorian calendar, drawn at fixed positions in a
/// 322 x 195 area: a caption strip with the calendar switch, the year buttons and the year (a
/// click on it opens a year box), a row of weekday names, a 7 x 6 grid of days, a today link and
/// the month's name or a month box. The current date is always a date of the calendar shown,
/// between 1000/01/01 AP and 31 December 9999; every move that would leave it there or land on
/// a day the month lacks is cut to the month's last day or refused.
///
/// The control reads left to right; the solar grid and weekday row place Saturday at the right
/// by their own pixel positions, since Qt mirrors layouts but not fixed geometry.
class TCustomSolarCalendar : public QWidget {
    Q_OBJECT

public:
    /// today is the day the control starts on and the today link shows.
    explicit TCustomSolarCalendar(QWidget* parent = nullptr,
                                  const QDate& today = QDate::currentDate());
    ~TCustomSolarCalendar() override;

    // The current date

    /// Sets the current date from an engine date text of the calendar shown (in the Gregorian
    /// calendar also a date in the process short date format). A blank text is ignored; a date
    /// the calendar does not have shows the invalid-date message and keeps the date; a field
    /// that is not an integer raises ConversionError.
    void setInDate(const QString& text);
    /// The current date as an engine date text of the calendar shown.
    QString outDate() const;
    TDateKind dateKind() const { return m_kind; }
    /// Shows the other calendar, the current date converted to it.
    void setDateKind(TDateKind kind);
    /// The current month's name in the calendar shown.
    QString monthName() const;
    /// The weekday name of the current day's column.
    QString dayName() const;

    // Settings

    QString about() const;
    /// Any value restores the fixed text.
    void setAbout(const QString&) {}
    bool enableYearButtons() const { return m_enableYearButtons; }
    /// Enables the year buttons and the year box.
    void setEnableYearButtons(bool enable);
    TMonthObject monthObject() const { return m_monthObject; }
    void setMonthObject(TMonthObject monthObject);
    /// Kept texts, filled at creation and at each calendar switch; setting them changes nothing.
    QString miladiDate() const { return m_miladiDate; }
    void setMiladiDate(const QString& date) { m_miladiDate = date; }
    QString solarDate() const { return m_solarDate; }
    void setSolarDate(const QString& date) { m_solarDate = date; }
    QString hintText() const { return m_hintText; }
    void setHintText(const QString& text) { m_hintText = text; }
    TMonthPosition monthPosition() const { return m_monthPosition; }
    void setMonthPosition(TMonthPosition position) { m_monthPosition = position; }
    /// Kept; the cells of the neighbouring months are always painted #FFF0F0.
    QColor disableCellColor() const { return m_disableCellColor; }
    void setDisableCellColor(const QColor& colour) { m_disableCellColor = colour; }
    /// Background of rows 0, 2, 4 under uiCustom.
    QColor firstRowColor() const { return m_firstRowColor; }
    void setFirstRowColor(const QColor& colour);
    /// Background of rows 1, 3, 5 under uiCustom.
    QColor secondRowColor() const { return m_secondRowColor; }
    void setSecondRowColor(const QColor& colour);
    TUserInterface userInterface() const { return m_userInterface; }
    void setUserInterface(TUserInterface userInterface);
    /// Day number colour under uiCustom.
    QColor cellFontColor() const { return m_cellFontColor; }
    void setCellFontColor(const QColor& colour);
    /// The current day's colour under uiCustom.
    QColor selectedCellFontColor() const { return m_selectedCellFontColor; }
    void setSelectedCellFontColor(const QColor& colour);
    /// The control's colour; applied at once only under uiCustom.
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor& colour);
    /// The caption strip's colour; applied at once under uiCustom, otherwise when the face is
    /// built again (a change of calendar or of the month object).
    QColor captionColor() const { return m_captionColor; }
    void setCaptionColor(const QColor& colour);
    bool showToDay() const { return m_showToDay; }
    void setShowToDay(bool show);
    /// Under uiDefault, rows in two colours; false paints the month's cells white.
    bool showCellInColor() const { return m_showCellInColor; }
    void setShowCellInColor(bool show);
    bool visibleLayoutSwitch() const { return m_visibleLayoutSwitch; }
    void setVisibleLayoutSwitch(bool visible);
    /// The weekdays whose cells can be picked, in either calendar.
    TMonthCaptionSet enabledDays() const { return m_enabledDays; }
    void setEnabledDays(TMonthCaptionSet days) { m_enabledDays = days; }

    // Date functions (each moving form returns the new OutDate; the L forms return the moved
    // date and leave the control as it is; a move that cannot be made leaves the date)

    QString IncDay(int ANumberOfDay);
    QString IncMonth(int ANumberOfMonth);
    QString IncYear(int ANumberOfYear);
    QString DecDay(int ANumberOfDay);
    QString DecMonth(int ANumberOfMonth);
    QString DecYear(int ANumberOfYear);
    /// Day ADay of the current month, if the month has it.
    QString GotoDay(int ADay);
    /// Month AMonth (1 to 12) of the current year, the day cut to its length.
    QString GotoMonth(int AMonth);
    /// The current month and day in year AYear (four digits), the day cut to the month's length.
    QString GotoYear(int AYear);
    QString LIncDay(int ANumberOfDay) const;
    QString LIncMonth(int ANumberOfMonth) const;
    QString LIncYear(int ANumberOfYear) const;
    QString LDecDay(int ANumberOfDay) const;
    QString LDecMonth(int ANumberOfMonth) const;
    QString LDecYear(int ANumberOfYear) const;
    /// The month of the current date in the other calendar.
    int ConvertMonth() const;
    /// The year of the current date in the other calendar.
    int ConvertYear() const;
    /// The Gregorian engine date text of a solar date text; uses nothing of the control.
    static QString ConvertDateEng(const QString& InDate);
    /// The current date in the other calendar, as an engine date text.
    QString ConvertDate() const;
    /// Whole days between two dates of the calendar shown (a blank ANow is the current date);
    /// -1 when AThen is blank.
    int DaysBetween(const QString& ANow, const QString& AThen) const;
    /// Gregorian 1 = Sunday to 7 = Saturday; solar 1 = Friday, 2 = Saturday ... 7 = Thursday.
    int DayOfWeek() const;
    int DayOfWeek(const QString& Date, TDateKind DateKind) const;
    /// 7 - DayOfWeek.
    int GetWeekRemainDays() const;
    int GetWeekRemainDays(const QString& Date, TDateKind DateKind) const;
    /// Days after the date to the end of its month.
    int GetMonthRemainDay() const;
    int GetMonthRemainDay(const QString& Date, TDateKind DateKind) const;
    /// Days after the date to the end of its year.
    int GetYearRemainDays() const;
    int GetYearRemainDays(const QString& Date, TDateKind DateKind) const;
    /// Gregorian: the ISO 8601 week; solar: the day of the year / 7, rounded up.
    int WeekOfTheYear() const;
    int WeekOfTheYear(const QString& ADate, TDateKind ADateKind) const;
    /// OutDate without its "/" (13891104).
    QString GetRawDate() const;
    /// OutDate with each "/" replaced by Divider.
    QString GetDateWithDiv(const QString& Divider) const;
    /// The year in words (the current year for 0); fShort takes a four-digit year's last two
    /// digits.
    QString YearScript(int Year, TFormat Format) const;
    /// The month in words; for 0 the current month's ordinal.
    QString MonthScript(int Month) const;
    /// The day in words; for 0 the current day's.
    QString DayScript(int Day) const;
    /// The current date in words: the day's ordinal, the month's name (mtAlphabet) or words
    /// (mtNumeral) and the year's words, joined by Divider.
    QString YMDScript(TMonthType MonthType, const QString& Divider) const;

signals:
    /// A day cell was picked (OnDayClick).
    void dayClick();
    /// The year moved forward by the next-year button or the spinner (OnNextClick).
    void nextClick();
    /// The year moved back by the prior-year button or the spinner (OnPrevClick).
    void prevClick();
    /// The calendar switch button changed the calendar shown (OnLayoutClick).
    void layoutClick();
    /// The current date changed; outDate is the new OutDate.
    void dateChanged(const QString& outDate);

protected:
    /// The current date's year, month and day in the calendar shown.
    const DateFields& currentDate() const { return m_date; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Move { Days, Months, Years, ToDay, ToMonth, ToYear };

    void buildChildren();
    void buildFace();
    void refresh();
    static void applyColour(QWidget* widget, const QColor& colour);
    DateFields todayIn(TDateKind kind) const;
    void setDate(const DateFields& date);
    /// The current date moved; OutDate when the move cannot be made.
    QString moved(Move move, qint64 n) const;
    /// Moves the current date through setInDate and returns OutDate.
    QString applyMove(Move move, qint64 n);
    void pickCell(int row, int column);
    void moveYear(int step);
    void openYearBox();
    void hideYearBox();
    void enterYear();
    void escapeYear();
    void chooseMonth(int month);
    void goToday();
    void switchCalendar();
    void showMonthMenu(const QPoint& position);
    DateFields readInDate(const QString& text) const;

    TDateKind m_kind = dkSolar;
    DateFields m_date;
    QDate m_today;
    int m_tempYear = 0;

    bool m_enableYearButtons = true;
    TMonthObject m_monthObject = moPopupMenu;
    QString m_miladiDate;
    QString m_solarDate;
    QString m_hintText;
    TMonthPosition m_monthPosition = mpBottomRight;
    QColor m_disableCellColor{0xFF, 0xF0, 0xF0};
    QColor m_firstRowColor{0xF9, 0xFF, 0xE1};
    QColor m_secondRowColor{0xDF, 0xEB, 0xFF};
    TUserInterface m_userInterface = uiDefault;
    QColor m_cellFontColor{Qt::black};
    QColor m_selectedCellFontColor{0xFF, 0x00, 0x00};
    QColor m_backgroundColor{0xBF, 0xBF, 0xBF};
    QColor m_captionColor{0x00, 0x00, 0x80};
    bool m_showToDay = true;
    bool m_showCellInColor = true;
    bool m_visibleLayoutSwitch = true;
    TMonthCaptionSet m_enabledDays = TMonthCaptionSet::all();

    QWidget* m_caption = nullptr;
    CaptionButton* m_switchButton = nullptr;
    CaptionButton* m_priorButton = nullptr;
    CaptionButton* m_nextButton = nullptr;
    FaceText* m_yearCaption = nullptr;
    YearSpinner* m_yearSpinner = nullptr;
    YearBox* m_yearBox = nullptr;
    std::array<FaceText*, 7> m_weekdays{};
    DayGrid* m_grid = nullptr;
    FaceText* m_todayLink = nullptr;
    FaceText* m_monthLabel = nullptr;
    QComboBox* m_monthBox = nullptr;
    QMenu* m_monthMenu = nullptr;
    QActionGroup* m_monthActions = nullptr;
};

} // namespace controls
