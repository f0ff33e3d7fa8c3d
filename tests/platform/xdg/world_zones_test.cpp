#include "platform/xdg/world_zones.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

TEST(UtcOffsetTextTest, WritesSignHoursAndMinutes)
{
    EXPECT_EQ(platform::utcOffsetText(12600), QStringLiteral("(UTC+03:30)"));
    EXPECT_EQ(platform::utcOffsetText(-18000), QStringLiteral("(UTC-05:00)"));
    EXPECT_EQ(platform::utcOffsetText(-9000), QStringLiteral("(UTC-02:30)"));
    EXPECT_EQ(platform::utcOffsetText(0), QStringLiteral("(UTC+00:00)"));
    EXPECT_EQ(platform::utcOffsetText(50400), QStringLiteral("(UTC+14:00)"));
}

TEST(WorldZonesTest, ListsEachWindowsZoneOnceInNameOrderWithItsStandardOffset)
{
    const QDateTime july(QDate(2026, 7, 1), QTime(12, 0), Qt::UTC);
    const std::vector<platform::WorldZone> zones = platform::worldZones(july);
    ASSERT_GT(zones.size(), 100u);
    for (size_t i = 1; i < zones.size(); ++i)
        EXPECT_LT(zones[i - 1].keyName.compare(zones[i].keyName, Qt::CaseInsensitive), 0)
            << qPrintable(zones[i - 1].keyName) << " / " << qPrintable(zones[i].keyName);
    const auto find = [&zones](const char* name) {
        return std::find_if(zones.cbegin(), zones.cend(), [name](const platform::WorldZone& z) {
            return z.keyName == QLatin1String(name);
        });
    };
    const auto iran = find("Iran Standard Time");
    ASSERT_NE(iran, zones.cend());
    EXPECT_EQ(iran->display, QStringLiteral("(UTC+03:30) Tehran"));
    EXPECT_EQ(iran->ianaId, QByteArray("Asia/Tehran"));
    // Standard time even while the zone keeps daylight saving time.
    const auto pacific = find("Pacific Standard Time");
    ASSERT_NE(pacific, zones.cend());
    EXPECT_TRUE(pacific->display.startsWith(QLatin1String("(UTC-08:00) Los Angeles")))
        << qPrintable(pacific->display);
}

} // namespace
