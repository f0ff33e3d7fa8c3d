// farm_demo FOLDER NAME [--animals N] [--seed S] [--no-protocols]
// Writes the demo farm database FOLDER/NAME.db of the embedded server "sqlite:FOLDER".
#include "app/demo_farm/demo_farm.h"
#include "platform/error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a demo farm database FOLDER/NAME.db for the server sqlite:FOLDER."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("the server's folder"));
    parser.addPositionalArgument(QStringLiteral("name"), QStringLiteral("the database's name"));
    const QCommandLineOption animals(QStringLiteral("animals"),
                                     QStringLiteral("animals in the register (default 1000)"),
                                     QStringLiteral("count"), QStringLiteral("1000"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("random seed (default 1)"),
                                  QStringLiteral("seed"), QStringLiteral("1"));
    const QCommandLineOption noProtocols(QStringLiteral("no-protocols"),
                                         QStringLiteral("a farm without the protocol tables"));
    parser.addOptions({animals, seed, noProtocols});
    parser.process(application);

    QTextStream err(stderr);
    const QStringList arguments = parser.positionalArguments();
    bool animalsOk = false;
    bool seedOk = false;
    app::DemoFarmOptions options;
    options.animals = parser.value(animals).toInt(&animalsOk);
    options.seed = parser.value(seed).toULongLong(&seedOk);
    options.withProtocols = !parser.isSet(noProtocols);
    if (arguments.size() != 2 || !animalsOk || options.animals < 0 || !seedOk) {
        err << parser.helpText();
        return 2;
    }
    const QString folder = arguments.at(0);
    const QString path = QDir(folder).filePath(arguments.at(1) + QStringLiteral(".db"));
    try {
        if (!QDir().mkpath(folder))
            throw platform::Error(QStringLiteral("cannot make the folder %1").arg(folder));
        app::writeDemoFarm(path, options);
    } catch (const platform::Error& error) {
        err << error.message() << '\n';
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}
