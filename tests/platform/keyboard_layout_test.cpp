#include "platform/keyboard_layout.h"
#include "platform/xkb_groups.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct GroupCase {
    const char* name;
    const char* configured;
    const char* layoutId;
    std::optional<int> group;
};

class XkbGroupTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(XkbGroupTest, SwitchesOnlyAmongAConfiguredPersianAndUsLayout)
{
    const GroupCase& c = GetParam();
    EXPECT_EQ(
        platform::xkbGroupFor(QString::fromLatin1(c.layoutId), QString::fromLatin1(c.configured)),
        c.group);
}

constexpr const char* persian = "00000429";
constexpr const char* english = "00000409";

INSTANTIATE_TEST_SUITE_P(
    Maps, XkbGroupTest,
    ::testing::Values(GroupCase{"persianSecond", "us,ir", persian, 1},
                      GroupCase{"englishFirst", "us,ir", english, 0},
                      GroupCase{"persianFirst", "ir,us", persian, 0},
                      GroupCase{"amongOthers", "de,ir,us", english, 2},
                      GroupCase{"variantsAndBlanks", "us(intl), ir(pes)", persian, 1},
                      GroupCase{"upperCase", "US,IR", persian, 1},
                      GroupCase{"onlyUs", "us", persian, std::nullopt},
                      GroupCase{"onlyPersian", "ir", english, std::nullopt},
                      GroupCase{"noUs", "gb,ir", english, std::nullopt},
                      GroupCase{"persianBeyondFourGroups", "us,de,fr,gb,ir", persian, std::nullopt},
                      GroupCase{"nothingConfigured", "", persian, std::nullopt},
                      GroupCase{"otherIdentifier", "us,ir", "00000407", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

/// No X display: the cases never touch the keyboard of the machine that runs them.
class KeyboardLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
    }
    void TearDown() override
    {
        if (!m_display.isNull())
            qputenv("DISPLAY", m_display);
    }

private:
    QByteArray m_display;
};

TEST_F(KeyboardLayoutTest, PersianUntilAnythingElseIsAskedThenTheLastRequest)
{
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kPersianLayout);
    platform::switchKeyboardLayout(platform::kEnglishLayout);
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kEnglishLayout);
    platform::switchKeyboardLayout(platform::kPersianLayout);
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kPersianLayout);
}

TEST_F(KeyboardLayoutTest, WithoutADesktopKeyboardASwitchOnlyRecords)
{
    EXPECT_NO_THROW(platform::switchKeyboardLayout(platform::kEnglishLayout));
    EXPECT_NO_THROW(platform::switchKeyboardLayout(QStringLiteral("00000407")));
    EXPECT_EQ(platform::requestedKeyboardLayout(), "00000407");
    platform::switchKeyboardLayout(platform::kPersianLayout);
}

} // namespace
