// The program entry: the program folder (its own, or the farm folder the command line names),
// the production boxes and connect dialog, the program's objects in their order, then the
// event loop.
#include "app/options/program_options.h"
#include "app/selection_program.h"
#include "controls/date_picker/qt_date_picker_presenter.h"
#include "dataaccess/widgets/ms_connect_dialog.h"
#include "platform/end_request.h"
#include "toolkit/base/error_report.h"
#include "toolkit/dialogs/qt_box_presenter.h"
#include "toolkit/dialogs/qt_folder_chooser.h"
#include "toolkit/prompts/qt_prompt_presenter.h"

#include <QApplication>
#include <cstdio>

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
    const app::ProgramFolderChoice folder = app::programFolderFrom(
        QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath());
    if (!folder.error.isEmpty()) {
        std::fprintf(stderr, "CowSelect: %s\n%s\n", qPrintable(folder.error),
                     qPrintable(app::programUsage()));
        return 2;
    }
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

    app::SelectionProgram program(folder.folder);
    program.show();
    const int code = platform::runEventLoop();
    platform::setDatePickerPresenter(nullptr);
    platform::setPromptPresenter(nullptr);
    platform::setFolderChooser(nullptr);
    platform::setBoxPresenter(nullptr);
    return code;
}
