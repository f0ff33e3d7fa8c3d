#include "dataaccess/base/connection_settings.h"
#include "platform/keyboard_layout.h"
#include "platform/process_formats.h"
#include "support/scripted_date_picker.h"
#include "toolkit/tools.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        platform::processFormats() = platform::ProcessFormats{};
    }
    QTemporaryDir m_dir;
};

TEST_F(ToolsTest, CreationGivesTheStateItsFirstValues)
{
    toolkit::TTools tools(m_dir.path());
    platform::processFormats().shortDateFormat = "yyyy-mm-dd";
    tools.FormCreate(QDate(2026, 12, 10));
    const auto& state = tools.state();

    EXPECT_EQ(state.AppPath, QDir::toNativeSeparators(m_dir.path()) + QDir::separator());
    EXPECT_TRUE(QDir(m_dir.path() + "/T4V/ED").exists());
    ASSERT_EQ(state.SqlReturnedValues.size(), 50);
    EXPECT_TRUE(std::all_of(state.SqlReturnedValues.begin(), state.SqlReturnedValues.end(),
                            [](const QString& v) { return v.isEmpty(); }));
    EXPECT_EQ(state.SqlReturnedCount, 0);
    EXPECT_TRUE(state.ViewCanBeDroped);
    EXPECT_FALSE(state.LastINIFound);
    EXPECT_EQ(state.WinVer, "000"); // no Windows version outside Windows
    EXPECT_EQ(platform::processFormats().shortDateFormat, "dd/mm/yyyy");
    EXPECT_EQ(platform::processFormats().longTimeFormat, "HH:mm:ss");
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kPersianLayout);
    EXPECT_EQ(tools.FarsiToday(), "1405/09/19");
    EXPECT_FALSE(tools.MessageBoardForm().isVisible());         // made hidden
    EXPECT_EQ(QDir(db::applicationPath()), QDir(m_dir.path())); // embedded servers beside it
}

TEST_F(ToolsTest, StatementsRunOnTheLentConnectionOnlyWhileTheLoanLasts)
{
    toolkit::TTools tools(m_dir.path());
    tools.FormCreate();
    db::Connection* own = &tools.ServerConnection();
    EXPECT_FALSE(own->Connected());
    EXPECT_EQ(own->Database, "master");
    EXPECT_EQ(own->UserName, "sa");
    EXPECT_FALSE(own->LoginPrompt);

    {
        db::Connection farm;
        auto loan =
            std::make_unique<toolkit::ServerConnectionLoan>(tools.LendServerConnection(farm));
        EXPECT_EQ(&tools.ServerConnection(), &farm);
        const toolkit::ServerConnectionLoan moved(std::move(*loan));
        loan.reset(); // a moved-from loan gives nothing back
        EXPECT_EQ(&tools.ServerConnection(), &farm);
    }
    EXPECT_EQ(&tools.ServerConnection(), own);
}

TEST_F(ToolsTest, ShowingTheBoardRestoresThePersianKeyboardAndFormats)
{
    toolkit::TTools tools(m_dir.path());
    tools.FormCreate();
    tools.SwitchToEnglish();
    platform::processFormats().decimalSeparator = QLatin1Char(',');
    ASSERT_EQ(platform::requestedKeyboardLayout(), platform::kEnglishLayout);

    tools.MessageBoardForm().PostThisMessage("t", "v");
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kPersianLayout);
    EXPECT_EQ(platform::processFormats().decimalSeparator, QLatin1Char('.'));
    tools.MessageBoardForm().hide();
}

TEST_F(ToolsTest, DecimalSeparatorIsSetOnlyBySetConfigAgain)
{
    platform::processFormats().decimalSeparator = QLatin1Char(',');
    toolkit::TTools tools(m_dir.path());
    tools.FormCreate();
    EXPECT_EQ(platform::processFormats().decimalSeparator, QLatin1Char(','));
    tools.SetConfigAgain();
    EXPECT_EQ(platform::processFormats().decimalSeparator, QLatin1Char('.'));
}

TEST(ToolsPictures, ConvertAndReduceThroughTheToolkitObject)
{
    QTemporaryDir dir;
    toolkit::TTools tools(dir.path());
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 60));
    ASSERT_TRUE(picture.save(dir.filePath("in.bmp"), "BMP"));

    EXPECT_EQ(tools.ConvertJPG2BMP(dir.filePath("in.bmp")).size(), QSize(6, 4));
    tools.ConvertBMP2JPG(dir.filePath("in.bmp"))->SaveToFile(dir.filePath("in.jpg"));
    tools.ReduceJpgSize(dir.filePath("in.jpg"), dir.filePath("small.jpg"), 3, 2);
    EXPECT_EQ(tools.ConvertJPG2BMP(dir.filePath("small.jpg")).size(), QSize(3, 2));
}

TEST(ToolsDatePicking, PicksThroughTheToolkitObjectOnTheSystemDate)
{
    QTemporaryDir dir;
    toolkit::TTools tools(dir.path());
    testing_support::ScriptedDatePicker picker;
    picker.answer({platform::mrOk, QStringLiteral("1389/11/20")});
    QLineEdit edit(QStringLiteral("89/11/4"));
    const QDate before = QDate::currentDate();
    tools.PickDateFromDate(&edit);
    ASSERT_EQ(picker.shown.size(), 1u);
    EXPECT_EQ(picker.shown[0].startDate, QStringLiteral("1389/11/04"));
    EXPECT_GE(picker.shown[0].today, before);
    EXPECT_LE(picker.shown[0].today, QDate::currentDate());
    EXPECT_EQ(edit.text(), QStringLiteral("1389/11/20"));
    tools.PickDateFromDateOld(&edit);
    EXPECT_EQ(picker.shown.size(), 1u);
}

} // namespace
