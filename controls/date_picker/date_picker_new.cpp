#include "controls/date_picker/date_picker_new.h"

#include "controls/bit_button/xf_bit_btn.h"
#include "controls/solar_calendar/solar_month_calendar.h"
#include "controls/solar_calendar_model/calendar_names.h"
#include "platform/modal_box.h"
#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/dialogs/dialog_font.h"

#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

namespace controls {

namespace {

constexpr QSize clientSize(322, 231);
constexpr QRect calendarPlace(0, 0, 322, 195);
constexpr QRect acceptPlace(214, 205, 97, 26);
constexpr QRect cancelPlace(7, 205, 97, 26);
constexpr int fontPoints = 8; // Tahoma 8 point: 11 pixels high at 96 dots an inch

const QColor silver(0xC0, 0xC0, 0xC0);
const QColor firstRow(0xF9, 0xFF, 0xE1);
const QColor secondRow(0xDF, 0xEB, 0xFF);
const QColor calendarBackground(0xF0, 0xFF, 0xE1);
const QColor calendarCaption(0xCE, 0xFF, 0xCE);
constexpr TColor buttonEnd = rgbColor(0xE2, 0xFF, 0xC6);
constexpr TColor buttonHot = rgbColor(0xFF, 0xFF, 0x80);

TXFBitBtn* pickerButton(const QString& caption, const QRect& place, bool swapped, QWidget* parent)
{
    auto* button = new TXFBitBtn(caption, parent);
    button->setGeometry(place);
    button->setFlatFace(true);
    button->setFine(true);
    TXFGradient& gradient = button->gradient();
    gradient.setDirection(TXFGradient::gdHorizontal);
    gradient.setEndColor(buttonEnd);
    gradient.setHotColor(buttonHot);
    gradient.setOptions(TXFGradient::goGradient | TXFGradient::goHotColor);
    gradient.setSwapColors(swapped);
    // Enter and Escape are this dialog's own; the buttons are not its default.
    button->setAutoDefault(false);
    return button;
}

/// Whether the control's own Enter takes a value that closing now would lose: a text box (the
/// calendar's year box) or a list still dropped down (the month box's; a list that has taken
/// the key already is closed).
bool takesEnterFirst(QObject* watched)
{
    if (qobject_cast<QLineEdit*>(watched))
        return true;
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window()->windowType() == Qt::Popup && widget->window()->isVisible();
}

} // namespace

TDatePickerNew::TDatePickerNew(const QDate& today, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setFixedSize(clientSize);
    setLayoutDirection(Qt::RightToLeft);
    setFont(toolkit::dialogFont(fontPoints));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    // The calendar's settings in the order the form gives them. Under uiDefault the calendar
    // keeps its own caption strip and background: the caption colour set here would show only
    // when its face is built again, the background colour never.
    Calndr = new TSolarMonthCalendar(this, today);
    Calndr->setGeometry(calendarPlace);
    Calndr->setMonthObject(moComboBox);
    Calndr->setDateKind(dkSolar);
    Calndr->setDisableCellColor(silver);
    Calndr->setFirstRowColor(firstRow);
    Calndr->setSecondRowColor(secondRow);
    Calndr->setMonthPosition(mpRightYear);
    Calndr->setUserInterface(uiDefault);
    Calndr->setCellFontColor(Qt::black);
    Calndr->setSelectedCellFontColor(Qt::red);
    Calndr->setBackgroundColor(calendarBackground);
    Calndr->setCaptionColor(calendarCaption);
    Calndr->setShowToDay(true);
    Calndr->setShowCellInColor(false);
    Calndr->setVisibleLayoutSwitch(false);
    Calndr->setEnabledDays(TMonthCaptionSet::all());

    BConSet = pickerButton(QStringLiteral("قبول"), acceptPlace, false, this);
    XFBitBtn3 = pickerButton(QStringLiteral("انصراف"), cancelPlace, true, this);
    connect(BConSet, &QPushButton::clicked, this, &QDialog::accept);
    connect(XFBitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(Calndr, BConSet);
    setTabOrder(BConSet, XFBitBtn3);

    watch(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void TDatePickerNew::openOn(const QString& date)
{
    try {
        Calndr->setInDate(date);
    } catch (const toolkit::ConversionError&) {
        // A field too long to be a number: no date the calendar has.
        platform::showPlainBox(faceTexts(dkSolar).invalidDate, platform::BoxKind::Information);
    }
}

QString TDatePickerNew::pickedDate() const
{
    return Calndr->GetDateWithDiv(QStringLiteral("/"));
}

void TDatePickerNew::watch(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            watch(child);
}

bool TDatePickerNew::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        // Controls made later, such as a list made when it first drops down.
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            watch(child);
        break;
    }
    case QEvent::KeyPress:
        if (!m_forwarding && FormKeyPress(watched, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool TDatePickerNew::FormKeyPress(QObject* watched, QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (takesEnterFirst(watched)) {
            m_forwarding = true;
            QCoreApplication::sendEvent(watched, event);
            m_forwarding = false;
        }
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        accept();
        return true;
    case Qt::Key_Escape:
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        reject();
        return true;
    default:
        return false;
    }
}

} // namespace controls
