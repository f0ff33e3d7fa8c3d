#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace platform {

/// One time zone as the world clocks list it: its Windows zone name ("Iran Standard Time"), its
/// display text ("(UTC+03:30) Tehran") and the tz database zone that keeps its time.
struct WorldZone {
    QString keyName;
    QString display;
    QByteArray ianaId;
    bool operator==(const WorldZone&) const = default;
};

/// Every zone of the tz database that Qt maps to a Windows zone name, one per name, ordered by
/// name without regard to letter case. The display text is the zone's standard offset from UTC
/// at the instant, "(UTC+hh:mm) " or "(UTC-hh:mm) ", then the places of the zones that share the
/// name (the city part of their tz names, blanks for "_"), the name's own zone first.
std::vector<WorldZone> worldZones(const QDateTime& at);

/// The display prefix of an offset in seconds east of UTC: "(UTC+03:30)", "(UTC-05:00)".
QString utcOffsetText(int offsetSeconds);

} // namespace platform
