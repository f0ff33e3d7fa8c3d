// farm_wtimes FOLDER SERVER DATABASE USER PASSWORD
// Writes the single-customer settings file FOLDER/WTimes.DLL: password, server, database and
// user name, one a line, each scrambled as the program unscrambles them.
#include "platform/error.h"
#include "platform/text_file.h"
#include "toolkit/db/db_text_tools.h"

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
    const QString& server = arguments.at(1);
    const QString& database = arguments.at(2);
    const QString& user = arguments.at(3);
    const QString& password = arguments.at(4);
    const QStringList lines{
        toolkit::DbTextTools::FindXOR(password), toolkit::DbTextTools::FindXOR(server),
        toolkit::DbTextTools::FindXOR(database), toolkit::DbTextTools::FindXOR(user)};
    const QString path = QDir(arguments.at(0)).filePath(QStringLiteral("WTimes.DLL"));
    try {
        platform::writeTextFile(path, lines);
    } catch (const platform::Error& error) {
        err << error.message() << '\n';
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}
