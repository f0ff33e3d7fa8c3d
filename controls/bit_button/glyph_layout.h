#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace controls {

/// Where a bit button's glyph stands against its caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

/// The places of a bit button's glyph (its top-left corner) and caption.
struct GlyphPlacement {
    QPoint glyph;
    QRect caption;
};

/// How a bit button lays out a glyph of `glyph` size and a caption of `caption` size in
/// `client`. The pair is centred across the layout's axis; along it the glyph stands `margin`
/// pixels from its edge and the caption `spacing` pixels beyond it. A margin of -1 centres the
/// pair; with a spacing of -1 as well, margin and spacing are each a third of the free space; a
/// spacing of -1 alone puts the caption midway in the space the glyph leaves. Without a glyph
/// or a caption the spacing is 0. Right-to-left reading exchanges left and right. Both places are
/// moved by `offset` (one pixel right and down while the button is pressed).
GlyphPlacement placeGlyphAndCaption(const QRect& client, QSize glyph, QSize caption,
                                    TButtonLayout layout, int margin, int spacing, bool rightToLeft,
                                    QPoint offset);

} // namespace controls
