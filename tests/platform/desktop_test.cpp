#include "platform/gui/desktop.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

TEST(DesktopWorkArea, WithoutAScreenIsTheSmallestDesktopTheFormsAreLaidOutFor)
{
    ASSERT_EQ(QGuiApplication::primaryScreen(), nullptr); // a core application has no screens
    EXPECT_EQ(platform::desktopWorkArea(), QRect(0, 0, 1024, 768));
}

} // namespace
