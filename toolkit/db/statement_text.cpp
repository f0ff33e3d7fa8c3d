#include "toolkit/db/statement_text.h"

namespace toolkit {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 32;
}

QString trimmedOfControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlankOrControl(text[first]))
        ++first;
    while (last > first && isBlankOrControl(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

QString withoutLeadingBlanks(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && text[first] == QLatin1Char(' '))
        ++first;
    return text.mid(first);
}

bool beginsWithSelect(const QString& statement)
{
    return statement.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive);
}

QString countQueryOf(const QString& select)
{
    const QString rest = select.mid(6);
    const qsizetype from = rest.indexOf(QLatin1String("FROM"), 0, Qt::CaseInsensitive);
    const QString selectList = from < 0 ? QString() : rest.left(from);
    const QString tail = from < 0 ? rest : rest.mid(from);
    return QLatin1String("Select Count(") + selectList + QLatin1String(") As Res ") +
           QLatin1Char(' ') + tail;
}

} // namespace toolkit
