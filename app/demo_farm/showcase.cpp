#include "app/demo_farm/showcase.h"

#include "app/data_module.h"
#include "dataaccess/connection_settings.h"
#include "toolkit/tools.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace app {
namespace {

/// Keeps the toolkit object and the data module alive as long as the form they serve.
class ProgramParts : public QObject {
public:
    ProgramParts(const QString& programFolder, TSelectForm& form)
        : QObject(&form), tools(std::make_unique<toolkit::TTools>(programFolder))
    {
        tools->FormCreate();
        dm = std::make_unique<TDM>(*tools);
    }
    ~ProgramParts() override
    {
        dm.reset();
        tools.reset();
    }

    std::unique_ptr<toolkit::TTools> tools;
    std::unique_ptr<TDM> dm;
};

void press(QWidget* target, Qt::Key key, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

} // namespace

std::unique_ptr<TSelectForm> startSelectionProgram(const QString& programFolder)
{
    // The program lives in that folder: relative embedded servers are found from there.
    db::setApplicationPath(programFolder);
    auto form = std::make_unique<TSelectForm>();
    QApplication::processEvents();
    auto* parts = new ProgramParts(programFolder, *form);
    form->attach(*parts->tools, *parts->dm);
    QApplication::processEvents();
    form->show();
    QApplication::processEvents();
    return form;
}

void typeBodyNumbers(TSelectForm& form, const QStringList& numbers)
{
    for (const QString& number : numbers) {
        form.edit2->clear();
        for (const QChar digit : number)
            press(form.edit2, Qt::Key(digit.unicode()), QString(digit));
        press(form.edit2, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
}

} // namespace app
