#include "controls/solar_calendar/custom_solar_calendar.h"

#include "controls/solar_calendar/caption_button.h"
#include "controls/solar_calendar/day_grid.h"
#include "controls/solar_calendar/face_text.h"
#include "controls/solar_calendar/year_box.h"
#include "controls/solar_calendar_model/calendar_names.h"
#include "controls/solar_calendar_model/date_moves.h"
#include "controls/solar_calendar_model/month_grid.h"
#include "platform/modal_box.h"
#include "platform/process_formats.h"
#include "platform/tones.h"
#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <algorithm>

namespace controls {

namespace {

constexpr QSize controlSize(322, 195);
constexpr int captionHeight = 25;
constexpr QRect switchButtonPlace(35, 5, 25, 16);
constexpr QRect priorButtonPlace(6, 5, 20, 16);
constexpr QRect nextButtonPlace(300, 5, 20, 16);
constexpr QPoint yearCaptionPlace(150, 7);
constexpr QRect yearBoxPlace(150, 5, 35, 17);
constexpr QRect yearSpinnerPlace(185, 5, 13, 17); // beside the box, as its arrows
constexpr int weekdayTop = 30;
// Lefts of the weekday names from the right edge to the left: the solar reading order.
constexpr std::array<int, 7> weekdayLefts{285, 235, 192, 143, 95, 50, 10};
constexpr QPoint gridPlace(0, 50);
constexpr int bottomTop = 175;
constexpr int todayLeft = 10;
constexpr int todayRightGap = 2;
constexpr int monthNameGap = 4;
constexpr int monthBoxTop = 172;
constexpr int solarMonthBoxLeft = 222;
constexpr int gregorianMonthBoxLeft = 2;

// The year box takes a year within the spinner's range; Enter accepts it above 1340 in the
// solar calendar and from 1900 in the Gregorian one.
constexpr int spinnerLowest = 1340;
constexpr int spinnerHighest = 9999;
constexpr int lowestSolarYearTyped = 1341;
constexpr int lowestGregorianYearTyped = 1900;

const QColor controlColour(0xBF, 0xBF, 0xBF);
const QColor weekdayColour(0x00, 0x80, 0x00);
const QColor holidayColour(0x80, 0x00, 0x00);
const QColor linkColour(0x00, 0x00, 0x80);
const QColor linkHoverColour(0x00, 0x00, 0xFF);
const QColor defaultEvenRow(0xF9, 0xFF, 0xE1);
const QColor defaultOddRow(0xDF, 0xEB, 0xFF);
const QColor defaultSelected(0xFF, 0x00, 0x00);

TDateKind otherKind(TDateKind kind)
{
    return kind == dkSolar ? dkGregorian : dkSolar;
}

QFont faceFont()
{
    QFont font;
    // A host without Tahoma takes each Persian glyph from the next family that has it.
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    return font;
}

} // namespace

TCustomSolarCalendar::TCustomSolarCalendar(QWidget* parent, const QDate& today)
    : QWidget(parent), m_today(today)
{
    setFixedSize(controlSize);
    setLayoutDirection(Qt::LeftToRight);
    setFont(faceFont());
    setAutoFillBackground(true);
    applyColour(this, controlColour);
    m_date = todayIn(dkSolar);
    m_solarDate = joinDate(m_date);
    m_miladiDate = joinDate(todayIn(dkGregorian));
    buildChildren();
    buildFace();
}

TCustomSolarCalendar::~TCustomSolarCalendar() = default;

void TCustomSolarCalendar::buildChildren()
{
    m_caption = new QWidget(this);
    m_caption->setGeometry(0, 0, controlSize.width(), captionHeight);
    m_caption->setAutoFillBackground(true);
    m_caption->installEventFilter(this);

    m_switchButton = new CaptionButton(CaptionButton::Glyph::None, m_caption);
    m_switchButton->setGeometry(switchButtonPlace);
    connect(m_switchButton, &CaptionButton::clicked, this, &TCustomSolarCalendar::switchCalendar);
    m_priorButton = new CaptionButton(CaptionButton::Glyph::Left, m_caption);
    m_priorButton->setGeometry(priorButtonPlace);
    connect(m_priorButton, &CaptionButton::clicked, this, [this] {
        hideYearBox();
        moveYear(-1);
    });
    m_nextButton = new CaptionButton(CaptionButton::Glyph::Right, m_caption);
    m_nextButton->setGeometry(nextButtonPlace);
    connect(m_nextButton, &CaptionButton::clicked, this, [this] {
        hideYearBox();
        moveYear(1);
    });

    m_yearCaption = new FaceText(m_caption);
    m_yearCaption->move(yearCaptionPlace);
    m_yearCaption->setColour(Qt::white);
    m_yearCaption->setCursor(Qt::PointingHandCursor);
    m_yearCaption->setToolTip(yearCaptionHint());
    connect(m_yearCaption, &FaceText::clicked, this, &TCustomSolarCalendar::openYearBox);
    m_yearBox = new YearBox(m_caption);
    m_yearBox->setGeometry(yearBoxPlace);
    m_yearBox->hide();
    connect(m_yearBox, &YearBox::entered, this, &TCustomSolarCalendar::enterYear);
    connect(m_yearBox, &YearBox::escaped, this, &TCustomSolarCalendar::escapeYear);
    m_yearSpinner = new YearSpinner(m_caption);
    m_yearSpinner->setGeometry(yearSpinnerPlace);
    m_yearSpinner->hide();
    const auto stepYear = [this](int step) {
        const int target = m_date.year + step;
        if (target < spinnerLowest || target > spinnerHighest)
            return;
        moveYear(step);
        m_yearBox->setText(QString::number(m_date.year));
    };
    connect(m_yearBox, &YearBox::stepped, this, stepYear);
    connect(m_yearSpinner, &YearSpinner::stepped, this, stepYear);

    for (FaceText*& weekday : m_weekdays)
        weekday = new FaceText(this);

    m_grid = new DayGrid(this);
    m_grid->move(gridPlace);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &DayGrid::cellPicked, this, &TCustomSolarCalendar::pickCell);
    connect(m_grid, &DayGrid::customContextMenuRequested, this,
            &TCustomSolarCalendar::showMonthMenu);

    m_todayLink = new FaceText(this);
    m_todayLink->setColour(linkColour);
    m_todayLink->setHoverColour(linkHoverColour);
    m_todayLink->setUnderline(true);
    m_todayLink->setCursor(Qt::PointingHandCursor);
    connect(m_todayLink, &FaceText::clicked, this, &TCustomSolarCalendar::goToday);
    m_monthLabel = new FaceText(this);
    m_monthLabel->setColour(linkColour);

    m_monthMenu = new QMenu(this);
    m_monthActions = new QActionGroup(m_monthMenu);
    m_monthActions->setExclusive(true);
    for (int month = 1; month <= 12; ++month) {
        QAction* action = m_monthMenu->addAction(QString());
        action->setCheckable(true);
        m_monthActions->addAction(action);
        connect(action, &QAction::triggered, this, [this, month] { chooseMonth(month); });
    }
}

void TCustomSolarCalendar::buildFace()
{
    const FaceTexts& texts = faceTexts(m_kind);
    m_switchButton->setText(texts.switchCaption);
    m_switchButton->setToolTip(texts.switchHint);
    m_switchButton->setVisible(m_visibleLayoutSwitch);
    m_priorButton->setToolTip(texts.priorYearHint);
    m_nextButton->setToolTip(texts.nextYearHint);
    applyColour(m_caption, m_captionColor);
    for (int column = 0; column < MonthGrid::columns; ++column) {
        // Solar names run from the right edge, Gregorian ones from the left.
        const int place = m_kind == dkSolar ? column : MonthGrid::columns - 1 - column;
        FaceText* name = m_weekdays[column];
        name->setText(weekdayName(m_kind, column));
        name->move(weekdayLefts[place], weekdayTop);
        name->setColour(column == MonthGrid::holidayColumn(m_kind) ? holidayColour : weekdayColour);
    }
    const QList<QAction*> actions = m_monthActions->actions();
    for (int month = 1; month <= 12; ++month)
        actions[month - 1]->setText(controls::monthName(m_kind, month));
    if (m_monthBox) {
        for (int month = 1; month <= 12; ++month)
            m_monthBox->setItemText(month - 1, controls::monthName(m_kind, month));
        m_monthBox->move(m_kind == dkSolar ? solarMonthBoxLeft : gregorianMonthBoxLeft,
                         monthBoxTop);
    }
    refresh();
}

void TCustomSolarCalendar::refresh()
{
    const FaceTexts& texts = faceTexts(m_kind);
    m_yearCaption->setText(texts.yearCaption.arg(m_date.year));
    m_todayLink->setText(texts.todayLink.arg(joinDate(todayIn(m_kind))));
    m_todayLink->move(
        m_kind == dkSolar ? todayLeft : width() - m_todayLink->width() - todayRightGap, bottomTop);
    m_todayLink->setVisible(m_showToDay);
    m_monthLabel->setText(monthName());
    m_monthLabel->move(m_kind == dkSolar ? width() - m_monthLabel->width() - monthNameGap
                                         : monthNameGap,
                       bottomTop);
    m_monthLabel->setVisible(m_monthObject != moComboBox);
    if (m_monthBox) {
        const QSignalBlocker quiet(m_monthBox);
        m_monthBox->setCurrentIndex(m_date.month - 1);
    }
    m_monthActions->actions()[m_date.month - 1]->setChecked(true);

    CellColours colours;
    if (m_userInterface == uiCustom) {
        colours = {m_firstRowColor, m_secondRowColor, m_cellFontColor, m_selectedCellFontColor};
    } else {
        colours.evenRow = m_showCellInColor ? defaultEvenRow : QColor(Qt::white);
        colours.oddRow = m_showCellInColor ? defaultOddRow : QColor(Qt::white);
        colours.text = Qt::black;
        colours.selectedText = defaultSelected;
    }
    m_grid->showMonth(MonthGrid(m_kind, m_date.year, m_date.month, m_monthObject != moNone), m_kind,
                      m_date.day, colours);
    m_grid->setDayHint(
        QStringLiteral("%1 %2 %3").arg(m_date.day).arg(monthName()).arg(m_date.year));
}

void TCustomSolarCalendar::applyColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

DateFields TCustomSolarCalendar::todayIn(TDateKind kind) const
{
    return *dateOfDayNumber(kind, m_today.toJulianDay());
}

void TCustomSolarCalendar::setDate(const DateFields& date)
{
    const bool changed = date != m_date;
    m_date = date;
    refresh();
    if (changed)
        emit dateChanged(outDate());
}

QString TCustomSolarCalendar::outDate() const
{
    return joinDate(m_date);
}

DateFields TCustomSolarCalendar::readInDate(const QString& text) const
{
    // A Gregorian date may also come in the process format, day first ("24/01/2011").
    const QString firstField = toolkit::trimBlanks(text.section(QLatin1Char('/'), 0, 0));
    if (m_kind == dkGregorian && firstField.size() <= 2) {
        const QDate date = platform::parseShortDate(text);
        if (!date.isValid())
            throw toolkit::ConversionError(QStringLiteral("'%1' is not a valid date").arg(text));
        return {date.year(), date.month(), date.day()};
    }
    return splitDate(text);
}

void TCustomSolarCalendar::setInDate(const QString& text)
{
    if (toolkit::trimBlanks(text).isEmpty())
        return;
    const DateFields date = readInDate(text);
    const std::optional<DayNumber> day = dayNumberOf(m_kind, date);
    if (!day || !isKeptDay(*day)) {
        platform::showPlainBox(faceTexts(m_kind).invalidDate, platform::BoxKind::Information);
        return;
    }
    setDate(date);
}

void TCustomSolarCalendar::setDateKind(TDateKind kind)
{
    if (kind == m_kind)
        return;
    const DayNumber day = *dayNumberOf(m_kind, m_date);
    m_kind = kind;
    m_date = *dateOfDayNumber(kind, day); // a kept day has a four-digit year in both
    (kind == dkSolar ? m_solarDate : m_miladiDate) = outDate();
    buildFace();
    emit dateChanged(outDate());
}

QString TCustomSolarCalendar::monthName() const
{
    return controls::monthName(m_kind, m_date.month);
}

QString TCustomSolarCalendar::dayName() const
{
    return weekdayName(m_kind, gridColumnOf(m_kind, *dayNumberOf(m_kind, m_date)));
}

QString TCustomSolarCalendar::about() const
{
    return QStringLiteral("Solar and Gregorian month calendar");
}

bool TCustomSolarCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_caption && event->type() == QEvent::MouseButtonPress)
        hideYearBox();
    return QWidget::eventFilter(watched, event);
}

void TCustomSolarCalendar::pickCell(int row, int column)
{
    if (!m_enabledDays.contains(MonthGrid::weekdayOfColumn(m_kind, column)))
        return;
    const GridCell cell = MonthGrid(m_kind, m_date.year, m_date.month, true).cell(row, column);
    std::optional<DateFields> picked;
    if (cell.place == CellPlace::Before)
        picked = movedByMonths(m_kind, m_date, -1);
    else if (cell.place == CellPlace::After)
        picked = movedByMonths(m_kind, m_date, 1);
    else
        picked = withDay(m_kind, m_date, cell.day);
    if (picked)
        setDate(*picked);
    hideYearBox();
    emit dayClick();
}

void TCustomSolarCalendar::moveYear(int step)
{
    const std::optional<DateFields> moved = movedByYears(m_kind, m_date, step);
    if (!moved)
        return;
    setDate(*moved);
    emit(step > 0 ? nextClick() : prevClick());
}

void TCustomSolarCalendar::openYearBox()
{
    if (!m_enableYearButtons)
        return;
    m_tempYear = m_date.year;
    m_yearBox->setText(QString::number(m_date.year));
    m_yearBox->show();
    m_yearSpinner->show();
    m_yearBox->setFocus();
    m_yearBox->deselect();
    m_yearBox->end(false);
}

void TCustomSolarCalendar::hideYearBox()
{
    m_yearBox->hide();
    m_yearSpinner->hide();
}

void TCustomSolarCalendar::enterYear()
{
    const int typed = std::clamp(m_yearBox->text().toInt(), spinnerLowest, spinnerHighest);
    const int lowest = m_kind == dkSolar ? lowestSolarYearTyped : lowestGregorianYearTyped;
    std::optional<DateFields> moved = m_date;
    if (typed < lowest)
        moved.reset();
    else if (typed != m_date.year)
        moved = withYear(m_kind, m_date, typed);
    if (moved)
        setDate(*moved);
    else
        platform::tones().beep();
    hideYearBox();
}

void TCustomSolarCalendar::escapeYear()
{
    if (const std::optional<DateFields> back = withYear(m_kind, m_date, m_tempYear))
        setDate(*back);
    hideYearBox();
}

void TCustomSolarCalendar::chooseMonth(int month)
{
    if (const std::optional<DateFields> chosen = withMonth(m_kind, m_date, month))
        setDate(*chosen);
}

void TCustomSolarCalendar::goToday()
{
    setInDate(joinDate(todayIn(m_kind)));
    hideYearBox();
}

void TCustomSolarCalendar::switchCalendar()
{
    setDateKind(otherKind(m_kind));
    hideYearBox();
    emit layoutClick();
}

void TCustomSolarCalendar::showMonthMenu(const QPoint& position)
{
    if (m_monthObject == moPopupMenu)
        m_monthMenu->popup(m_grid->mapToGlobal(position));
}

} // namespace controls
