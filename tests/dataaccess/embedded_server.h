#pragma once

#include "dataaccess/base/db_error.h"
#include "dataaccess/connection.h"
#include "dataaccess/query.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace dataaccess_test {

/// An embedded server in a temporary folder, removed with it.
class EmbeddedServer {
public:
    EmbeddedServer() { EXPECT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.path(); }
    QString server() const { return QStringLiteral("sqlite:") + m_dir.path(); }

    /// Makes an empty database: an empty file is an empty SQLite database.
    void createDatabase(const QString& name) const
    {
        QFile file(m_dir.filePath(name + QStringLiteral(".db")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
    }

    std::unique_ptr<db::Connection> connect(const QString& database) const
    {
        auto connection = std::make_unique<db::Connection>();
        connection->Server = server();
        connection->Database = database;
        connection->UserName = QStringLiteral("sa");
        connection->Connect();
        return connection;
    }

private:
    QTemporaryDir m_dir;
};

/// Runs a statement that returns no rows; a failure fails the test with the engine's text.
inline void exec(db::Connection& connection, const QString& sql)
{
    try {
        db::Query query(connection);
        query.setSQL(sql);
        query.ExecSQL();
    } catch (const db::DbError& error) {
        ADD_FAILURE() << sql.toStdString() << "\n  failed: " << error.message().toStdString();
    }
}

/// The first column of the first row as text; a failure fails the test with the engine's text.
inline QString scalar(db::Connection& connection, const QString& sql)
{
    try {
        db::Query query(connection);
        query.setSQL(sql);
        query.Open();
        return query.IsEmpty() ? QStringLiteral("<no row>") : query.Fields(0).AsString();
    } catch (const db::DbError& error) {
        ADD_FAILURE() << sql.toStdString() << "\n  failed: " << error.message().toStdString();
        return QString();
    }
}

/// The message of the DbError a statement raises, or empty when it runs.
inline QString failureOf(db::Connection& connection, const QString& sql)
{
    try {
        db::Query query(connection);
        query.setSQL(sql);
        query.ExecSQL();
    } catch (const db::DbError& error) {
        return error.message();
    }
    return QString();
}

} // namespace dataaccess_test
