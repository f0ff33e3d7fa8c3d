#pragma once

#include "controls/bit_button/color_value.h"

#include <QImage>
#include <QObject>
#include <QPalette>
#include <QRect>

namespace controls {

/// What a fill draws on: a 32-bit RGB picture, the palette that gives the system colours, and
/// whether the surface is mirrored. On a mirrored surface x counts from the right edge, so the
/// rectangles given to the fills are mirrored before they are drawn.
struct XFCanvas {
    QImage& image;
    const QPalette& palette;
    bool rightToLeft = false;
};

/// The gradient settings of a drawn control: a two-colour linear gradient from StartColor to a
/// shade of the end colour, its hot-tracking variants while the mouse is over the control, and
/// the fills that draw it. Every setter that changes a value announces it through changed();
/// Assign() copies the settings silently.
class TXFGradient : public QObject {
    Q_OBJECT

public:
    /// The direction the colour changes in: left to right, or top to bottom.
    enum TGradientDirection { gdHorizontal, gdVertical };
    Q_ENUM(TGradientDirection)
    enum TXFGradientOption { goGradient = 1, goHotButton = 2, goHotTrack = 4, goHotColor = 8 };
    Q_DECLARE_FLAGS(TXFGradientOptions, TXFGradientOption)
    Q_FLAG(TXFGradientOptions)

    explicit TXFGradient(QObject* parent = nullptr);

    /// Copies the eight settings of `source` without announcing a change.
    void Assign(const TXFGradient& source);
    /// Takes the settings of `gradient` and announces the change; false, with nothing done, when
    /// `gradient` is null or holds the same settings.
    bool Change(const TXFGradient* gradient);
    /// The end colour while the mouse is over the control with goHotColor and no HotColor: #C6D3EF.
    virtual TColor DefaultHotColor() const;
    /// The gradient is drawn and the options ask for a change while the mouse is over the control.
    bool IsHotActive() const;

    /// Fills `rect` for a control whose base colour is `color`: the end colour (EndColor unless it
    /// is clDefault, then `color`; HotColor while hot with goHotColor) shaded by -25 and
    /// StartColor in Direction, ends exchanged while hot with goHotButton, with SwapColors, or
    /// without goGradient; a hot-track frame first while hot with goHotTrack; the plain end colour
    /// when neither goGradient nor a hot goHotButton asks for a gradient.
    virtual void FillRect(XFCanvas& canvas, QRect rect, TColor color, bool hotButton,
                          bool downButton) const;
    /// Puts the gradient behind what is drawn in `rect`: the part inside `bevelWidth` is filled
    /// by FillRect() (a soft button's fill reaches one pixel further at the left and top when it
    /// is up, at the right and bottom when it is down, on every side when hot-tracked), and what
    /// was drawn `spaceWidth` further in, in any colour but `color`, is put back over it.
    virtual void FillBack(XFCanvas& canvas, QRect rect, TColor color, int bevelWidth,
                          int spaceWidth, bool hotButton, bool downButton, bool softButton);
    /// FillBack() with the step colour as the end colour.
    virtual void FillStep(XFCanvas& canvas, QRect rect, TColor color, int bevelWidth,
                          int spaceWidth, bool hotButton, bool downButton, bool softButton);

    bool active() const { return m_active; }
    void setActive(bool value);
    TGradientDirection direction() const { return m_direction; }
    void setDirection(TGradientDirection value);
    TXFGradientOptions options() const { return m_options; }
    void setOptions(TXFGradientOptions value);
    bool swapColors() const { return m_swapColors; }
    void setSwapColors(bool value);
    TColor startColor() const { return m_startColor; }
    void setStartColor(TColor value);
    TColor endColor() const { return m_endColor; }
    void setEndColor(TColor value);
    TColor hotColor() const { return m_hotColor; }
    void setHotColor(TColor value);
    /// The end colour FillStep() draws with.
    TColor stepColor() const { return m_stepColor; }
    void setStepColor(TColor value);

signals:
    /// A setting changed through a setter or Change().
    void changed();

protected:
    /// Announces a change.
    virtual void DoChange();

private:
    bool sameSettings(const TXFGradient& other) const;
    /// Sets `field` to `value` and announces it when it differs.
    template <typename T> void store(T& field, const T& value);

    bool m_active = true;
    TGradientDirection m_direction = gdVertical;
    TXFGradientOptions m_options = goGradient;
    bool m_swapColors = false;
    TColor m_startColor = clWindow;
    TColor m_endColor = clDefault;
    TColor m_hotColor = clDefault;
    TColor m_stepColor = clDefault;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TXFGradient::TXFGradientOptions)

/// The settings of a button: hot by default (the ends exchange while the
/// mouse is over it).
class TXFGradientButton : public TXFGradient {
    Q_OBJECT

public:
    explicit TXFGradientButton(QObject* parent = nullptr);
};

} // namespace controls
