#include "dataaccess/sqlite/column_types.h"

#include <array>

namespace db::sqlite {

namespace {

/// T-SQL types whose names give SQLite's NUMERIC affinity although values of any kind are
/// written to them.
constexpr std::array<QStringView, 3> kKeptAsWritten{u"sql_variant", u"image", u"datetime"};
constexpr QStringView kBlobMarker = u" blob";

bool keptAsWritten(QStringView type)
{
    for (const QStringView kept : kKeptAsWritten) {
        if (type.compare(kept, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QString storedColumnType(QStringView tsqlType)
{
    return keptAsWritten(tsqlType) ? tsqlType.toString().append(kBlobMarker) : QString();
}

QString tsqlColumnType(const QString& declared)
{
    QString type = declared;
    const qsizetype paren = type.indexOf(u'(');
    if (paren >= 0)
        type.truncate(paren);
    type = type.trimmed().toLower();
    if (type.endsWith(kBlobMarker) && keptAsWritten(QStringView(type).chopped(kBlobMarker.size())))
        type.chop(kBlobMarker.size());
    return type;
}

} // namespace db::sqlite
