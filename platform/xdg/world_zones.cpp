#include "platform/xdg/world_zones.h"

#include <QTimeZone>
#include <algorithm>

namespace platform {

namespace {

/// The place a tz name stands for: its last part, blanks for "_" ("America/New_York" New York);
/// empty for names that are no place ("Etc/GMT+5", "EST5EDT").
QString placeOf(const QByteArray& ianaId)
{
    const QString id = QString::fromLatin1(ianaId);
    if (!id.contains(QLatin1Char('/')) || id.startsWith(QLatin1String("Etc/")))
        return QString();
    return id.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

QString utcOffsetText(int offsetSeconds)
{
    const int minutes = std::abs(offsetSeconds) / 60; // [0, 1440)
    return QStringLiteral("(UTC%1%2:%3)")
        .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

std::vector<WorldZone> worldZones(const QDateTime& at)
{
    QStringList names;
    for (const QByteArray& ianaId : QTimeZone::availableTimeZoneIds()) {
        const QString windowsId = QString::fromLatin1(QTimeZone::ianaIdToWindowsId(ianaId));
        if (!windowsId.isEmpty() && !names.contains(windowsId))
            names.append(windowsId);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    std::vector<WorldZone> zones;
    for (const QString& name : names) {
        const QByteArray windowsId = name.toLatin1();
        const QByteArray ianaId = QTimeZone::windowsIdToDefaultIanaId(windowsId);
        const QTimeZone zone(ianaId);
        if (!zone.isValid())
            continue;
        QStringList places;
        for (const QByteArray& id :
             QList<QByteArray>{ianaId} + QTimeZone::windowsIdToIanaIds(windowsId)) {
            const QString place = placeOf(id);
            if (!place.isEmpty() && !places.contains(place))
                places.append(place);
        }
        zones.push_back({name,
                         utcOffsetText(zone.standardTimeOffset(at)) + QLatin1Char(' ') +
                             places.join(QStringLiteral(", ")),
                         ianaId});
    }
    return zones;
}

} // namespace platform
