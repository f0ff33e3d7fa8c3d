// The program entry: the selection form, then the toolkit object, then the data module, with
// pending window messages processed between, then the event loop.
#include "app/data_module.h"
#include "app/select_form.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "platform/end_request.h"
#include "toolkit/dialogs/qt_box_presenter.h"
#include "toolkit/dialogs/qt_folder_chooser.h"
#include "toolkit/error_report.h"
#include "toolkit/tools.h"

#include <QApplication>

namespace {

/// The application object: an error that no handler caught is shown as the general error
/// report, and the event loop goes on.
class Application final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        bool handled = false;
        toolkit::guarded([&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

void processPendingMessages()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CowSelect"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    toolkit::QtBoxPresenter boxes;
    platform::setBoxPresenter(&boxes);
    toolkit::QtFolderChooser folders;
    platform::setFolderChooser(&folders);
    db::installConnectDialog();

    app::TSelectForm SelectForm;
    processPendingMessages();

    toolkit::TTools Tools(QCoreApplication::applicationDirPath());
    Tools.FormCreate();

    app::TDM DM(Tools);
    SelectForm.attach(Tools, DM);
    processPendingMessages();

    if (!platform::endRequested())
        SelectForm.show();
    const int code = platform::runEventLoop();
    platform::setFolderChooser(nullptr);
    platform::setBoxPresenter(nullptr);
    return code;
}
