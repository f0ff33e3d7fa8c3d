#include "platform/xdg/safe_name.h"

#include <algorithm>

namespace platform {

bool isSafeFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1String("..")) && !name.contains(QChar(0));
}

QString plainExtension(const QString& ext)
{
    const QString bare = ext.startsWith(QLatin1Char('.')) ? ext.mid(1) : ext;
    const bool plain = !bare.isEmpty() && std::all_of(bare.cbegin(), bare.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-');
    });
    return plain ? bare : QString();
}

} // namespace platform
