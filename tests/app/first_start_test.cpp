// The installed program's first start: the farm's settings asked in the real connect dialog and
// written owner-only, settings that do not connect asked again, a cancel that says where the
// settings go, and the demo farm laid out in a farm folder.
#include "app/first_start/farm_setup.h"
#include "dataaccess/connection.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "platform/text_file.h"
#include "support/qstring_printer.h"
#include "support/scripted_box_presenter.h"
#include "toolkit/db/settings_files.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

using db::ConnectionSettings;

/// Answers each showing of the connect dialog with the next settings typed and connect pressed;
/// an answer without settings presses cancel. Records the servers the dialog offered.
class TypingOperator final : public db::ConnectDialogPresenter {
public:
    explicit TypingOperator(std::deque<std::optional<ConnectionSettings>> answers)
        : m_answers(std::move(answers))
    {
        db::setConnectDialogPresenter(this);
    }
    ~TypingOperator() override { db::setConnectDialogPresenter(nullptr); }
    TypingOperator(const TypingOperator&) = delete;
    TypingOperator& operator=(const TypingOperator&) = delete;

    int present(db::MSConnectDialog2& dialog) override
    {
        ++shown;
        offered.clear();
        for (int i = 0; i < dialog.serverList()->count(); ++i)
            offered << dialog.serverList()->itemText(i);
        const std::optional<ConnectionSettings> answer =
            m_answers.empty() ? std::nullopt : m_answers.front();
        if (!m_answers.empty())
            m_answers.pop_front();
        if (!answer) {
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
            return dialog.result();
        }
        dialog.userNameEdit()->setText(answer->UserName);
        dialog.passwordEdit()->setText(answer->Password);
        dialog.serverList()->setEditText(answer->Server);
        dialog.databaseList()->setEditText(answer->Database);
        QTest::mouseClick(dialog.connectButton(), Qt::LeftButton);
        return dialog.result();
    }

    int shown = 0;
    QStringList offered;

private:
    std::deque<std::optional<ConnectionSettings>> m_answers;
};

class FirstStart : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        ASSERT_TRUE(QDir(folder()).mkpath("farm"));
        QFile database(QDir(folder()).filePath("farm/Herd.db")); // an empty, valid database
        ASSERT_TRUE(database.open(QIODevice::WriteOnly));
    }
    void TearDown() override { db::setApplicationPath(QString()); }

    QString folder() const { return m_temp.path(); }
    QString settingsFile() const { return QDir(folder()).filePath(toolkit::kWTimesFile); }
    ConnectionSettings written() const
    {
        return toolkit::settingsFromWTimes(
            toolkit::wtimesLines(platform::readTextFile(settingsFile())));
    }

    QTemporaryDir m_temp;
    testing_support::ScriptedBoxPresenter boxes;
};

TEST_F(FirstStart, WritesTheAnswerOwnerOnlyOnceItConnects)
{
    const ConnectionSettings farm{"sqlite:farm", "Herd", "sa", "p;w"};
    TypingOperator person({farm});
    ASSERT_TRUE(app::askFarmSettings(folder()));
    EXPECT_EQ(person.shown, 1);
    EXPECT_TRUE(person.offered.contains("sqlite:farm")) << person.offered.join(", ").toStdString();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(written(), farm);
    namespace fs = std::filesystem;
    EXPECT_EQ(fs::status(settingsFile().toStdString()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FirstStart, SettingsThatDoNotConnectAreAskedAgain)
{
    const ConnectionSettings wrong{"sqlite:farm", "NoSuchHerd", "sa", ""};
    const ConnectionSettings right{"sqlite:farm", "herd", "sa", ""};
    TypingOperator person({wrong, right});
    ASSERT_TRUE(app::askFarmSettings(folder()));
    EXPECT_EQ(person.shown, 2);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, platform::BoxKind::Error);
    EXPECT_TRUE(boxes.shown[0].text.contains("NoSuchHerd")) << boxes.shown[0].text.toStdString();
    EXPECT_EQ(written(), right);
}

TEST_F(FirstStart, CancelWritesNothingAndSaysWhereTheSettingsGo)
{
    const ConnectionSettings wrong{"sqlite:farm", "NoSuchHerd", "sa", ""};
    TypingOperator person({wrong, std::nullopt});
    EXPECT_FALSE(app::askFarmSettings(folder()));
    EXPECT_FALSE(QFile::exists(settingsFile()));
    ASSERT_EQ(boxes.shown.size(), 2u); // the failed connection, then where the settings go
    EXPECT_TRUE(boxes.shown[1].text.contains(settingsFile())) << boxes.shown[1].text.toStdString();
    EXPECT_EQ(boxes.shown[1].caption, QStringLiteral("پيام"));
}

TEST_F(FirstStart, ValueTheFileCannotHoldIsReportedAndAskedAgain)
{
    // "-(" at positions 16 and 17 scrambles into CR LF; the embedded server takes the password
    // as given, so only the file refuses it.
    const ConnectionSettings unkeepable{"sqlite:farm", "Herd", "sa", "123456789012345-("};
    const ConnectionSettings keepable{"sqlite:farm", "Herd", "sa", "(-"};
    TypingOperator person({unkeepable, keepable});
    ASSERT_TRUE(app::askFarmSettings(folder()));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.contains("password")) << boxes.shown[0].text.toStdString();
    EXPECT_EQ(written(), keepable);
}

TEST_F(FirstStart, DemoFarmIsLaidOutOnceAndConnects)
{
    app::layOutDemoFarm(folder());
    const ConnectionSettings demo = written();
    EXPECT_EQ(demo, (ConnectionSettings{"sqlite:farm", "DemoFarm", "sa", ""}));
    db::setApplicationPath(folder());
    db::Connection connection;
    connection.setSettings(demo);
    EXPECT_NO_THROW(connection.Connect());
    connection.Disconnect();

    // A second run keeps what is there: the demo's working list lives on.
    const QString database = QDir(folder()).filePath("farm/DemoFarm.db");
    const QDateTime made = QFileInfo(database).lastModified();
    platform::writeTextFile(settingsFile(),
                            toolkit::wtimesFileLines({"sqlite:farm", "Herd", "sa", ""}));
    app::layOutDemoFarm(folder());
    EXPECT_EQ(QFileInfo(database).lastModified(), made);
    EXPECT_EQ(written().Database, "Herd");
}

} // namespace
