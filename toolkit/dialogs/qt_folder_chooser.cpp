#include "toolkit/dialogs/qt_folder_chooser.h"

#include "platform/end_request.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace toolkit {

namespace {

/// True when folder is root or inside it, both taken with their links resolved.
bool within(const QString& root, const QString& folder)
{
    if (root.isEmpty())
        return true;
    const QString r = QFileInfo(root).canonicalFilePath();
    const QString f = QFileInfo(folder).canonicalFilePath();
    if (r.isEmpty() || f.isEmpty())
        return false;
    return f == r || f.startsWith(r.endsWith(QLatin1Char('/')) ? r : r + QLatin1Char('/'));
}

} // namespace

std::optional<QString> QtFolderChooser::choose(const platform::FolderRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // a desktop's own would ignore the root
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(request.root.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                            : request.root);
    if (!request.root.isEmpty()) {
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog,
                         [&dialog, &request](const QString& folder) {
                             if (!within(request.root, folder))
                                 dialog.setDirectory(request.root);
                         });
    }
    // An end requested while the dialog was open ends its loop too; it then counts as
    // cancelled.
    if (dialog.exec() != QDialog::Accepted || platform::endRequested())
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || !within(request.root, chosen.first()))
        return std::nullopt;
    return chosen.first();
}

} // namespace toolkit
