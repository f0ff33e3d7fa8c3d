#include "dataaccess/connection.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/odbc_engine.h"
#include "dataaccess/sqlite/sqlite_session.h"

#include <QStringList>

namespace db {

namespace {

Connection::LoginDialog& installedLoginDialog()
{
    static Connection::LoginDialog dialog;
    return dialog;
}

/// One "key=value" of an OLE DB connection text.
QString oleDbPair(const QString& key, const QString& value)
{
    const bool quote = value.contains(u';') || value.contains(u'"') || value.contains(u'\'') ||
                       value.trimmed() != value;
    if (!quote)
        return key + u'=' + value;
    QString doubled = value;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return key + QStringLiteral("=\"") + doubled + u'"';
}

} // namespace

Connection::Connection(QObject* parent) : QObject(parent) {}

Connection::~Connection()
{
    Disconnect();
}

void Connection::Connect()
{
    if (m_session)
        return;
    if (LoginPrompt) {
        const LoginDialog& dialog = installedLoginDialog();
        if (!dialog)
            throw DbError(QStringLiteral("The connection asks for its connect dialog, but the "
                                         "program has none installed."));
        if (!dialog(*this))
            throw DbError(QStringLiteral("Connecting to the database was cancelled."));
    }
    const ConnectionSettings current = settings();
    m_session = isEmbeddedServer(current.Server)
                    ? sqlite::openSession(current)
                    : odbc::openSession(current, odbc::ServerOptions::fromEnvironment());
    emit connected();
}

void Connection::Disconnect()
{
    if (!m_session)
        return;
    emit aboutToDisconnect();
    m_session.reset();
}

bool Connection::Connected() const
{
    return m_session != nullptr;
}

ConnectionSettings Connection::settings() const
{
    return {Server, Database, UserName, Password};
}

void Connection::setSettings(const ConnectionSettings& settings)
{
    Server = settings.Server;
    Database = settings.Database;
    UserName = settings.UserName;
    Password = settings.Password;
}

QString Connection::ConnectionString() const
{
    return QStringList{oleDbPair(QStringLiteral("User ID"), UserName),
                       oleDbPair(QStringLiteral("Password"), Password),
                       oleDbPair(QStringLiteral("Data Source"), Server),
                       oleDbPair(QStringLiteral("Initial Catalog"), Database)}
        .join(u';');
}

EngineSession& Connection::session()
{
    if (!m_session)
        throw DbError(QStringLiteral("The database connection is not open."));
    return *m_session;
}

void Connection::setLoginDialog(LoginDialog dialog)
{
    installedLoginDialog() = std::move(dialog);
}

} // namespace db
