#include "platform/text_file.h"

#include "platform/error.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {

QString g_codePage = QStringLiteral("windows-1256");

const QByteArray utf8Bom("\xEF\xBB\xBF");
const QByteArray utf16LeBom("\xFF\xFE");
const QByteArray utf16BeBom("\xFE\xFF");

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

/// The file's bytes: the text in the code page, or UTF-8 behind a mark when the code page
/// cannot hold every character.
QByteArray encodeText(const QString& text)
{
    QStringEncoder encoder(g_codePage.toLatin1().constData());
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    return utf8Bom + text.toUtf8();
}

QString decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith(utf8Bom))
        return QString::fromUtf8(bytes.mid(utf8Bom.size()));
    if (bytes.startsWith(utf16LeBom)) {
        QStringDecoder decoder(QStringConverter::Utf16LE);
        return decoder.decode(bytes.mid(utf16LeBom.size()));
    }
    if (bytes.startsWith(utf16BeBom)) {
        QStringDecoder decoder(QStringConverter::Utf16BE);
        return decoder.decode(bytes.mid(utf16BeBom.size()));
    }
    QStringDecoder decoder(g_codePage.toLatin1().constData());
    return decoder.decode(bytes);
}

} // namespace

QString textCodePage()
{
    return g_codePage;
}

void setTextCodePage(const QString& name)
{
    if (!QStringEncoder(name.toLatin1().constData()).isValid())
        throw Error(QStringLiteral("The code page \"%1\" is not known.").arg(name));
    g_codePage = name;
}

void writeTextFile(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    const QByteArray bytes = encodeText(text);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("The file \"%1\" cannot be written: %2")
                        .arg(shownPath(path), file.errorString()));
    // QSaveFile::commit() renames a temporary file whose buffered data failed to reach the disk
    // (a full disk, a size limit) and reports success, so the flush is checked first; the
    // temporary file goes with the object and the old file stays as it was.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw Error(QStringLiteral("The file \"%1\" cannot be written: %2")
                        .arg(shownPath(path), file.errorString()));
}

QString readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("The file \"%1\" cannot be read: %2")
                        .arg(shownPath(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("The file \"%1\" cannot be read: %2")
                        .arg(shownPath(path), file.errorString()));
    return decodeText(bytes);
}

QStringList readTextLines(const QString& path)
{
    const QString text = readTextFile(path);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace platform
