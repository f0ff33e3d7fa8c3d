// farm_demo_shot PROGRAM_FOLDER OUTPUT.png [BODY...]
// Starts the selection program on its folder, types the body numbers as an operator would and
// saves a picture of the form. Boxes are answered with their default button and printed.
#include "app/showcase/showcase.h"
#include "platform/modal_box.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

namespace {

/// Answers every box with its default button and prints it, so nothing waits for a person.
class PrintingPresenter final : public platform::BoxPresenter {
public:
    int present(const platform::BoxRequest& request) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(request.text));
        return request.defaultResult;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CowSelect"));
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: farm_demo_shot PROGRAM_FOLDER OUTPUT.png [BODY...]\n");
        return 2;
    }
    PrintingPresenter boxes;
    platform::setBoxPresenter(&boxes);
    const std::unique_ptr<app::SelectionProgram> program =
        app::startSelectionProgram(arguments.at(0));
    app::typeBodyNumbers(program->form(), arguments.mid(2));
    const bool saved = program->form().grab().save(arguments.at(1));
    platform::setBoxPresenter(nullptr);
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    std::printf("%s\n", qPrintable(arguments.at(1)));
    return 0;
}
