#include "platform/process_formats.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace platform {

namespace {

/// The first separator-like character of a locale format, or the fallback when it has none.
QChar firstSeparator(const QString& format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetterOrNumber() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    }
    return fallback;
}

ProcessFormats fromSystemLocale()
{
    const QLocale system = QLocale::system();
    ProcessFormats formats;
    formats.dateSeparator = localeDateSeparator(system);
    formats.timeSeparator = localeTimeSeparator(system);
    const QString decimal = system.decimalPoint();
    if (!decimal.isEmpty())
        formats.decimalSeparator = decimal.front();
    return formats;
}

/// Length of the run of the same letter (ignoring case) that starts at position i.
qsizetype runLength(const QString& format, qsizetype i)
{
    const QChar letter = format.at(i).toLower();
    qsizetype n = 1;
    while (i + n < format.size() && format.at(i + n).toLower() == letter)
        ++n;
    return n;
}

/// Writes a format: a run of one field letter (either case) becomes what field gives for it,
/// the separator mark becomes the separator, and every other character stands for itself.
QString writeFormat(const QString& format, QChar separatorMark, QChar separator,
                    const std::function<std::optional<QString>(QChar letter, qsizetype run)>& field)
{
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const qsizetype run = runLength(format, i);
        if (const std::optional<QString> text = field(format.at(i).toLower(), run)) {
            out += *text;
            i += run;
            continue;
        }
        out += format.at(i) == separatorMark ? separator : format.at(i);
        ++i;
    }
    return out;
}

QString number(int value, qsizetype width)
{
    return QStringLiteral("%1").arg(value, static_cast<int>(width), 10, QLatin1Char('0'));
}

/// Reads one date field: ASCII digits only, blanks around it allowed; -1 when it is not one.
int dateField(const QString& text)
{
    const QString field = text.trimmed();
    constexpr qsizetype maxDigits = 4; // keeps the value far from overflow
    if (field.isEmpty() || field.size() > maxDigits)
        return -1;
    int value = 0;
    for (const QChar c : field) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

ProcessFormats& processFormats()
{
    static ProcessFormats formats = fromSystemLocale();
    return formats;
}

QChar localeDateSeparator(const QLocale& locale)
{
    return firstSeparator(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
}

QChar localeTimeSeparator(const QLocale& locale)
{
    return firstSeparator(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
}

QString formatDate(const QDate& date, const QString& format)
{
    if (!date.isValid())
        return {};
    return writeFormat(format, QLatin1Char('/'), processFormats().dateSeparator,
                       [&](QChar letter, qsizetype run) -> std::optional<QString> {
                           if (letter == QLatin1Char('d'))
                               return number(date.day(), run == 1 ? 1 : 2);
                           if (letter == QLatin1Char('m'))
                               return number(date.month(), run == 1 ? 1 : 2);
                           if (letter == QLatin1Char('y') && run <= 2)
                               return number(date.year() % 100, 2); // [00, 99]
                           if (letter == QLatin1Char('y'))
                               return number(date.year(), 4);
                           return std::nullopt;
                       });
}

QString formatShortDate(const QDate& date)
{
    return formatDate(date, processFormats().shortDateFormat);
}

QString formatTime(const QTime& time, const QString& format)
{
    if (!time.isValid())
        return {};
    return writeFormat(format, QLatin1Char(':'), processFormats().timeSeparator,
                       [&](QChar letter, qsizetype run) -> std::optional<QString> {
                           const int width = run == 1 ? 1 : 2;
                           if (letter == QLatin1Char('h'))
                               return number(time.hour(), width);
                           if (letter == QLatin1Char('m'))
                               return number(time.minute(), width);
                           if (letter == QLatin1Char('s'))
                               return number(time.second(), width);
                           return std::nullopt;
                       });
}

QDate parseShortDate(const QString& text)
{
    const ProcessFormats& formats = processFormats();
    QString order; // the letters d, m and y in the order the format names them
    for (const QChar ch : formats.shortDateFormat) {
        const QChar c = ch.toLower();
        if ((c == QLatin1Char('d') || c == QLatin1Char('m') || c == QLatin1Char('y')) &&
            !order.contains(c))
            order += c;
    }
    const QStringList parts = text.split(formats.dateSeparator);
    if (order.size() != 3 || parts.size() != 3)
        return {};
    int day = -1;
    int month = -1;
    int year = -1;
    for (qsizetype i = 0; i < 3; ++i) {
        const int value = dateField(parts.at(i));
        if (value < 0)
            return {};
        if (order.at(i) == QLatin1Char('d'))
            day = value;
        else if (order.at(i) == QLatin1Char('m'))
            month = value;
        else
            year = value;
    }
    return QDate(year, month, day);
}

} // namespace platform
