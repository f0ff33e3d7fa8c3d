// The connect dialog driven headless: its texts, order, masking and keys; running it for a
// connection (confirmed, cancelled, after an end request); the server and database lists.
#include "dataaccess/base/db_error.h"
#include "dataaccess/connection.h"
#include "dataaccess/odbc/driver_catalog.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "dataaccess/widgets/server_list.h"
#include "platform/end_request.h"

#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using db::ConnectionSettings;
using db::MSConnectDialog2;

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

/// Answers the dialog with a function of the test, in place of a person.
class ScriptedDialog final : public db::ConnectDialogPresenter {
public:
    explicit ScriptedDialog(std::function<int(MSConnectDialog2&)> answer)
        : m_answer(std::move(answer))
    {
        db::setConnectDialogPresenter(this);
    }
    ~ScriptedDialog() override { db::setConnectDialogPresenter(nullptr); }
    ScriptedDialog(const ScriptedDialog&) = delete;
    ScriptedDialog& operator=(const ScriptedDialog&) = delete;

    int present(MSConnectDialog2& dialog) override
    {
        ++shown;
        return m_answer(dialog);
    }
    int shown = 0;

private:
    std::function<int(MSConnectDialog2&)> m_answer;
};

/// Types into the dialog's entries and presses connect, as an operator would.
int typeAndConnect(MSConnectDialog2& dialog, const ConnectionSettings& typed)
{
    dialog.userNameEdit()->setText(typed.UserName);
    dialog.passwordEdit()->setText(typed.Password);
    dialog.serverList()->setEditText(typed.Server);
    dialog.databaseList()->setEditText(typed.Database);
    QTest::mouseClick(dialog.connectButton(), Qt::LeftButton);
    return dialog.result();
}

TEST(ConnectDialog, ShowsItsTextsInOrderFromTopToBottom)
{
    MSConnectDialog2 dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("اتصال به بانك اصلي"));
    EXPECT_EQ(dialog.layoutDirection(), Qt::RightToLeft);
    auto* form = dialog.findChild<QFormLayout*>();
    ASSERT_NE(form, nullptr);
    const std::vector<std::pair<QString, QWidget*>> rows{
        {QStringLiteral("نام كاربر"), dialog.userNameEdit()},
        {QStringLiteral("رمز عبور"), dialog.passwordEdit()},
        {QStringLiteral("سرور"), dialog.serverList()},
        {QStringLiteral("Database"), dialog.databaseList()}};
    ASSERT_EQ(form->rowCount(), static_cast<int>(rows.size()));
    for (int row = 0; row < form->rowCount(); ++row) {
        auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), rows[static_cast<std::size_t>(row)].first);
        EXPECT_EQ(form->itemAt(row, QFormLayout::FieldRole)->widget(),
                  rows[static_cast<std::size_t>(row)].second);
    }
    EXPECT_EQ(dialog.connectButton()->text(), QStringLiteral("اتصال"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("انصراف"));
    EXPECT_TRUE(dialog.connectButton()->isDefault());
    EXPECT_TRUE(dialog.serverList()->isEditable());
    EXPECT_TRUE(dialog.databaseList()->isEditable());
}

TEST(ConnectDialog, MasksThePasswordWithStars)
{
    MSConnectDialog2 dialog;
    dialog.show();
    QLineEdit* password = dialog.passwordEdit();
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(
        password->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, password),
        u'*');
    QTest::keyClicks(password, QStringLiteral("p;w{d}="));
    EXPECT_EQ(password->text(), QStringLiteral("p;w{d}="));
    EXPECT_EQ(password->displayText(), QStringLiteral("*******"));
}

TEST(ConnectDialog, EnterConnectsAndEscapeCancels)
{
    const struct {
        Qt::Key key;
        int result;
    } cases[] = {{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}};
    for (const auto& c : cases) {
        MSConnectDialog2 dialog;
        dialog.show();
        QSignalSpy finished(&dialog, &QDialog::finished);
        QTest::keyClick(dialog.userNameEdit(), c.key);
        ASSERT_EQ(finished.count(), 1) << c.key;
        EXPECT_EQ(finished.at(0).at(0).toInt(), c.result) << c.key;
    }
}

class RunConnectDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_app.isValid());
        touch(m_app.filePath(QStringLiteral("Farm.db")));
        db::setApplicationPath(m_app.path());
        connection.Database = QStringLiteral("master");
    }
    void TearDown() override
    {
        db::setApplicationPath(QString());
        platform::resetEndRequest();
    }

    QTemporaryDir m_app;
    db::Connection connection;
};

TEST_F(RunConnectDialog, StartsFromTheConnectionAndAppliesWhatWasTyped)
{
    const ConnectionSettings typed{"farmsrv,1433", QStringLiteral("دامداري"), "sa", "p;w{d}="};
    ConnectionSettings shownFirst;
    int embeddedOffered = -1;
    ScriptedDialog person([&](MSConnectDialog2& dialog) {
        shownFirst = dialog.settings();
        embeddedOffered = dialog.serverList()->findText(QStringLiteral("sqlite:."));
        return typeAndConnect(dialog, typed);
    });
    EXPECT_TRUE(db::runConnectDialog(connection));
    EXPECT_EQ(shownFirst, (ConnectionSettings{"", "master", "", ""}));
    EXPECT_GE(embeddedOffered, 0) << "the folder beside the program holds a database";
    EXPECT_EQ(connection.settings(), typed);
}

TEST_F(RunConnectDialog, CancelLeavesTheConnectionAsItWas)
{
    ScriptedDialog person([](MSConnectDialog2& dialog) {
        dialog.userNameEdit()->setText("typed");
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        return dialog.result();
    });
    EXPECT_FALSE(db::runConnectDialog(connection));
    EXPECT_EQ(connection.settings(), (ConnectionSettings{"", "master", "", ""}));
}

TEST_F(RunConnectDialog, AfterAnEndRequestReturnsCancelledWithoutShowing)
{
    ScriptedDialog person([](MSConnectDialog2& dialog) {
        return typeAndConnect(dialog, {"x", "y", "z", "w"});
    });
    platform::requestEnd();
    EXPECT_FALSE(db::runConnectDialog(connection));
    EXPECT_EQ(person.shown, 0);
}

TEST_F(RunConnectDialog, ConnectionWithLoginPromptConnectsWithTheTypedSettings)
{
    db::installConnectDialog();
    connection.LoginPrompt = true;
    ScriptedDialog person([](MSConnectDialog2& dialog) {
        return typeAndConnect(dialog, {"sqlite:.", "Farm", "sa", ""});
    });
    try {
        connection.Connect();
    } catch (const db::DbError& error) {
        FAIL() << error.message().toStdString();
    }
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(connection.Server, "sqlite:.");
    EXPECT_EQ(connection.Database, "Farm");
}

TEST_F(RunConnectDialog, ACancelledDialogMakesTheConnectionFail)
{
    db::installConnectDialog();
    connection.LoginPrompt = true;
    ScriptedDialog person([](MSConnectDialog2& dialog) {
        QTest::keyClick(dialog.userNameEdit(), Qt::Key_Escape);
        return dialog.result();
    });
    EXPECT_THROW(connection.Connect(), db::DbError);
    EXPECT_FALSE(connection.Connected());
}

TEST_F(RunConnectDialog, DatabaseListShowsTheDatabasesOfTheServerWhenDroppedDown)
{
    touch(m_app.filePath(QStringLiteral("Archive.db")));
    MSConnectDialog2 dialog;
    dialog.setSettings({"sqlite:.", "Farm", "sa", ""});
    dialog.show();
    QSignalSpy dropped(dialog.databaseList(), &db::DropDownList::aboutToDropDown);
    dialog.databaseList()->showPopup();
    EXPECT_EQ(dropped.count(), 1);
    QStringList listed;
    for (int i = 0; i < dialog.databaseList()->count(); ++i)
        listed << dialog.databaseList()->itemText(i);
    EXPECT_TRUE(listed.contains("Farm")) << listed.join(',').toStdString();
    EXPECT_TRUE(listed.contains("Archive")) << listed.join(',').toStdString();
    EXPECT_EQ(dialog.databaseList()->currentText(), "Farm") << "the database typed is kept";
}

TEST_F(RunConnectDialog, AnUnreachableServerLeavesTheDatabaseListEmpty)
{
    MSConnectDialog2 dialog;
    dialog.setSettings({"sqlite:NoSuchFolder", "Farm", "sa", ""});
    dialog.refreshDatabases();
    EXPECT_EQ(dialog.databaseList()->count(), 0);
    EXPECT_EQ(dialog.databaseList()->currentText(), "Farm");
}

TEST(ServerList, EmbeddedServersAreTheFoldersHoldingDatabases)
{
    QTemporaryDir app;
    ASSERT_TRUE(app.isValid());
    const QDir root(app.path());
    for (const char* folder : {"farms", "empty", "notes", "zoo"})
        ASSERT_TRUE(root.mkdir(folder));
    touch(root.filePath("own.db"));
    touch(root.filePath("farms/Farm.db"));
    touch(root.filePath("notes/readme.txt"));
    touch(root.filePath("zoo/a.db"));
    EXPECT_EQ(db::embeddedServers(app.path()),
              (QStringList{"sqlite:.", "sqlite:farms", "sqlite:zoo"}));
    EXPECT_TRUE(db::embeddedServers(root.filePath("empty")).isEmpty());
}

TEST(ServerList, FreeTdsServersAreTheSectionsOfItsFiles)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString system = folder.filePath("freetds.conf");
    const QString user = folder.filePath(".freetds.conf");
    const auto write = [](const QString& path, const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write(system,
          "[global]\n\ttds version = auto\n; [commented]\n#[also]\n[FarmA]\n\thost = 10.0.0.5\n"
          "  [ Farm B ]  \n\tport = 1533\n");
    write(user, "[farma]\nhost = other\n[Office]\n");
    EXPECT_EQ(db::odbc::freeTdsServers({system, user, folder.filePath("missing.conf")}),
              (QStringList{"FarmA", "Farm B", "Office"}));
}

} // namespace
