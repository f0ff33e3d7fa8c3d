#include "toolkit/base/settings_tools.h"

#include "platform/keyboard_layout.h"
#include "platform/process_formats.h"

namespace toolkit {

void SettingsTools::setDateTimeFormats()
{
    auto& formats = platform::processFormats();
    formats.shortDateFormat = QStringLiteral("dd/mm/yyyy");
    formats.longDateFormat = QStringLiteral("dd/mm/yyyy");
    formats.longTimeFormat = QStringLiteral("HH:mm:ss");
    formats.shortTimeFormat = QStringLiteral("HH:mm:ss");
}

void SettingsTools::SetConfigAgain()
{
    setDateTimeFormats();
    platform::processFormats().decimalSeparator = QLatin1Char('.');
    SwitchToFarsi();
}

void SettingsTools::_SetConfigAgain()
{
    SetConfigAgain();
}

void SettingsTools::SwitchToFarsi()
{
    platform::switchKeyboardLayout(platform::kPersianLayout);
}

void SettingsTools::SwitchToEnglish()
{
    platform::switchKeyboardLayout(platform::kEnglishLayout);
}

} // namespace toolkit
