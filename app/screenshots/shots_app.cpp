// The selection form on a small demo farm with a few animals typed in, and the connect dialog
// of the main server as a first multi-customer start shows it.
#include "app/demo_farm/demo_farm.h"
#include "app/demo_farm/showcase.h"
#include "app/screenshots/screenshot_registry.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "platform/text_file.h"
#include "toolkit/db/db_text_tools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

/// The program folder and farm of the picture, removed with the form.
class DemoFolder : public QObject {
public:
    using QObject::QObject;
    QTemporaryDir root;
};

std::unique_ptr<QWidget> selectionForm()
{
    auto folder = std::make_unique<DemoFolder>();
    QDir root(folder->root.path());
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

    std::unique_ptr<app::TSelectForm> form = app::startSelectionProgram(program);
    folder.release()->setParent(form.get());
    app::typeBodyNumbers(*form, {QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("37")});
    return form;
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
