#include "controls/bit_button/glyph_layout.h"

#include <gtest/gtest.h>

namespace {

using controls::TButtonLayout;

struct PlaceCase {
    const char* name;
    QRect client;
    QSize glyph;
    TButtonLayout layout;
    int margin;
    int spacing;
    bool rightToLeft;
    QPoint offset;
    QPoint glyphAt;
    QPoint captionAt;
};

void PrintTo(const PlaceCase& c, std::ostream* os)
{
    *os << c.name;
}

class Placement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Placement, PutsGlyphAndCaption)
{
    const PlaceCase& c = GetParam();
    const QSize caption(20, 10);
    const controls::GlyphPlacement place = controls::placeGlyphAndCaption(
        c.client, c.glyph, caption, c.layout, c.margin, c.spacing, c.rightToLeft, c.offset);
    EXPECT_EQ(place.glyph, c.glyphAt);
    EXPECT_EQ(place.caption, QRect(c.captionAt, caption));
}

const QRect wide(0, 0, 60, 24);
const QRect tall(0, 0, 40, 60);
const QSize glyph(16, 16);

INSTANTIATE_TEST_SUITE_P(
    Rows, Placement,
    ::testing::Values(
        // No glyph: no spacing; the caption centred, (60 - 20 + 1) div 2 and (24 - 10 + 1) div 2.
        PlaceCase{"CaptionAlone",
                  wide,
                  QSize(0, 0),
                  TButtonLayout::blGlyphLeft,
                  -1,
                  4,
                  false,
                  {},
                  {20, 12},
                  {20, 7}},
        // Glyph, 4 pixels, caption: 40 pixels centred from (60 - 40 + 1) div 2 = 10.
        PlaceCase{"GlyphLeft",
                  wide,
                  glyph,
                  TButtonLayout::blGlyphLeft,
                  -1,
                  4,
                  false,
                  {},
                  {10, 4},
                  {30, 7}},
        PlaceCase{"GlyphLeftReadRightToLeftStandsRight",
                  wide,
                  glyph,
                  TButtonLayout::blGlyphLeft,
                  -1,
                  4,
                  true,
                  {},
                  {34, 4},
                  {10, 7}},
        PlaceCase{"GlyphRight",
                  wide,
                  glyph,
                  TButtonLayout::blGlyphRight,
                  -1,
                  4,
                  false,
                  {},
                  {34, 4},
                  {10, 7}},
        // The caption midway in what the glyph leaves: (60 - 18 - 20) div 2 = 11.
        PlaceCase{"MarginGivenSpacingFree",
                  wide,
                  glyph,
                  TButtonLayout::blGlyphLeft,
                  2,
                  -1,
                  false,
                  {},
                  {2, 4},
                  {29, 7}},
        // Thirds of the free 24 pixels.
        PlaceCase{"BothFree",
                  wide,
                  glyph,
                  TButtonLayout::blGlyphLeft,
                  -1,
                  -1,
                  false,
                  {},
                  {8, 4},
                  {32, 7}},
        // Centred across: (40 - 16 + 1) div 2 and (40 - 20 + 1) div 2; along, from
        // (60 - 30 + 1) div 2 = 15.
        PlaceCase{"GlyphTop",
                  tall,
                  glyph,
                  TButtonLayout::blGlyphTop,
                  -1,
                  4,
                  false,
                  {},
                  {12, 15},
                  {10, 35}},
        PlaceCase{"GlyphBottom",
                  tall,
                  glyph,
                  TButtonLayout::blGlyphBottom,
                  -1,
                  4,
                  false,
                  {},
                  {12, 29},
                  {10, 15}},
        PlaceCase{"TopIsNotMirrored",
                  tall,
                  glyph,
                  TButtonLayout::blGlyphTop,
                  -1,
                  4,
                  true,
                  {},
                  {12, 15},
                  {10, 35}},
        // Inside a frame and pressed: (56 - 20 + 1) div 2 = 18 from x = 2 + 1.
        PlaceCase{"PressedInsideAFrame",
                  QRect(2, 2, 56, 20),
                  QSize(0, 0),
                  TButtonLayout::blGlyphLeft,
                  -1,
                  4,
                  false,
                  {1, 1},
                  {21, 13},
                  {21, 8}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
