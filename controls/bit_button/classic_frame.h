#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>

namespace controls {

/// The one-pixel edges a classic button draws around a rectangle.
enum class EdgeStyle {
    RaisedInner, ///< light at the left and top, shadow at the right and bottom
    SunkenOuter  ///< shadow at the left and top, light at the right and bottom
};

// Drawing of the classic (unthemed) push button on a 32-bit RGB picture, in the palette's
// colours: Light the button highlight, Midlight the 3D light, Dark the button shadow, Shadow the
// dark shadow and the window frame, Button the face. Each draws inside `rect` and leaves pixels
// outside the picture alone.

/// A one-pixel outline of `line` on the pixels of `rect`.
void drawOutline(QImage& image, const QRect& rect, const QColor& line);
/// `rect` filled with `face` inside a one-pixel outline of `line`.
void drawFilledOutline(QImage& image, const QRect& rect, const QColor& line, const QColor& face);
/// The raised push-button frame: two pixels (outer light and dark shadow, inner 3D light and
/// shadow), the face inside.
void drawPushFrame(QImage& image, const QRect& rect, const QPalette& palette);
/// A one-pixel edge; the right and bottom colour takes the top-right and bottom-left corners.
void drawEdge(QImage& image, const QRect& rect, EdgeStyle style, const QPalette& palette);
/// The dotted focus rectangle: every other pixel of the outline inverted, in a checkerboard
/// fixed to the picture, so drawing it twice takes it away.
void drawFocusRect(QImage& image, const QRect& rect);

} // namespace controls
