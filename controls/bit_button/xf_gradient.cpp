#include "controls/bit_button/xf_gradient.h"

#include "controls/bit_button/gradient_ramp.h"
#include "controls/bit_button/hls_shade.h"

#include <algorithm>
#include <utility>

namespace controls {

namespace {

constexpr TColor defaultHotColour = 15717318; // #C6D3EF, red in the low byte
constexpr int frameShade = -50;               // the hot-track frame around the face
constexpr int endShade = -25;                 // the gradient's end, and the pressed face

constexpr TXFGradient::TXFGradientOptions hotOptions =
    TXFGradient::goHotButton | TXFGradient::goHotTrack | TXFGradient::goHotColor;

/// `rect` as it lies on the picture: mirrored across it on a mirrored surface.
QRect onPicture(const XFCanvas& canvas, const QRect& rect)
{
    if (!canvas.rightToLeft) {
        return rect;
    }
    return {canvas.image.width() - 1 - rect.right(), rect.top(), rect.width(), rect.height()};
}

void fillSolid(XFCanvas& canvas, const QRect& rect, TColor colour)
{
    const QRect visible = onPicture(canvas, rect).intersected(canvas.image.rect());
    const QRgb rgb = colorToRgb(colour, canvas.palette).rgb();
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(canvas.image.scanLine(y));
        std::fill(row + visible.left(), row + visible.right() + 1, rgb);
    }
}

} // namespace

TXFGradient::TXFGradient(QObject* parent) : QObject(parent) {}

void TXFGradient::Assign(const TXFGradient& source)
{
    m_active = source.m_active;
    m_options = source.m_options;
    m_direction = source.m_direction;
    m_swapColors = source.m_swapColors;
    m_startColor = source.m_startColor;
    m_stepColor = source.m_stepColor;
    m_endColor = source.m_endColor;
    m_hotColor = source.m_hotColor;
}

bool TXFGradient::Change(const TXFGradient* gradient)
{
    if (gradient == nullptr || sameSettings(*gradient)) {
        return false;
    }
    Assign(*gradient);
    DoChange();
    return true;
}

TColor TXFGradient::DefaultHotColor() const
{
    return defaultHotColour;
}

bool TXFGradient::IsHotActive() const
{
    return m_active && (m_options & hotOptions);
}

void TXFGradient::FillRect(XFCanvas& canvas, QRect rect, TColor color, bool hotButton,
                           bool downButton) const
{
    const bool hot = hotButton && (m_options & hotOptions);
    if (m_endColor != clDefault) {
        color = m_endColor;
    }
    if (hot && m_options.testFlag(goHotColor)) {
        color = m_hotColor == clDefault ? DefaultHotColor() : m_hotColor;
    }
    const bool hotTrack = hot && m_options.testFlag(goHotTrack);
    const bool hotSwap = hot && m_options.testFlag(goHotButton);
    if (hotTrack) {
        fillSolid(canvas, rect, shadeColor(color, frameShade, canvas.palette));
        if (downButton) {
            color = shadeColor(color, endShade, canvas.palette);
        }
        rect.adjust(1, 1, -1, -1);
        if (!m_options.testFlag(goHotButton)) {
            fillSolid(canvas, rect, color);
            return;
        }
    }
    if (!m_options.testFlag(goGradient) && !hotSwap) {
        fillSolid(canvas, rect, color);
        return;
    }
    // The ramp runs from its first colour at the logical left (top). A mirrored surface puts the
    // logical left at the right, and exchanges the colours as well, so the ends stay in place.
    const bool mirrored = canvas.rightToLeft && m_direction == gdHorizontal;
    const bool exchanged = hotSwap ^ m_swapColors ^ (!m_options.testFlag(goGradient) || hotTrack);
    TColor first = m_startColor;
    TColor last = shadeColor(color, endShade, canvas.palette);
    if (mirrored != exchanged) {
        std::swap(first, last);
    }
    fillRamp(canvas.image, onPicture(canvas, rect), colorToRgb(first, canvas.palette).rgb(),
             colorToRgb(last, canvas.palette).rgb(),
             m_direction == gdHorizontal ? Qt::Horizontal : Qt::Vertical,
             mirrored ? RampStart::Far : RampStart::Near);
}

void TXFGradient::FillBack(XFCanvas& canvas, QRect rect, TColor color, int bevelWidth,
                           int spaceWidth, bool hotButton, bool downButton, bool softButton)
{
    QRect filled = rect.adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth);
    QRect kept = filled;
    if (softButton) {
        const bool tracked = hotButton && m_options.testFlag(goHotTrack);
        if (downButton || tracked) {
            filled.adjust(0, 0, 1, 1);
        }
        if (!downButton || tracked) {
            filled.adjust(-1, -1, 0, 0);
        }
    }
    kept.adjust(spaceWidth, spaceWidth, -spaceWidth, -spaceWidth);
    if (kept.isEmpty()) {
        return;
    }
    const QRect keptOnPicture = onPicture(canvas, kept).intersected(canvas.image.rect());
    const QImage drawn = canvas.image.copy(keptOnPicture);
    FillRect(canvas, filled, color, hotButton, downButton);

    // Whatever was drawn in another colour than the base colour shows over the gradient.
    const QRgb transparent = colorToRgb(color, canvas.palette).rgb();
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(canvas.image.scanLine(keptOnPicture.top() + y)) +
                   keptOnPicture.left();
        for (int x = 0; x < drawn.width(); ++x) {
            if (from[x] != transparent) {
                to[x] = from[x];
            }
        }
    }
}

void TXFGradient::FillStep(XFCanvas& canvas, QRect rect, TColor color, int bevelWidth,
                           int spaceWidth, bool hotButton, bool downButton, bool softButton)
{
    // The field itself, not its setter: the setter's notice would repaint the control, whose
    // painting comes here again.
    const TColor endColour = std::exchange(m_endColor, m_stepColor);
    FillBack(canvas, rect, color, bevelWidth, spaceWidth, hotButton, downButton, softButton);
    m_endColor = endColour;
}

template <typename T> void TXFGradient::store(T& field, const T& value)
{
    if (field == value) {
        return;
    }
    field = value;
    DoChange();
}

void TXFGradient::setActive(bool value)
{
    store(m_active, value);
}

void TXFGradient::setDirection(TGradientDirection value)
{
    store(m_direction, value);
}

void TXFGradient::setOptions(TXFGradientOptions value)
{
    store(m_options, value);
}

void TXFGradient::setSwapColors(bool value)
{
    store(m_swapColors, value);
}

void TXFGradient::setStartColor(TColor value)
{
    store(m_startColor, value);
}

void TXFGradient::setEndColor(TColor value)
{
    store(m_endColor, value);
}

void TXFGradient::setHotColor(TColor value)
{
    store(m_hotColor, value);
}

void TXFGradient::setStepColor(TColor value)
{
    store(m_stepColor, value);
}

void TXFGradient::DoChange()
{
    emit changed();
}

bool TXFGradient::sameSettings(const TXFGradient& other) const
{
    return m_active == other.m_active && m_options == other.m_options &&
           m_direction == other.m_direction && m_swapColors == other.m_swapColors &&
           m_startColor == other.m_startColor && m_stepColor == other.m_stepColor &&
           m_endColor == other.m_endColor && m_hotColor == other.m_hotColor;
}

TXFGradientButton::TXFGradientButton(QObject* parent) : TXFGradient(parent)
{
    setOptions(goGradient | goHotButton);
}

} // namespace controls
