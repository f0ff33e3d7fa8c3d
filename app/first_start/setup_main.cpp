// cowselect-setup --ask FARM_FOLDER | --demo FARM_FOLDER
// The installed program's first start. --ask shows the connect dialog and writes the farm's
// "WTimes.DLL" from its answer (exit code 1 when cancelled, after saying where the settings
// go); --demo lays out the demo farm. The launcher runs it before the program.
#include "app/first_start/farm_setup.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "platform/error.h"
#include "platform/modal_box.h"
#include "toolkit/dialogs/qt_box_presenter.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CowSelect"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const QStringList arguments = QApplication::arguments().mid(1);
    const QString mode = arguments.value(0);
    if (arguments.size() != 2 || (mode != "--ask" && mode != "--demo")) {
        std::fprintf(stderr, "usage: cowselect-setup --ask FARM_FOLDER | --demo FARM_FOLDER\n");
        return 2;
    }
    const QString& farmFolder = arguments.at(1);
    toolkit::QtBoxPresenter boxes;
    platform::setBoxPresenter(&boxes);
    int code = 0;
    try {
        if (mode == "--demo") {
            app::layOutDemoFarm(farmFolder);
        } else if (!app::askFarmSettings(farmFolder)) {
            QString message = app::cancelledSetupMessage(farmFolder);
            std::fprintf(stderr, "%s\n", qPrintable(message.replace(QLatin1Char('\r'), '\n')));
            code = 1;
        }
    } catch (const platform::Error& error) {
        std::fprintf(stderr, "cowselect-setup: %s\n", qPrintable(error.message()));
        platform::showPlainBox(error.message(), platform::BoxKind::Error);
        code = 1;
    }
    platform::setBoxPresenter(nullptr);
    return code;
}
