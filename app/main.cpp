// The program entry: the production boxes and connect dialog, the program's objects in their
// order, then the event loop.
#include "app/selection_program.h"
#include "controls/date_picker/qt_date_picker_presenter.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "platform/end_request.h"
#include "toolkit/base/error_report.h"
#include "toolkit/dialogs/qt_box_presenter.h"
#include "toolkit/dialogs/qt_folder_chooser.h"
#include "toolkit/prompts/qt_prompt_presenter.h"

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

} // namespace

int main(int argc, char* argv[])
{
    Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CowSelect"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    toolkit::QtBoxPresenter boxes;
    platform::setBoxPresenter(&boxes);
    toolkit::QtPromptPresenter prompts;
    platform::setPromptPresenter(&prompts);
    controls::QtDatePickerPresenter datePickers;
    platform::setDatePickerPresenter(&datePickers);
    toolkit::QtFolderChooser folders;
    platform::setFolderChooser(&folders);
    db::installConnectDialog();

    app::SelectionProgram program(QCoreApplication::applicationDirPath());
    program.show();
    const int code = platform::runEventLoop();
    platform::setDatePickerPresenter(nullptr);
    platform::setPromptPresenter(nullptr);
    platform::setFolderChooser(nullptr);
    platform::setBoxPresenter(nullptr);
    return code;
}
