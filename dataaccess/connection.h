#pragma once

#include "dataaccess/base/connection_settings.h"
#include "dataaccess/base/engine.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace db {

/// A database connection: four settings, a login-prompt switch and one engine session while
/// connected. "sqlite:FOLDER" servers are served by the embedded engine, any other server by
/// the SQL Server engine.
class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    QString Server;
    QString Database;
    QString UserName;
    QString Password;
    /// With it on, Connect first shows the connect dialog (see setLoginDialog).
    bool LoginPrompt = false;

    /// Opens the session. Already connected: nothing happens. A failed connection or a
    /// cancelled connect dialog raises DbError (the engine's own message for a failure).
    void Connect();
    /// Closes the session; every dataset on the connection is closed first. Never fails.
    void Disconnect();
    bool Connected() const;

    /// The four settings as they stand.
    ConnectionSettings settings() const;
    void setSettings(const ConnectionSettings& settings);

    /// The OLE DB style connection text of the settings:
    /// "User ID=…;Password=…;Data Source=…;Initial Catalog=…". A value holding ";", a quote,
    /// or blanks at an end stands in double quotes with inner double quotes doubled. It names
    /// no provider: an OLE DB client puts "Provider=SQLOLEDB.1;Persist Security Info=True;"
    /// in front.
    QString ConnectionString() const;

    /// The open session. Raises DbError when not connected.
    EngineSession& session();

    /// Shows the connect dialog for `connection` (it may change the four settings) and answers
    /// whether the user confirmed. Installed by the program; none is installed by default.
    using LoginDialog = std::function<bool(Connection& connection)>;
    /// Installs the connect dialog every connection with LoginPrompt on shows; an empty
    /// function removes it (such a connection then fails to connect with a DbError).
    static void setLoginDialog(LoginDialog dialog);

signals:
    void connected();
    /// Emitted before the session closes; datasets close themselves on it.
    void aboutToDisconnect();

private:
    std::unique_ptr<EngineSession> m_session;
};

} // namespace db
