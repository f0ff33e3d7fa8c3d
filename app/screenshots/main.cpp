// Renders every registered window of the system to a PNG file in the folder given, headless
// unless the caller chose a platform (QT_QPA_PLATFORM).
#include "app/screenshots/screenshot_registry.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("farm_screenshots"));

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: farm_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder.path()));
        return 1;
    }

    int failures = 0;
    for (const screenshots::Screenshot& shot : screenshots::allScreenshots()) {
        const std::unique_ptr<QWidget> window = shot.make();
        window->show();
        QApplication::processEvents();
        const QString path = folder.filePath(shot.name + QStringLiteral(".png"));
        if (window->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
