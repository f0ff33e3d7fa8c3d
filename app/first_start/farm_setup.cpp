#include "app/first_start/farm_setup.h"

#include "app/demo_farm/demo_farm.h"
#include "dataaccess/connection.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "platform/error.h"
#include "platform/modal_box.h"
#include "platform/text_file.h"
#include "toolkit/db/settings_files.h"

#include <QDir>
#include <QFileInfo>

namespace app {
namespace {

const QString kDemoServer = QStringLiteral("sqlite:farm");
const QString kDemoDatabase = QStringLiteral("DemoFarm");

QString wtimesPath(const QString& farmFolder)
{
    return QDir(farmFolder).filePath(toolkit::kWTimesFile);
}

/// The toolkit's information box: caption "پيام", one button "بازگشت".
void showMessage(const QString& text, platform::BoxKind kind)
{
    platform::BoxRequest request;
    request.kind = kind;
    request.caption = QStringLiteral("پيام");
    request.text = text;
    request.buttons = {{QStringLiteral("بازگشت"), platform::mrOk}};
    request.defaultResult = platform::mrOk;
    request.cancelResult = platform::mrOk;
    platform::showModalBox(request);
}

} // namespace

void writeFarmSettings(const QString& farmFolder, const db::ConnectionSettings& settings)
{
    toolkit::writeWTimesFile(wtimesPath(farmFolder), settings);
}

bool askFarmSettings(const QString& farmFolder)
{
    db::setApplicationPath(farmFolder); // the dialog offers, and finds, the farm's own servers
    db::Connection connection;
    connection.UserName = QStringLiteral("sa");
    while (db::runConnectDialog(connection)) {
        try {
            connection.Connect();
            connection.Disconnect();
            writeFarmSettings(farmFolder, connection.settings());
            return true;
        } catch (const platform::Error& error) {
            showMessage(error.message(), platform::BoxKind::Error);
        }
    }
    showMessage(cancelledSetupMessage(farmFolder), platform::BoxKind::Information);
    return false;
}

QString cancelledSetupMessage(const QString& farmFolder)
{
    return QStringLiteral("اتصال به بانك مزرعه تنظيم نشد.\r"
                          "برنامه تنظيمات را از اين فايل مي خواند:\r%1")
        .arg(QDir::toNativeSeparators(wtimesPath(farmFolder)));
}

void layOutDemoFarm(const QString& farmFolder)
{
    const QDir folder(farmFolder);
    const QString database = folder.filePath(QStringLiteral("farm/") + kDemoDatabase + ".db");
    if (!QFileInfo::exists(database)) {
        if (!QDir().mkpath(QFileInfo(database).path()))
            throw platform::Error(
                QStringLiteral("cannot make the folder %1").arg(QFileInfo(database).path()));
        writeDemoFarm(database, DemoFarmOptions{});
    }
    if (!QFileInfo::exists(wtimesPath(farmFolder)))
        writeFarmSettings(farmFolder,
                          {kDemoServer, kDemoDatabase, QStringLiteral("sa"), QString()});
}

} // namespace app
