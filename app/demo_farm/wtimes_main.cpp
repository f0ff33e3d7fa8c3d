// farm_wtimes FOLDER SERVER DATABASE USER PASSWORD
// Writes the single-customer settings file FOLDER/WTimes.DLL: password, server, database and
// user name, one a line, each scrambled as the program unscrambles them, readable by its owner
// only. A value the file cannot hold is refused with a message naming it.
#include "platform/error.h"
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
    db::ConnectionSettings settings;
    settings.Server = arguments.at(1);
    settings.Database = arguments.at(2);
    settings.UserName = arguments.at(3);
    settings.Password = arguments.at(4);
    const QString path = QDir(arguments.at(0)).filePath(toolkit::kWTimesFile);
    try {
        toolkit::writeWTimesFile(path, settings);
    } catch (const platform::Error& error) {
        err << error.message() << '\n';
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}
