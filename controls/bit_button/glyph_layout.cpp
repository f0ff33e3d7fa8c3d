#include "controls/bit_button/glyph_layout.h"

namespace controls {

namespace {

constexpr int centred = -1; // a margin or spacing the layout works out itself

TButtonLayout readingLayout(TButtonLayout layout, bool rightToLeft)
{
    if (!rightToLeft) {
        return layout;
    }
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        return TButtonLayout::blGlyphRight;
    case TButtonLayout::blGlyphRight:
        return TButtonLayout::blGlyphLeft;
    default:
        return layout;
    }
}

} // namespace

GlyphPlacement placeGlyphAndCaption(const QRect& client, QSize glyph, QSize caption,
                                    TButtonLayout layout, int margin, int spacing, bool rightToLeft,
                                    QPoint offset)
{
    layout = readingLayout(layout, rightToLeft);
    const bool across =
        layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    const QSize room = client.size();
    QPoint glyphAt;
    QPoint captionAt;
    // Centred across the axis, the odd pixel going to the far side.
    if (across) {
        glyphAt.setY((room.height() - glyph.height() + 1) / 2);
        captionAt.setY((room.height() - caption.height() + 1) / 2);
    } else {
        glyphAt.setX((room.width() - glyph.width() + 1) / 2);
        captionAt.setX((room.width() - caption.width() + 1) / 2);
    }

    if (caption.width() == 0 || glyph.width() == 0) {
        spacing = 0;
    }
    // Lengths along the axis.
    const int roomAlong = across ? room.width() : room.height();
    const int glyphAlong = across ? glyph.width() : glyph.height();
    const int captionAlong = across ? caption.width() : caption.height();
    if (margin == centred) {
        if (spacing == centred) {
            margin = (roomAlong - glyphAlong - captionAlong) / 3;
            spacing = margin;
        } else {
            margin = (roomAlong - (glyphAlong + spacing + captionAlong) + 1) / 2;
        }
    } else if (spacing == centred) {
        spacing = (roomAlong - (margin + glyphAlong) - captionAlong) / 2;
    }

    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        glyphAt.setX(margin);
        captionAt.setX(margin + glyph.width() + spacing);
        break;
    case TButtonLayout::blGlyphRight:
        glyphAt.setX(room.width() - margin - glyph.width());
        captionAt.setX(glyphAt.x() - spacing - caption.width());
        break;
    case TButtonLayout::blGlyphTop:
        glyphAt.setY(margin);
        captionAt.setY(margin + glyph.height() + spacing);
        break;
    case TButtonLayout::blGlyphBottom:
        glyphAt.setY(room.height() - margin - glyph.height());
        captionAt.setY(glyphAt.y() - spacing - caption.height());
        break;
    }
    const QPoint origin = client.topLeft() + offset;
    return {origin + glyphAt, QRect(origin + captionAt, caption)};
}

} // namespace controls
