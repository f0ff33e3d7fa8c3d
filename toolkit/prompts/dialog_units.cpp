#include "toolkit/prompts/dialog_units.h"

#include <QFontMetrics>

namespace toolkit {

namespace {
const QString averageText = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
} // namespace

CharSize averageCharSize(const QFont& font)
{
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(averageText) / static_cast<int>(averageText.size()),
            metrics.height()};
}

} // namespace toolkit
