#include "platform/process_formats.h"
#include "toolkit/base/settings_tools.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <QStringList>
#include <cstdint>

namespace toolkit {

namespace {

const QChar CR(13);

QString dateMessagePrefix(const QString& text)
{
    return QStringLiteral(" تاريخ  ") + text + QStringLiteral("  صحيح نمي باشد") + CR;
}

QString timeMessagePrefix(const QString& text)
{
    return QStringLiteral(" ساعت  ") + text + QStringLiteral("  صحيح نمي باشد") + CR;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool onlyDigitsAnd(const QString& text, QChar sign)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [sign](QChar c) { return isDigit(c) || c == sign; });
}

QString padded(QString field)
{
    if (field.size() < 2)
        field.prepend(QLatin1Char('0'));
    return field;
}

// Hour and minute of a time text holding one ":": the text before it and at most ten
// characters after it, without blanks.
struct TimeFields {
    QString hour;
    QString minute;
};

TimeFields splitTime(const QString& text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return {trimBlanks(QStringView(text).first(colon)),
            trimBlanks(QStringView(text).sliced(colon + 1).first(
                std::min<qsizetype>(10, text.size() - colon - 1)))};
}

} // namespace

bool CalendarTools::IsValidDate(const QString& St)
{
    const QString text = trimBlanks(St);
    const QString prefix = dateMessagePrefix(text);
    if (text.count(QLatin1Char('/')) != 2) {
        m_boxes.ShowMsg(prefix + QStringLiteral("تعداد / صحيح نيست"));
        return false;
    }
    if (!onlyDigitsAnd(text, QLatin1Char('/'))) {
        m_boxes.ShowMsg(prefix + QStringLiteral("جهت تاريخ از اعداد 0 تا 9 استفاده كنيد"));
        return false;
    }
    const QStringList fields = text.split(QLatin1Char('/'));
    if (fields[0].isEmpty() || fields[1].isEmpty() || fields[2].isEmpty()) {
        m_boxes.ShowMsg(QStringLiteral("اشكال در ورود تاريخ"));
        return false;
    }
    const int month = readInteger(fields[1]);
    if (month < 1 || month > 12) {
        m_boxes.ShowMsg(prefix + QStringLiteral("ماه صحيح نيست"));
        return false;
    }
    const int day = readInteger(fields[2]);
    if (day < 1 || day > 31) {
        m_boxes.ShowMsg(prefix + QStringLiteral("روز صحيح نيست"));
        return false;
    }
    return true;
}

QString CalendarTools::CompleateDate(const QString& StToComp)
{
    if (!IsValidDate(StToComp))
        return StToComp;
    const QStringList fields = trimBlanks(StToComp).split(QLatin1Char('/'));
    QString year = fields[0];
    if (year.size() < 4)
        year.prepend(QStringLiteral("1300").left(4 - year.size()));
    return year + QLatin1Char('/') + padded(fields[1]) + QLatin1Char('/') + padded(fields[2]);
}

bool CalendarTools::IsValidTime(const QString& St)
{
    QString text = trimBlanks(St);
    if (!text.contains(QLatin1Char(':')))
        text += QStringLiteral(":00");
    const QString prefix = timeMessagePrefix(text);
    if (text.count(QLatin1Char(':')) != 1) {
        m_boxes.ShowMsg(prefix + QStringLiteral("تعداد \":\" درست نيست"));
        return false;
    }
    if (!onlyDigitsAnd(text, QLatin1Char(':'))) {
        m_boxes.ShowMsg(prefix +
                        QStringLiteral("علامتهاي مجاز اعداد 1 تا 9 و علامت \":\" مي باشد"));
        return false;
    }
    const TimeFields fields = splitTime(text);
    if (fields.hour.isEmpty() || fields.minute.isEmpty()) {
        m_boxes.ShowMsg(prefix + QStringLiteral("اشكال در ورود ساعت"));
        return false;
    }
    if (readInteger(fields.hour) >= 24) {
        m_boxes.ShowMsg(prefix + QStringLiteral("ساعت صحيح نيست"));
        return false;
    }
    if (readInteger(fields.minute) >= 60) {
        m_boxes.ShowMsg(prefix + QStringLiteral("دقيقه صحيح نيست"));
        return false;
    }
    return true;
}

QString CalendarTools::CompleateTime(const QString& St)
{
    if (!IsValidTime(St))
        return {};
    QString text = St;
    if (!text.contains(QLatin1Char(':')))
        text += QStringLiteral(":00");
    const TimeFields fields = splitTime(text);
    return padded(fields.hour) + QLatin1Char(':') + padded(fields.minute);
}

QString CalendarTools::NowTime()
{
    return NowTime(QTime::currentTime());
}

QString CalendarTools::NowTime(const QTime& now)
{
    SettingsTools::setDateTimeFormats();
    const QString clock =
        platform::formatTime(now, platform::processFormats().longTimeFormat); // HH:mm:ss
    // Hours and minutes: up to two characters after the first ":" (the first two without one).
    const QString time = clock.left(clock.indexOf(QLatin1Char(':')) + 3);
    if (time.size() != 5) {
        m_boxes.ShowMsg(QStringLiteral("ساعت ") + time +
                        QStringLiteral("    صحيح نمي باشد . ساعت به 00:00  تغيير يافت"));
        return QStringLiteral("00:00");
    }
    return time;
}

QString CalendarTools::ConvetToDateCompare(const QString& St) const
{
    const qsizetype slash = St.indexOf(QLatin1Char('/'));
    QString first = slash < 0 ? QStringLiteral("00") : St.left(slash);
    QString second = slash < 0 ? St : St.mid(slash + 1, 100);
    const std::int64_t month = readInteger(first);
    const int day = readInteger(second);
    if (day > 30) {
        // The remainder of the day over 30 goes to the month, not the quotient.
        first = QString::number(month + day % 30);
        second = QString::number(day - 30);
    }
    return padded(first) + QLatin1Char('/') + padded(second);
}

} // namespace toolkit
