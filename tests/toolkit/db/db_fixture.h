#pragma once

#include "dataaccess/connection.h"
#include "platform/end_request.h"
#include "platform/error.h"
#include "support/qstring_printer.h"
#include "support/recording_tones.h"
#include "support/scripted_box_presenter.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_board.h"
#include "toolkit/boxes/message_boxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <utility>
#include <vector>

namespace toolkit_db_testing {

/// Remembers every call of the board protocol; "on screen" is whatever the test sets.
class RecordingBoard final : public toolkit::MessageBoard {
public:
    struct Row {
        QString title;
        QString text;
        bool operator==(const Row&) const = default;
    };
    void StartRecording(bool IsFarsi, const QString& Title) override
    {
        ++starts;
        farsi = IsFarsi;
        caption = Title;
        rows.clear();
        onScreen = true;
    }
    void PostThisMessage(const QString& Titr, const QString& Value) override
    {
        rows.push_back({Titr, Value});
        onScreen = true;
    }
    void StopRecording() override { ++stops; }
    bool isOnScreen() const override { return onScreen; }

    bool onScreen = false;
    int starts = 0;
    int stops = 0;
    bool farsi = false;
    QString caption;
    std::vector<Row> rows;
};

/// Creates the database file FOLDER/NAME.db holding what `statements` (SQLite's own dialect)
/// make; fails the test with SQLite's message when one is refused.
inline void makeDatabase(const QString& folder, const QString& name,
                         const std::vector<const char*>& statements)
{
    QDir().mkpath(folder);
    sqlite3* handle = nullptr;
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name + ".db");
    ASSERT_EQ(sqlite3_open(path.constData(), &handle), SQLITE_OK);
    for (const char* statement : statements) {
        char* message = nullptr;
        const int rc = sqlite3_exec(handle, statement, nullptr, nullptr, &message);
        EXPECT_EQ(rc, SQLITE_OK) << statement << ": " << (message ? message : "");
        sqlite3_free(message);
    }
    sqlite3_close(handle);
}

/// The bytes of a file; empty when it does not exist.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A program folder with its work folder "T4V", an embedded server folder beside it, the state,
/// boxes and board of the toolkit, and an end request cleared before and after each test.
class ToolkitDbTest : public testing::Test {
protected:
    ToolkitDbTest()
    {
        state.AppPath = dir.path() + QLatin1Char('/');
        QDir().mkpath(state.AppPath + "T4V");
        platform::resetEndRequest();
    }
    ~ToolkitDbTest() override
    {
        QCoreApplication::processEvents(); // takes a posted quit while no loop runs
        platform::resetEndRequest();
    }

    QString serverFolder() const { return dir.path() + "/server"; }
    QString server() const { return "sqlite:" + serverFolder(); }

    /// Connects `connection` to database `name` of the test's server, the engine's error text
    /// failing the test.
    void connectTo(db::Connection& connection, const QString& name)
    {
        connection.Server = server();
        connection.Database = name;
        try {
            connection.Connect();
        } catch (const platform::Error& e) {
            FAIL() << e.message().toStdString();
        }
    }

    QTemporaryDir dir;
    toolkit::ToolsState state;
    testing_support::ScriptedBoxPresenter boxPresenter;
    testing_support::RecordingTones silentTones; ///< tones take no time
    toolkit::MessageBoxes boxes;
    RecordingBoard board;
};

} // namespace toolkit_db_testing
