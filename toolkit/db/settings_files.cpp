#include "toolkit/db/settings_files.h"

#include "platform/error.h"
#include "platform/text_file.h"
#include "toolkit/db/db_text_tools.h"

#include <QRegularExpression>
#include <QStringView>
#include <utility>

namespace toolkit {

ConnectionSettings settingsFromWTimes(const QStringList& lines)
{
    const auto line = [&lines](qsizetype i) { return DbTextTools::FindXOR(lines.value(i)); };
    ConnectionSettings settings;
    settings.Password = line(0);
    settings.Server = line(1);
    settings.Database = line(2);
    settings.UserName = line(3);
    return settings;
}

void writeWTimesFile(const QString& path, const ConnectionSettings& settings)
{
    // The file's order, and the name each setting is called by when it cannot be stored.
    const std::pair<QString, QString ConnectionSettings::*> fields[] = {
        {QStringLiteral("password"), &ConnectionSettings::Password},
        {QStringLiteral("server"), &ConnectionSettings::Server},
        {QStringLiteral("database"), &ConnectionSettings::Database},
        {QStringLiteral("user name"), &ConnectionSettings::UserName},
    };
    QStringList lines;
    for (const auto& field : fields)
        lines.append(DbTextTools::FindXOR(settings.*(field.second)));
    // The text the file will hold, read back as the program reads it.
    const ConnectionSettings readBack = settingsFromWTimes(
        wtimesLines(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto& [name, member] = fields[i];
        if (QStringView(lines[i]).isValidUtf16() && readBack.*member == settings.*member)
            continue;
        throw platform::Error(QStringLiteral("The %1 cannot be stored in %2: scrambled, it would "
                                             "not read back as it is (CR followed by LF ends a "
                                             "line of the file). Write it another way.")
                                  .arg(name, kWTimesFile));
    }
    platform::writePrivateTextFile(path, lines);
}

QStringList wtimesLines(const QString& fileText)
{
    const QString crLf = QStringLiteral("\r\n");
    QStringList lines = fileText.contains(crLf)
                            ? fileText.split(crLf)
                            : fileText.split(QRegularExpression(QStringLiteral("\r|\n")));
    if (lines.last().isEmpty())
        lines.removeLast(); // what follows the ending of the last line
    return lines;
}

ConnectionSettings settingsFromMultiConnect(const QStringList& lines)
{
    if (lines.size() < 4)
        throw platform::Error(QStringLiteral("%1 holds %2 lines; it needs four: server, "
                                             "database, user name and password")
                                  .arg(kMultiConnectFile)
                                  .arg(lines.size()));
    return {lines[0], lines[1], lines[2], lines[3]};
}

QStringList multiConnectLines(const ConnectionSettings& settings)
{
    const QStringList lines{settings.Server, settings.Database, settings.UserName,
                            settings.Password};
    const QStringList fields{QStringLiteral("server"), QStringLiteral("database name"),
                             QStringLiteral("user name"), QStringLiteral("password")};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // The file is read back line by line: a line break in a value would shift every
        // setting after it.
        if (lines[i].contains(QLatin1Char('\r')) || lines[i].contains(QLatin1Char('\n')))
            throw platform::Error(
                QStringLiteral("The %1 holds a line break and cannot be kept in %2.")
                    .arg(fields[i], kMultiConnectFile));
    }
    return lines;
}

} // namespace toolkit
