#include "toolkit/dialogs/dialog_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace toolkit {
namespace {

/// Where Debian's fonts-wine puts its Tahoma, a metric-compatible face with the Arabic letters.
const QStringList kBundledTahoma{QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                                 QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};

/// Makes Tahoma available to this program alone when the system has none but fonts-wine is
/// installed; the system's font configuration is not touched.
void loadBundledTahomaOnce()
{
    static const bool loaded = [] {
        if (QFontDatabase::hasFamily(QStringLiteral("Tahoma")))
            return true;
        bool any = false;
        for (const QString& file : kBundledTahoma)
            any = QFontDatabase::addApplicationFont(file) >= 0 || any;
        return any;
    }();
    (void)loaded;
}

} // namespace

QFont dialogFont(int pointSize)
{
    loadBundledTahomaOnce();
    QFont font;
    // Qt takes each glyph from the first family in the list that has it, so a host without
    // Tahoma still shapes Persian text with a font that holds the Arabic letters.
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    return font;
}

} // namespace toolkit
