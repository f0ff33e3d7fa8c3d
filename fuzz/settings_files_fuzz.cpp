// The connection settings files. Any bytes as "WTimes.DLL" or "MultiConnect.Dat" are read
// without a crash (a short "MultiConnect.Dat" raises platform::Error), and four settings written
// as each file are read back exactly, unless the writer refuses them with platform::Error.
//
// Input: server, database, user name and password, separated by bytes 0xFF.
#include "fuzz/support/fuzz_support.h"
#include "platform/error.h"
#include "platform/text_file.h"
#include "toolkit/db/settings_files.h"

#include <QFile>

namespace {

using toolkit::ConnectionSettings;

QString shown(const ConnectionSettings& s)
{
    return fuzz::visible(
        QStringList{s.Server, s.Database, s.UserName, s.Password}.join(QStringLiteral(" | ")));
}

void readAnyBytes(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::scratchPath(QStringLiteral("any.Dat"));
    QFile file(path);
    fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the file is written");
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    toolkit::settingsFromWTimes(toolkit::wtimesLines(platform::readTextFile(path)));
    try {
        toolkit::settingsFromMultiConnect(platform::readTextLines(path));
    } catch (const platform::Error&) {
    }
}

void wtimesReadsBack(const ConnectionSettings& written)
{
    const QString path = fuzz::scratchPath(toolkit::kWTimesFile);
    try {
        toolkit::writeWTimesFile(path, written);
    } catch (const platform::Error&) {
        return; // refused: the file cannot hold these values
    }
    const ConnectionSettings read =
        toolkit::settingsFromWTimes(toolkit::wtimesLines(platform::readTextFile(path)));
    fuzz::require(read == written, "WTimes.DLL gives back the settings written",
                  shown(written) + QStringLiteral("\nread back as\n") + shown(read));
}

void multiConnectReadsBack(const ConnectionSettings& written)
{
    const QString path = fuzz::scratchPath(toolkit::kMultiConnectFile);
    try {
        platform::writeTextFile(path, toolkit::multiConnectLines(written));
    } catch (const platform::Error&) {
        return; // refused: the file cannot hold these values
    }
    const ConnectionSettings read =
        toolkit::settingsFromMultiConnect(platform::readTextLines(path));
    fuzz::require(read == written, "MultiConnect.Dat gives back the settings written",
                  shown(written) + QStringLiteral("\nread back as\n") + shown(read));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    readAnyBytes(data, size);
    const QStringList fields = fuzz::texts(data, size);
    const ConnectionSettings settings{fields.value(0), fields.value(1), fields.value(2),
                                      fields.value(3)};
    wtimesReadsBack(settings);
    multiConnectReadsBack(settings);
    return 0;
}
