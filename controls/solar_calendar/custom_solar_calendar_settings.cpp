// The calendar's settings: each takes effect on the face at once unless its comment says not.
#include "controls/solar_calendar/caption_button.h"
#include "controls/solar_calendar/custom_solar_calendar.h"

#include <QComboBox>

namespace controls {

namespace {

constexpr int monthBoxWidth = 100;

} // namespace

void TCustomSolarCalendar::setEnableYearButtons(bool enable)
{
    m_enableYearButtons = enable;
    m_priorButton->setEnabled(enable);
    m_nextButton->setEnabled(enable);
    if (!enable)
        hideYearBox();
}

void TCustomSolarCalendar::setMonthObject(TMonthObject monthObject)
{
    m_monthObject = monthObject;
    if (monthObject == moComboBox && !m_monthBox) {
        m_monthBox = new QComboBox(this);
        m_monthBox->setMaxVisibleItems(12);
        for (int month = 1; month <= 12; ++month)
            m_monthBox->addItem(QString());
        m_monthBox->resize(monthBoxWidth, m_monthBox->sizeHint().height());
        connect(m_monthBox, &QComboBox::activated, this,
                [this](int index) { chooseMonth(index + 1); });
        m_monthBox->show();
    } else if (monthObject != moComboBox && m_monthBox) {
        delete m_monthBox;
        m_monthBox = nullptr;
    }
    buildFace();
}

void TCustomSolarCalendar::setFirstRowColor(const QColor& colour)
{
    m_firstRowColor = colour;
    refresh();
}

void TCustomSolarCalendar::setSecondRowColor(const QColor& colour)
{
    m_secondRowColor = colour;
    refresh();
}

void TCustomSolarCalendar::setUserInterface(TUserInterface userInterface)
{
    m_userInterface = userInterface;
    refresh();
}

void TCustomSolarCalendar::setCellFontColor(const QColor& colour)
{
    m_cellFontColor = colour;
    refresh();
}

void TCustomSolarCalendar::setSelectedCellFontColor(const QColor& colour)
{
    m_selectedCellFontColor = colour;
    refresh();
}

void TCustomSolarCalendar::setBackgroundColor(const QColor& colour)
{
    m_backgroundColor = colour;
    if (m_userInterface == uiCustom)
        applyColour(this, colour);
}

void TCustomSolarCalendar::setCaptionColor(const QColor& colour)
{
    m_captionColor = colour;
    if (m_userInterface == uiCustom)
        applyColour(m_caption, colour);
}

void TCustomSolarCalendar::setShowToDay(bool show)
{
    m_showToDay = show;
    refresh();
}

void TCustomSolarCalendar::setShowCellInColor(bool show)
{
    m_showCellInColor = show;
    refresh();
}

void TCustomSolarCalendar::setVisibleLayoutSwitch(bool visible)
{
    m_visibleLayoutSwitch = visible;
    m_switchButton->setVisible(visible);
}

} // namespace controls
