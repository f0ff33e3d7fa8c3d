#include "platform/desktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(DesktopWorkArea, IsThePrimaryScreensAreaFreeOfPanels)
{
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr); // the offscreen platform has one
    const QRect area = platform::desktopWorkArea();
    EXPECT_FALSE(area.isEmpty());
    EXPECT_EQ(area, QGuiApplication::primaryScreen()->availableGeometry());
}

} // namespace
