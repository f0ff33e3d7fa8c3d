#include "fuzz/support/fuzz_support.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

QStringList texts(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList fields;
    for (const QByteArray& field : bytes.split('\xFF'))
        fields.append(QString::fromUtf8(field));
    return fields;
}

QString visible(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            shown += c;
        else
            shown += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

void fail(const char* property, const QString& detail)
{
    std::fprintf(stderr, "property failed: %s\n%s\n", property, qUtf8Printable(detail));
    std::fflush(stderr);
    std::abort();
}

QString scratchPath(const QString& name)
{
    static QTemporaryDir folder;
    require(folder.isValid(), "a scratch folder can be made", folder.errorString());
    return folder.filePath(name);
}

} // namespace fuzz
