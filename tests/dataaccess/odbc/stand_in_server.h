#pragma once

// A stand-in SQL Server on loopback: it speaks just enough TDS 7.4 for the real FreeTDS driver to
// log in, and then behaves as the test asks (hangs up at once, answers, falls silent, drops the
// connection), so that what the driver and our engine make of each case can be seen without a
// SQL Server.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>
#include <thread>

namespace odbc_test {

/// The fields of a TDS 7 login record the tests look at.
struct LoginRecord {
    QString user;
    QString password;
    QString database;
};

/// What the stand-in does once a login record arrived.
enum class AfterLogin {
    HangUp,            ///< record the login and close the connection
    AnswerThenSilence, ///< accept the login, answer every batch until one holds the marker text,
                       ///< then read on and never answer again
    AnswerThenHangUp,  ///< accept the login, answer every batch until one holds the marker text,
                       ///< then close the connection
};

/// Listens on 127.0.0.1 for one client.
class StandInServer {
public:
    explicit StandInServer(AfterLogin behaviour = AfterLogin::HangUp,
                           QString marker = QStringLiteral("WAITFOR"));
    ~StandInServer();
    StandInServer(const StandInServer&) = delete;
    StandInServer& operator=(const StandInServer&) = delete;

    /// The port listened on; 0 when the socket could not be set up.
    int port() const { return m_port; }
    /// "127.0.0.1,PORT", a server setting that reaches the stand-in.
    QString serverSetting() const;
    /// The login record received, if any. Call it once the client is done: it stops listening
    /// and waits until the client has gone.
    std::optional<LoginRecord> login();
    /// True once the marker batch has arrived.
    bool markerSeen() const { return m_markerSeen; }

private:
    void serve();
    void serveClient(int client);

    AfterLogin m_behaviour;
    QString m_marker;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<int> m_client{-1};
    std::atomic<bool> m_markerSeen{false};
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
    std::optional<LoginRecord> m_login;
};

} // namespace odbc_test
