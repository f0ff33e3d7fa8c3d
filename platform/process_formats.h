#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

namespace platform {

/// The process-wide date, time and number formats. In a format, "/" stands for the system's date
/// separator and ":" for its time separator; the separators themselves come from the system's
/// locale and are never set by the program (a test may set them to act as another system).
struct ProcessFormats {
    QString shortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString longDateFormat = QStringLiteral("dd/mm/yyyy");
    QString shortTimeFormat = QStringLiteral("HH:mm:ss");
    QString longTimeFormat = QStringLiteral("HH:mm:ss");
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    QChar decimalSeparator = QLatin1Char('.');
};

/// The one process-wide set, with the separators read from the system locale on first use.
ProcessFormats& processFormats();

/// Formats a date with a format of the kind above ("dd", "mm", "yyyy", "/" for the separator).
QString formatDate(const QDate& date, const QString& format);
/// The date in the process short date format.
QString formatShortDate(const QDate& date);
/// Formats a time with "HH", "mm" (minutes), "ss" and ":" for the time separator.
QString formatTime(const QTime& time, const QString& format);
/// Reads a date written in the process short date format; an invalid QDate when it does not fit.
QDate parseShortDate(const QString& text);

} // namespace platform
