// farm_wtimes FOLDER SERVER DATABASE USER PASSWORD
// Writes the single-customer settings file FOLDER/WTimes.DLL: password, server, database and
// user name, one a line, each scrambled as the program unscrambles them. A value whose scrambled
// form would end its line early is refused.
#include "platform/error.h"
#include "platform/text_file.h"
#include "toolkit/db/settings_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.size() != 5) {
        err << "usage: farm_wtimes FOLDER SERVER DATABASE USER PASSWORD\n";
        return 2;
    }
    const toolkit::ConnectionSettings settings{arguments.at(1), arguments.at(2), arguments.at(3),
                                               arguments.at(4)};
    const QString path = QDir(arguments.at(0)).filePath(toolkit::kWTimesFile);
    try {
        platform::writeTextFile(path, toolkit::wtimesFileLines(settings));
    } catch (const platform::Error& error) {
        err << error.message() << '\n';
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}
