#include "toolkit/system/world_clock_rows.h"

#include "platform/process_formats.h"
#include "toolkit/calendar/engine/conversion_error.h"

#include <QTimeZone>

namespace toolkit {

namespace {

/// The display text's prefix before the offset: "(UTC" or "(GMT".
constexpr qsizetype kDisplayPrefixLength = 4;
/// The most characters of the places taken into a title.
constexpr qsizetype kMostPlaceCharacters = 100;
/// Iran's standard offset from UTC, used only when the tz database has no Tehran zone.
constexpr int kTehranOffsetSeconds = (3 * 60 + 30) * 60;

bool skipped(const QString& zoneName)
{
    static const QStringList names = {QStringLiteral("GMT"), QStringLiteral("Greenwich"),
                                      QStringLiteral("Greenland"), QStringLiteral("GTB")};
    return names.contains(zoneName.trimmed(), Qt::CaseInsensitive);
}

bool digits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(),
                                          [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

/// The offset's hours and minutes ("03:30"), in seconds [0, 86340].
int offsetSeconds(const QString& text)
{
    const QStringList fields = text.trimmed().split(QLatin1Char(':'));
    if (fields.size() == 2 && digits(fields.at(0)) && digits(fields.at(1))) {
        const int hours = fields.at(0).toInt();
        const int minutes = fields.at(1).toInt();
        if (hours < 24 && minutes < 60)
            return (hours * 60 + minutes) * 60;
    }
    throw ConversionError(QStringLiteral("'%1' is not a valid time").arg(text));
}

} // namespace

std::vector<ReportRow> worldClockRows(const std::vector<platform::WorldZone>& zones,
                                      const QDateTime& utcNow, const QString& timeFormat)
{
    std::vector<ReportRow> rows;
    for (const platform::WorldZone& zone : zones) {
        const qsizetype standard = zone.keyName.indexOf(QLatin1String("Standard Time"));
        const QString name = standard < 0 ? QString() : zone.keyName.left(standard);
        if (skipped(name))
            continue;
        const QString display = zone.display.mid(kDisplayPrefixLength);
        const qsizetype bracket = display.indexOf(QLatin1Char(')'));
        const QString places = display.mid(bracket + 1, kMostPlaceCharacters);
        const QString offset = bracket < 0 ? QString() : display.left(bracket);
        if (offset.isEmpty())
            continue;
        const int seconds = offsetSeconds(offset.mid(1));
        const QTimeZone tz(zone.ianaId);
        const QDateTime local =
            tz.isValid() ? utcNow.toTimeZone(tz)
                         : utcNow.addSecs(offset.at(0) == QLatin1Char('+') ? seconds : -seconds);
        rows.push_back(
            {name + QLatin1Char('(') + places + QLatin1String(")[") + offset + QLatin1Char(']'),
             platform::formatTime(local.time(), timeFormat)});
    }
    return rows;
}

QString tehranTime(const QDateTime& utcNow, const QString& timeFormat)
{
    const QTimeZone tehran("Asia/Tehran");
    const QDateTime local =
        tehran.isValid() ? utcNow.toTimeZone(tehran) : utcNow.addSecs(kTehranOffsetSeconds);
    return platform::formatTime(local.time(), timeFormat);
}

} // namespace toolkit
