// The selection form on a small demo farm with a few animals typed in, and the connect dialog
// of the main server as a first multi-customer start shows it.
#include "app/demo_farm/demo_farm.h"
#include "app/screenshots/screenshot_registry.h"
#include "app/showcase/showcase.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "platform/text_file.h"
#include "toolkit/db/db_text_tools.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {

std::unique_ptr<QWidget> selectionForm()
{
    const QTemporaryDir folder;
    QDir root(folder.path());
    root.mkpath(QStringLiteral("program"));
    root.mkpath(QStringLiteral("farm"));
    const QString program = root.filePath(QStringLiteral("program")) + QLatin1Char('/');
    app::DemoFarmOptions options;
    options.animals = 300;
    app::writeDemoFarm(root.filePath(QStringLiteral("farm/DemoFarm.db")), options);
    QFile::copy(QStringLiteral(FARM_CREATE_LIST), program + QStringLiteral("Create.List"));
    using toolkit::DbTextTools;
    platform::writeTextFile(program + QStringLiteral("WTimes.DLL"),
                            {DbTextTools::FindXOR(QString()),
                             DbTextTools::FindXOR(QStringLiteral("sqlite:../farm")),
                             DbTextTools::FindXOR(QStringLiteral("DemoFarm")),
                             DbTextTools::FindXOR(QStringLiteral("sa"))});

    // The picture is taken here, while the program and its farm folder still exist.
    const std::unique_ptr<app::SelectionProgram> selection = app::startSelectionProgram(program);
    app::typeBodyNumbers(selection->form(),
                         {QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("37")});
    auto picture = std::make_unique<QLabel>();
    const QPixmap form = selection->form().grab();
    picture->setPixmap(form);
    // Shown, a window would otherwise be cut to two thirds of the screen.
    picture->setFixedSize(form.deviceIndependentSize().toSize());
    return picture;
}

std::unique_ptr<QWidget> connectDialog()
{
    auto dialog = std::make_unique<db::MSConnectDialog2>();
    dialog->setSettings({QStringLiteral("(local)"), QStringLiteral("master"), QStringLiteral("sa"),
                         QStringLiteral("secret")});
    return dialog;
}

const screenshots::Registration appWindows{{
    {QStringLiteral("app-SelectForm"), selectionForm},
    {QStringLiteral("app-MSConnectDialog2"), connectDialog},
}};

} // namespace
