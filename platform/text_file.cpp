#include "platform/text_file.h"

#include "platform/error.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool startsWithMark(const QByteArray& bytes)
{
    return bytes.startsWith(utf8Bom) || bytes.startsWith(utf16LeBom) ||
           bytes.startsWith(utf16BeBom);
}

/// The file's bytes: the text in the code page, or UTF-8 behind a mark when the code page
/// cannot hold every character or its bytes would be read back as another encoding (in
/// windows-1256 U+06D2 U+200F is FF FE, "ï»؟" is EF BB BF).
QByteArray encodeText(const QString& text)
{
    QStringEncoder encoder(g_codePage.toLatin1().constData());
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError() && !startsWithMark(bytes))
        return bytes;
    return utf8Bom + text.toUtf8();
}

/// Decodes what follows a mark; a U+FEFF there is the text's own first character and stays.
QString decodeAfterMark(const QByteArray& bytes, qsizetype markSize,
                        QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes.mid(markSize));
}

QString decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith(utf8Bom))
        return decodeAfterMark(bytes, utf8Bom.size(), QStringConverter::Utf8);
    if (bytes.startsWith(utf16LeBom))
        return decodeAfterMark(bytes, utf16LeBom.size(), QStringConverter::Utf16LE);
    if (bytes.startsWith(utf16BeBom))
        return decodeAfterMark(bytes, utf16BeBom.size(), QStringConverter::Utf16BE);
    QStringDecoder decoder(g_codePage.toLatin1().constData());
    return decoder.decode(bytes);
}

/// The lines, each ended by CR LF, as the file's bytes.
QByteArray fileBytes(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return encodeText(text);
}

Error cannotWrite(const QString& path, const QString& reason)
{
    return Error(
        QStringLiteral("The file \"%1\" cannot be written: %2").arg(shownPath(path), reason));
}

/// Writes all the bytes to the open file and makes them durable; false with errno set when
/// that fails.
bool writeAndSync(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return ::fsync(fd) == 0;
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
    const QByteArray bytes = fileBytes(lines);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotWrite(path, file.errorString());
    // QSaveFile::commit() renames a temporary file whose buffered data failed to reach the disk
    // (a full disk, a size limit) and reports success, so the flush is checked first; the
    // temporary file goes with the object and the old file stays as it was.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw cannotWrite(path, file.errorString());
}

void writePrivateTextFile(const QString& path, const QStringList& lines)
{
    const QByteArray bytes = fileBytes(lines);
    // QSaveFile makes a new file's temporary file with the default mode and narrows it only
    // later, so another user could open it in between: mkostemp makes it owner-only at once.
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + QByteArrayLiteral(".XXXXXX");
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        throw cannotWrite(path, QString::fromLocal8Bit(std::strerror(errno)));
    // Owner-only whatever the umask left; a permission that cannot be set fails the write.
    bool written = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && writeAndSync(fd, bytes);
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.constData(), target.constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.constData()); // the old file stays as it was
        throw cannotWrite(path, QString::fromLocal8Bit(std::strerror(error)));
    }
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
