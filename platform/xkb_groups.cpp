#include "platform/xkb_groups.h"

#include "platform/keyboard_layout.h"

#include <QStringList>

namespace platform {

std::optional<int> xkbGroupFor(const QString& layoutId, const QString& configuredLayouts)
{
    constexpr int groupCount = 4; // the X keyboard extension holds four groups
    QStringList layouts = configuredLayouts.split(QLatin1Char(','));
    if (layouts.size() > groupCount)
        layouts.resize(groupCount);
    for (QString& layout : layouts) {
        layout = layout.section(QLatin1Char('('), 0, 0).trimmed().toLower();
    }
    const qsizetype persian = layouts.indexOf(QLatin1String("ir"));
    const qsizetype english = layouts.indexOf(QLatin1String("us"));
    if (persian < 0 || english < 0)
        return std::nullopt;
    if (layoutId == kPersianLayout)
        return static_cast<int>(persian);
    if (layoutId == kEnglishLayout)
        return static_cast<int>(english);
    return std::nullopt;
}

} // namespace platform
