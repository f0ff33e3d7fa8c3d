#pragma once

#include <QChar>
#include <QDate>
#include <QLocale>
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

/// The one process-wide set, with the separators read from the system locale on first use
/// (the decimal separator too: it stays the locale's until the program sets it).
ProcessFormats& processFormats();

/// The date separator a locale writes short dates with: the first character of its short date
/// format that is no letter, digit, quote or blank; "/" when it has none (the C locale).
QChar localeDateSeparator(const QLocale& locale);
/// The time separator of a locale's short time format, found the same way; ":" when it has none.
QChar localeTimeSeparator(const QLocale& locale);

/// Formats a date with a format of the kind above ("d", "dd", "m", "mm", "yy", "yyyy", "/" for
/// the separator; any other character stands for itself).
QString formatDate(const QDate& date, const QString& format);
/// The date in the process short date format.
QString formatShortDate(const QDate& date);
/// Formats a time with "H"/"HH" (also "h"/"hh", always 24 hours), "m"/"mm" (minutes), "s"/"ss"
/// and ":" for the time separator.
QString formatTime(const QTime& time, const QString& format);
/// Reads a date written in the process short date format: day, month and year in the format's
/// order, separated by the date separator, each one or more digits (blanks around a field are
/// allowed); the year is taken as written. An invalid QDate when it does not fit.
QDate parseShortDate(const QString& text);

} // namespace platform
