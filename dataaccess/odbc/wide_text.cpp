#include "dataaccess/odbc/wide_text.h"

namespace db::odbc {

std::vector<SQLWCHAR> toWide(const QString& text)
{
    std::vector<SQLWCHAR> wide(static_cast<std::size_t>(text.size()) + 1, 0);
    const QChar* units = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i)
        wide[static_cast<std::size_t>(i)] = static_cast<SQLWCHAR>(units[i].unicode());
    return wide;
}

QString fromWide(const SQLWCHAR* text, qsizetype length)
{
    QString result(length, Qt::Uninitialized);
    QChar* units = result.data();
    for (qsizetype i = 0; i < length; ++i)
        units[i] = QChar(static_cast<char16_t>(text[i]));
    return result;
}

QString fromWideBuffer(const SQLWCHAR* buffer, qsizetype capacity)
{
    qsizetype length = 0;
    while (length < capacity && buffer[length] != 0)
        ++length;
    return fromWide(buffer, length);
}

} // namespace db::odbc
