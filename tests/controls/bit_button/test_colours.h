#pragma once

#include "controls/bit_button/color_value.h"

#include <QColor>
#include <QPalette>
#include <string>

namespace bit_button_test {

/// A palette pinned for the button's tests, each role a colour of its own.
inline QPalette pinnedPalette()
{
    QPalette colours;
    colours.setColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0));
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Light, QColor(0xFE, 0xFE, 0xFE));
    colours.setColor(QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
    colours.setColor(QPalette::Dark, QColor(0xA0, 0xA0, 0xA0));
    colours.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
    colours.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0xC0));
    colours.setColor(QPalette::Window, QColor(0xD4, 0xD0, 0xC8));
    return colours;
}

inline std::string hex(QRgb rgb)
{
    return QColor(rgb).name().toStdString();
}

inline std::string colourHex(controls::TColor colour)
{
    return hex(controls::colorToRgb(colour, QPalette()).rgb());
}

} // namespace bit_button_test
