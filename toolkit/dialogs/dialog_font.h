#pragma once

#include <QFont>

namespace toolkit {

/// The font of the system's forms and boxes: Tahoma at pointSize (the system's, or else the one
/// of fonts-wine, loaded for this program alone), falling back glyph by glyph to the installed
/// fonts that carry Persian letters (Noto Sans Arabic, then DejaVu Sans).
QFont dialogFont(int pointSize = 8);

} // namespace toolkit
