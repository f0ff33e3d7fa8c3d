#include "toolkit/dialogs/dialog_font.h"

#include <QStringList>

namespace toolkit {

QFont dialogFont(int pointSize)
{
    QFont font;
    // Qt takes each glyph from the first family in the list that has it, so a host without
    // Tahoma still shapes Persian text with a font that holds the Arabic letters.
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    return font;
}

} // namespace toolkit
