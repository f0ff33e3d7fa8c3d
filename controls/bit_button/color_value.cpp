#include "controls/bit_button/color_value.h"

namespace controls {

namespace {

constexpr TColor systemColourMark = 0xFF000000;
constexpr TColor lowByte = 0xFF;

} // namespace

TColor colorValue(const QColor& colour)
{
    return rgbColor(colour.red(), colour.green(), colour.blue());
}

QColor colorToRgb(TColor colour, const QPalette& palette)
{
    if ((colour & systemColourMark) == systemColourMark) {
        switch (colour) {
        case clWindow:
            return palette.color(QPalette::Base);
        case clWindowFrame:
            return palette.color(QPalette::Shadow);
        case clBtnFace:
            return palette.color(QPalette::Button);
        case clBtnShadow:
            return palette.color(QPalette::Dark);
        case clBtnHighlight:
            return palette.color(QPalette::Light);
        default:
            return Qt::black;
        }
    }
    return QColor(static_cast<int>(colour & lowByte), static_cast<int>(colour >> 8 & lowByte),
                  static_cast<int>(colour >> 16 & lowByte));
}

} // namespace controls
