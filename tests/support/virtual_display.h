#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>

namespace testing_support {

/// An X server of the test's own (Xvfb, on a local socket only, no window manager), named by
/// DISPLAY for the object's lifetime. Xvfb picks a free display number and tells it.
class VirtualDisplay {
public:
    VirtualDisplay()
        : m_saved(qgetenv("DISPLAY")), m_hadDisplay(qEnvironmentVariableIsSet("DISPLAY"))
    {
        m_server.setProgram(QStringLiteral("Xvfb"));
        m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                               QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                               QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("640x480x24")});
        m_server.setStandardErrorFile(QProcess::nullDevice());
        m_server.start();
        QByteArray number;
        const QDeadlineTimer deadline(20000);
        while (!number.contains('\n') && !deadline.hasExpired() &&
               m_server.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            number += m_server.readAllStandardOutput();
        number = number.trimmed();
        if (number.isEmpty())
            return;
        m_name = ':' + number;
        qputenv("DISPLAY", m_name);
    }
    ~VirtualDisplay()
    {
        if (m_hadDisplay)
            qputenv("DISPLAY", m_saved);
        else
            qunsetenv("DISPLAY");
        m_server.terminate();
        m_server.waitForFinished(10000);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    /// The display's name (":5"); empty when the server did not start.
    const QByteArray& name() const { return m_name; }

private:
    QProcess m_server;
    QByteArray m_name;
    QByteArray m_saved;
    bool m_hadDisplay;
};

} // namespace testing_support
