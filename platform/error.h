#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

/// The system's one error type: a failure carrying a message text. Operations raise it where a
/// failure is left to the caller; the application's general error report shows its message.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace platform
