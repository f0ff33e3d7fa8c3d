#include "db_fixture.h"
#include "platform/keyboard_layout.h"
#include "platform/text_file.h"
#include "support/file_mode_watch.h"
#include "toolkit/db/connection_settings_tools.h"
#include "toolkit/db/customer_chooser.h"
#include "toolkit/db/db_text_tools.h"
#include "toolkit/db/settings_files.h"

#include <functional>

namespace {

using namespace toolkit_db_testing;

/// Answers the chooser from the test: the result and, on OK, the entry at `pick`.
class ScriptedChooser final : public toolkit::CustomerChooser {
public:
    int ChooseCustomer(const QStringList& customers, QString& chosen) override
    {
        ++shown;
        listed = customers;
        if (result == platform::mrOk)
            chosen = customers.value(pick);
        return result;
    }
    int result = platform::mrOk;
    int pick = 0;
    int shown = 0;
    QStringList listed;
};

/// Installs a connect dialog for the test's lifetime that records what it was shown and fills
/// in the given settings, or cancels.
class ScriptedLoginDialog {
public:
    ScriptedLoginDialog()
    {
        db::Connection::setLoginDialog([this](db::Connection& connection) {
            ++shown;
            shownWith = connection.settings();
            if (!confirm)
                return false;
            connection.setSettings(typed);
            return true;
        });
    }
    ~ScriptedLoginDialog() { db::Connection::setLoginDialog({}); }

    bool confirm = true;
    db::ConnectionSettings typed;
    int shown = 0;
    db::ConnectionSettings shownWith;
};

struct Found {
    QString user, password, server, database;
    bool operator==(const Found&) const = default;
};

void PrintTo(const Found& f, std::ostream* out)
{
    *out << "{" << f.user.toStdString() << ", " << f.password.toStdString() << ", "
         << f.server.toStdString() << ", " << f.database.toStdString() << "}";
}

// Public, so that the table of failures can arrange each case.
class FindConStrTest : public ToolkitDbTest {
public:
    using ToolkitDbTest::server;

    FindConStrTest()
    {
        QDir().mkpath(serverFolder());
        platform::switchKeyboardLayout(platform::kPersianLayout);
        login.typed = {server(), "master", "admin", "p;{}=w"};
    }

    /// The main server: the catalogue "master" and the database "Masters" with its customers.
    void makeMainServer(const std::vector<const char*>& customers)
    {
        std::vector<const char*> statements{
            "CREATE TABLE Masters (DName TEXT, SName TEXT, EngDName TEXT, SPass TEXT)"};
        statements.insert(statements.end(), customers.begin(), customers.end());
        makeDatabase(serverFolder(), "Masters", statements);
    }
    void touch(const QString& name, const QByteArray& bytes = {})
    {
        QFile file(state.AppPath + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString path(const QString& name) const { return state.AppPath + name; }

    Found find()
    {
        Found f{"unset", "unset", "unset", "unset"};
        tools.FindConStr(f.user, f.password, f.server, f.database);
        return f;
    }

    const Found unset{"unset", "unset", "unset", "unset"};
    ScriptedLoginDialog login;
    ScriptedChooser chooser;
    toolkit::ConnectionSettingsTools tools{state, chooser};
};

const char* const twoCustomers = "INSERT INTO Masters VALUES ('مهر', 'srv1', 'Mehr', 'pw1'), "
                                 "('O''Brien', 'srv2', 'Obr', 'p;{}=')";

TEST_F(FindConStrTest, FirstMultiCustomerStartAsksForTheMainServerAndRemembersIt)
{
    makeMainServer({twoCustomers});
    touch("Multiusers.Dat"); // zero bytes is enough
    chooser.pick = 0;        // sorted by name: "O'Brien" before "مهر"

    EXPECT_EQ(find(), (Found{"sa", "p;{}=", "srv2", "Obr"}));
    EXPECT_FALSE(platform::endRequested());
    EXPECT_EQ(login.shown, 1);
    EXPECT_EQ(login.shownWith, (db::ConnectionSettings{"", "master", "", ""}));
    EXPECT_EQ(chooser.listed, (QStringList{"O'Brien", "مهر"}));
    EXPECT_EQ(platform::readTextLines(path("MultiConnect.Dat")),
              (QStringList{server(), "master", "admin", "p;{}=w"}));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFile::permissions(path("MultiConnect.Dat")) & others, 0);
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kPersianLayout);
    EXPECT_EQ(tools.Multiconnection.Database, "Masters");
    EXPECT_TRUE(tools.Multiconnection.Connected());
    EXPECT_EQ(tools.MultiQAsk.FieldByName("DName").AsString(), "O'Brien");
}

TEST_F(FindConStrTest, LaterStartsReadTheRememberedSettingsAndKeepTheFileAsItWas)
{
    makeMainServer({twoCustomers});
    touch("Multiusers.Dat");
    const QByteArray remembered =
        (server() + "\r\nmaster\r\nadmin\r\nsecret\r\nextra\r\n").toUtf8();
    touch("MultiConnect.Dat", remembered);
    chooser.pick = 1;

    EXPECT_EQ(find(), (Found{"sa", "pw1", "srv1", "Mehr"}));
    EXPECT_EQ(login.shown, 0);
    EXPECT_EQ(fileBytes(path("MultiConnect.Dat")),
              (server() + "\r\nmaster\r\nadmin\r\nsecret\r\n").toUtf8());

    const QByteArray rewritten = fileBytes(path("MultiConnect.Dat"));
    toolkit::ConnectionSettingsTools again{state, chooser};
    Found f;
    again.FindConStr(f.user, f.password, f.server, f.database);
    EXPECT_EQ(fileBytes(path("MultiConnect.Dat")), rewritten);
}

TEST_F(FindConStrTest, CustomersOfTheSameNameYieldTheFirstRow)
{
    makeMainServer({"INSERT INTO Masters VALUES ('Twin', 'first', 'D1', 'a'), "
                    "('Twin', 'second', 'D2', 'b')"});
    touch("Multiusers.Dat");
    chooser.pick = 1;
    EXPECT_EQ(find().server, "first");
    EXPECT_EQ(chooser.listed, (QStringList{"Twin", "Twin"}));
}

struct FailureCase {
    const char* name;
    std::function<void(FindConStrTest&)> arrange;
    int dialogs;    ///< connect dialogs shown on the way
    bool remembers; ///< the main server was reached, so its settings were written
};

class FindConStrFailureTest : public FindConStrTest,
                              public testing::WithParamInterface<FailureCase> {};

TEST_P(FindConStrFailureTest, RequestsTheEndAndSetsNothing)
{
    touch("Multiusers.Dat", "anything");
    GetParam().arrange(*this);
    const QByteArray before = fileBytes(path("MultiConnect.Dat"));
    EXPECT_EQ(find(), unset);
    EXPECT_TRUE(platform::endRequested());
    EXPECT_EQ(login.shown, GetParam().dialogs);
    if (GetParam().remembers)
        EXPECT_EQ(platform::readTextLines(path("MultiConnect.Dat")),
                  toolkit::multiConnectLines(login.typed));
    else // unchanged when it was there, not written when it was not
        EXPECT_EQ(fileBytes(path("MultiConnect.Dat")), before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FindConStrFailureTest,
    testing::Values(
        FailureCase{"ThreeLineSettingsFile",
                    [](FindConStrTest& t) {
                        t.makeMainServer({twoCustomers});
                        t.touch("MultiConnect.Dat",
                                (t.server() + "\r\nmaster\r\nadmin\r\n").toUtf8());
                    },
                    0, false},
        FailureCase{"SettingsThatDoNotConnect",
                    [](FindConStrTest& t) {
                        t.touch("MultiConnect.Dat",
                                "sqlite:/no/such/folder\r\nmaster\r\nu\r\np\r\n");
                    },
                    0, false},
        FailureCase{"DialogCancelled", [](FindConStrTest& t) { t.login.confirm = false; }, 1,
                    false},
        FailureCase{"DialogSettingsDoNotConnect",
                    [](FindConStrTest& t) { t.login.typed.Server = "sqlite:/no/such/folder"; }, 1,
                    false},
        FailureCase{"NoMastersDatabase", [](FindConStrTest&) {}, 1, true},
        FailureCase{"EmptyMastersTable", [](FindConStrTest& t) { t.makeMainServer({}); }, 1, true},
        FailureCase{"ChooserClosedWithoutAChoice",
                    [](FindConStrTest& t) {
                        t.makeMainServer({twoCustomers});
                        t.chooser.result = platform::mrCancel;
                    },
                    1, true}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(FindConStrTest, FailedMainServerLeavesTheKeyboardEnglishAndWritesNoFile)
{
    touch("Multiusers.Dat");
    login.confirm = false;
    EXPECT_EQ(find(), unset);
    EXPECT_EQ(platform::requestedKeyboardLayout(), platform::kEnglishLayout);
    EXPECT_FALSE(QFile::exists(path("MultiConnect.Dat")));
    EXPECT_EQ(chooser.shown, 0);
}

TEST_F(FindConStrTest, CustomerListStatementErrorsReachTheCaller)
{
    makeDatabase(serverFolder(), "Masters", {"CREATE TABLE Other (x INT)"});
    touch("Multiusers.Dat");
    Found f = unset;
    EXPECT_THROW(tools.FindConStr(f.user, f.password, f.server, f.database), platform::Error);
    EXPECT_EQ(f, unset);
    EXPECT_FALSE(platform::endRequested());
}

TEST_F(FindConStrTest, UnreadableSingleCustomerFileReachesTheCaller)
{
    // A file no one can read, root included: reading a process's memory at address 0 fails.
    ASSERT_TRUE(QFile::link("/proc/self/mem", path("WTimes.DLL")));
    Found f = unset;
    EXPECT_THROW(tools.FindConStr(f.user, f.password, f.server, f.database), platform::Error);
    EXPECT_EQ(f, unset);
}

QByteArray wtimesBytes(const QStringList& plain)
{
    QString text;
    for (const QString& line : plain)
        text += toolkit::DbTextTools::FindXOR(line) + "\r\n";
    return text.toLatin1();
}

TEST_F(FindConStrTest, SingleCustomerReadsTheScrambledFile)
{
    touch("WTimes.DLL", wtimesBytes({"p;{}=", "farm\\SQL,1433", "Herd", "sa"}));
    EXPECT_EQ(find(), (Found{"sa", "p;{}=", "farm\\SQL,1433", "Herd"}));
    EXPECT_FALSE(platform::endRequested());
    EXPECT_EQ(login.shown, 0);
    EXPECT_EQ(chooser.shown, 0);
}

TEST_F(FindConStrTest, TwoLineSettingsFileLeavesDatabaseAndUserEmpty)
{
    touch("WTimes.DLL", wtimesBytes({"secret", "server"}));
    EXPECT_EQ(find(), (Found{"", "secret", "server", ""}));
}

TEST_F(FindConStrTest, PersianPasswordInAUtf16File)
{
    QByteArray bytes("\xFF\xFE");
    const QString text = toolkit::DbTextTools::FindXOR("رمز") + "\r\n" +
                         toolkit::DbTextTools::FindXOR("srv") + "\r\n";
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    touch("WTimes.DLL", bytes);
    EXPECT_EQ(find(), (Found{"", "رمز", "srv", ""}));
}

// Another local user's view of "MultiConnect.Dat" at every system call of the first start: it
// was once made with the default mode and narrowed only afterwards, and another user read the
// main server's password in 4 of 20 first starts.
TEST_F(FindConStrTest, RememberedSettingsAreNeverReadableByOthers)
{
    makeMainServer({twoCustomers});
    touch("Multiusers.Dat");
    const testing_support::ModeWatch watch =
        testing_support::watchFileModes(state.AppPath, "MultiConnect.Dat", [this] {
            find();
            return QFile::exists(path("MultiConnect.Dat"));
        });
    if (!watch.traced)
        GTEST_SKIP() << "this system does not let a test trace its child process";
    EXPECT_EQ(watch.exitCode, 0) << "the first start wrote no MultiConnect.Dat";
    EXPECT_FALSE(watch.seen.empty());
    const std::vector<std::string> exposed = testing_support::exposedToOthers(watch);
    EXPECT_TRUE(exposed.empty()) << "seen by others: " << testing::PrintToString(exposed);
}

// Settings files copied from Windows keep whatever letter case they had there.
TEST_F(FindConStrTest, SingleCustomerFileInAnotherLetterCase)
{
    touch("wtimes.dll", wtimesBytes({"pw", "srv", "Herd", "sa"}));
    EXPECT_EQ(find(), (Found{"sa", "pw", "srv", "Herd"}));
    EXPECT_FALSE(platform::endRequested());
}

TEST_F(FindConStrTest, MultiCustomerFilesInAnotherLetterCaseAreReadAndRewrittenInPlace)
{
    makeMainServer({twoCustomers});
    touch("MULTIUSERS.DAT");
    touch("multiconnect.dat", (server() + "\r\nmaster\r\nadmin\r\nsecret\r\n").toUtf8());
    touch("WTimes.DLL", wtimesBytes({"other", "sqlite:/elsewhere", "Other", "sa"}));
    chooser.pick = 1;
    EXPECT_EQ(find(), (Found{"sa", "pw1", "srv1", "Mehr"}));
    EXPECT_EQ(login.shown, 0);
    EXPECT_EQ(platform::readTextLines(path("multiconnect.dat")),
              (QStringList{server(), "master", "admin", "secret"}));
    EXPECT_FALSE(QDir(state.AppPath).entryList().contains("MultiConnect.Dat"));
}

TEST_F(FindConStrTest, AFolderNamedLikeTheMarkerIsNoMarker)
{
    QDir().mkpath(path("Multiusers.Dat"));
    touch("WTimes.DLL", wtimesBytes({"pw", "srv", "Herd", "sa"}));
    EXPECT_EQ(find(), (Found{"sa", "pw", "srv", "Herd"}));
    EXPECT_EQ(login.shown, 0);
}

using FindConStrDeathTest = FindConStrTest;

TEST_F(FindConStrDeathTest, NoSettingsFileAtAllStopsTheProgramWithCodeZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(find(), testing::ExitedWithCode(0), "");
}

TEST_F(FindConStrDeathTest, AFolderNamedLikeTheSettingsFileIsNoSettingsFile)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QDir().mkpath(path("WTimes.DLL"));
    EXPECT_EXIT(find(), testing::ExitedWithCode(0), "");
}

} // namespace
