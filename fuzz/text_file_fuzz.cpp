// The text-file layer: whatever lines are written read back exactly, as one text and, when no
// line holds a line break of its own, line by line; any bytes read without a crash.
//
// Input: one byte choosing the code page (even: windows-1256, odd: windows-1252), then the lines,
// separated by bytes 0xFF.
#include "fuzz/support/fuzz_support.h"
#include "platform/text_file.h"

#include <QFile>

namespace {

bool holdsLineBreak(const QStringList& lines)
{
    for (const QString& line : lines)
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            return true;
    return false;
}

QString shown(const QStringList& lines)
{
    return fuzz::visible(lines.join(QStringLiteral(" | ")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString path = fuzz::scratchPath(QStringLiteral("Report.txt"));
    {
        QFile file(path);
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the file is written");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    platform::readTextLines(path);

    platform::setTextCodePage(data[0] % 2 == 0 ? QStringLiteral("windows-1256")
                                               : QStringLiteral("windows-1252"));
    const QStringList lines = fuzz::texts(data + 1, size - 1);
    platform::writeTextFile(path, lines);
    QString written;
    for (const QString& line : lines)
        written += line + QStringLiteral("\r\n");
    const QString read = platform::readTextFile(path);
    fuzz::require(read == written, "a text file gives back the text written",
                  platform::textCodePage() + QStringLiteral(": ") + shown(lines) +
                      QStringLiteral("\nread back as\n") + shown({read}));
    if (!holdsLineBreak(lines))
        fuzz::require(platform::readTextLines(path) == lines,
                      "a text file gives back the lines written",
                      platform::textCodePage() + QStringLiteral(": ") + shown(lines));
    return 0;
}
