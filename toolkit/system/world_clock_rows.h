#pragma once

#include "platform/xdg/world_zones.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace toolkit {

/// One row of a report: a short title and its text.
struct ReportRow {
    QString title;
    QString text;
    bool operator==(const ReportRow&) const = default;
};

/// The rows of the world clocks that follow the Tehran row, one per zone in the given order.
/// A zone's title is P "(" C ")" "[" O "]": P its name up to "Standard Time" (empty without it),
/// C the display text after the first ")" (at most 100 characters), O the offset between "(UTC"
/// and that ")". Zones whose trimmed P is GMT, Greenwich, Greenland or GTB are skipped, and so is
/// a zone without an offset. The time is the zone's own at the UTC instant (tz database, with
/// daylight saving); a zone the database does not know is shown at its offset from UTC. The
/// time is formatted with timeFormat. An offset that does not read as hours and minutes raises
/// ConversionError.
std::vector<ReportRow> worldClockRows(const std::vector<platform::WorldZone>& zones,
                                      const QDateTime& utcNow, const QString& timeFormat);

/// Tehran's time at the UTC instant, formatted with timeFormat.
QString tehranTime(const QDateTime& utcNow, const QString& timeFormat);

} // namespace toolkit
