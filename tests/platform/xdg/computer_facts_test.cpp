#include "platform/xdg/computer_facts.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

TEST(MeminfoTest, ReadsTotalsPastFourGigabytesAndTheShareInUse)
{
    const auto figures = platform::parseMeminfo("MemTotal:       33554432 kB\n"
                                                "MemFree:         1000000 kB\n"
                                                "MemAvailable:    8388608 kB\n"
                                                "SwapTotal:      16777216 kB\n"
                                                "SwapFree:       16777216 kB\n");
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(figures->totalPhysicalKb, 33554432u); // 32 GiB
    EXPECT_EQ(figures->totalVirtualKb, 16777216u);
    EXPECT_EQ(figures->loadPercent, 75);
}

TEST(MeminfoTest, WithoutAvailableOrSwapCountsNothingInUseAndNoSwap)
{
    const auto figures = platform::parseMeminfo("MemTotal: 1024 kB\n");
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(figures->loadPercent, 0);
    EXPECT_EQ(figures->totalVirtualKb, 0u);
    EXPECT_EQ(platform::parseMeminfo("MemFree: 10 kB\n"), std::nullopt);
    EXPECT_EQ(platform::parseMeminfo("MemTotal: 0 kB\n"), std::nullopt);
}

TEST(MeminfoTest, ThisMachineHasMemory)
{
    const platform::ComputerFacts facts = platform::computerFacts();
    EXPECT_GT(facts.totalPhysicalKb, 0u);
    EXPECT_LE(facts.memoryLoadPercent, 100);
}

TEST(VolumeSerialTest, IsTheFirstThirtyTwoBitsOfTheUuid)
{
    EXPECT_EQ(platform::volumeSerialOfUuid(QStringLiteral("f3a1c2d4-1111-2222-3333-444455556666")),
              0xf3a1c2d4u);
    EXPECT_EQ(platform::volumeSerialOfUuid(QStringLiteral("1A2B-3C4D")), 0x1a2b3c4du); // FAT
    EXPECT_EQ(platform::volumeSerialOfUuid(QStringLiteral("12ab")), std::nullopt);
    EXPECT_EQ(platform::volumeSerialOfUuid(QStringLiteral("zzzzzzzz")), std::nullopt);
}

struct LayoutCase {
    const char* name;
    const char* layout;
    const char* language;
};

class KeyboardLanguageTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(KeyboardLanguageTest, NamesTheLanguageOfTheLayout)
{
    EXPECT_EQ(platform::keyboardLanguageName(QString::fromUtf8(GetParam().layout)),
              QString::fromUtf8(GetParam().language));
}

INSTANTIATE_TEST_SUITE_P(Layouts, KeyboardLanguageTest,
                         ::testing::Values(LayoutCase{"us", "us", "English (United States)"},
                                           LayoutCase{"iran", "ir", "Persian (Iran)"},
                                           LayoutCase{"variant", "ir(pes_keypad)",
                                                      "Persian (Iran)"},
                                           LayoutCase{"germany", "de", "German (Germany)"},
                                           LayoutCase{"languageCode", "epo", "Esperanto"},
                                           LayoutCase{"unknown", "xyzzy", "xyzzy"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyboardDefaultsTest, ReadsTheLayoutsOfTheDebianKeyboardFile)
{
    EXPECT_EQ(platform::layoutsOfKeyboardDefaults("XKBMODEL=\"pc105\"\nXKBLAYOUT=\"us,ir\"\n"),
              QStringLiteral("us,ir"));
    EXPECT_EQ(platform::layoutsOfKeyboardDefaults("XKBLAYOUT=de\n"), QStringLiteral("de"));
    EXPECT_EQ(platform::layoutsOfKeyboardDefaults("XKBMODEL=pc105\n"), QString());
}

} // namespace
